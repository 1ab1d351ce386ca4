// A reader on the filter's control device "\\.\UVXNFLTR", as the agent holds one: the handle is
// open for the object's lifetime and reads from the start (a handle that only opens is no
// reader to the filter), one 2-byte read is kept outstanding, and the status table can be
// fetched in between.
#pragma once

#include <windows.h>

#include <vector>

#include "common/control_interface.h"
#include "deviceclient/device_handle.h"
#include "tools/simulator/client/bench_client.h"

namespace sim {

class FilterReader {
public:
    FilterReader();
    ~FilterReader();
    FilterReader(const FilterReader&) = delete;
    FilterReader& operator=(const FilterReader&) = delete;

    bool is_open() const { return device_.valid(); }
    DWORD error() const { return error_; }

    // Every event the filter has queued by now. The round trip through the bench (which lives
    // in the filter's process and is served in order with it) makes sure that a read the
    // filter answers at once has been answered before the outstanding read is looked at.
    std::vector<EVENT_RECORD> Drain(BenchClient& bench);
    // Waits up to timeout_ms for the next event; false when none came.
    bool Next(EVENT_RECORD* event, DWORD timeout_ms);
    bool RfData(RF_DATA* table, DWORD* returned = nullptr);

private:
    bool Issue();    // starts a read unless one is outstanding; false on a failure
    bool Collect(EVENT_RECORD* event, DWORD timeout_ms);

    devclient::DeviceHandle device_;
    HANDLE read_done_;
    OVERLAPPED overlapped_ = {};
    EVENT_RECORD buffer_ = {};
    bool outstanding_ = false;
    std::vector<EVENT_RECORD> early_;  // events answered while a read was being started
    DWORD error_ = 0;
};

}  // namespace sim
