// The floor of the event path's benchmarks: what reading a device costs on the platform alone,
// timed on the instant-read driver (tools/fixtures/instant_read_driver), whose reads complete at
// once. A benchmark keeps it running beside what it measures and takes its samples in turn with
// its own, so that both meet the same load.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/fixtures/instant_read_driver/instant_read_interface.h"
#include "tools/winsupport/driver_service.h"

namespace sim {

// The instant-read driver, started as a service in the receiver test bench's group, with a
// handle open for timed reads, for the lifetime of the object. Beside a bench, Wine serves its
// reads in the bench's own process and thread, where the filter's are served.
class InstantReads {
public:
    InstantReads();
    ~InstantReads();
    InstantReads(const InstantReads&) = delete;
    InstantReads& operator=(const InstantReads&) = delete;

    bool ready() const { return device_ != INVALID_HANDLE_VALUE; }
    // Why it is not ready.
    const std::string& error() const { return error_; }

    // The round trip of one 2-byte read, in ms; negative when the read failed.
    double RoundTrip();
    // One round trip added to `samples`; false when the read failed.
    bool Sample(std::vector<double>* samples);

private:
    winsupport::DriverService driver_;
    HANDLE device_ = INVALID_HANDLE_VALUE;
    std::string error_;
};

}  // namespace sim
