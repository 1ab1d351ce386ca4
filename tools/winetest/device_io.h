// Talking to a driver's control device from a Wine test: handles, control requests with their
// buffers, overlapped reads that stay pending, and a thread blocked in a plain read.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "deviceclient/device_handle.h"
#include "tools/winetest/test_support.h"

namespace winetest {

using devclient::DeviceHandle;

// What a request buffer holds where the driver did not write.
constexpr BYTE UNTOUCHED = 0xEE;

struct ControlResult {
    bool ok = false;
    DWORD error = 0;
    std::vector<BYTE> output;  // the bytes the driver reported
    std::vector<BYTE> buffer;  // the whole output buffer, UNTOUCHED where not written
};

// One device-control request, waited for. The output buffer is output_length bytes.
ControlResult SendControl(const DeviceHandle& device, DWORD code, const std::vector<BYTE>& input, DWORD output_length);

// Sends `code` with no input and room for exactly one Record, and expects it filled. Where it
// isn't, the test fails and the record reads UNTOUCHED.
template <typename Record>
Record ReceiveRecord(const DeviceHandle& device, DWORD code) {
    Record record = {};
    std::memset(&record, UNTOUCHED, sizeof record);
    const ControlResult result = SendControl(device, code, {}, sizeof record);
    EXPECT_TRUE(result.ok) << "control code 0x" << std::hex << code << ": error " << std::dec << result.error;
    EXPECT_EQ(result.output.size(), sizeof record) << "control code 0x" << std::hex << code;
    if (result.output.size() == sizeof record) std::memcpy(&record, result.output.data(), sizeof record);
    return record;
}

// An overlapped read issued on construction. Its state lives on the heap and is let go of only
// once the read has ended, so a test that fails while the read is pending stays safe.
class PendingRead {
public:
    PendingRead(const DeviceHandle& device, DWORD length);
    ~PendingRead();
    PendingRead(const PendingRead&) = delete;
    PendingRead& operator=(const PendingRead&) = delete;

    // The driver kept the read (ERROR_IO_PENDING).
    bool pending() const { return pending_; }
    // The error ReadFile reported at once, when the read did not stay pending.
    DWORD error() const { return error_; }
    // True once the read has ended, waiting up to `ms`.
    bool Finished(DWORD ms);
    int32_t status() const;
    DWORD bytes() const;
    const BYTE* data() const;

private:
    struct State;
    State* state_;
    HANDLE handle_;
    bool pending_ = false;
    DWORD error_ = 0;
};

// Whether a read of another handle waits at `path` now. The filters keep one read waiting at a
// time and refuse any other while it waits, a read of no bytes included; with none waiting, a
// read of no bytes is answered at once with nothing and takes no record. So a reader found
// waiting again has handed on everything it read before.
bool AReadWaitsAt(const char* path);

// A thread that does one plain ReadFile on a synchronous handle, as the product's reader
// threads do.
class BlockedReader {
public:
    BlockedReader(HANDLE device, DWORD length);
    ~BlockedReader();
    BlockedReader(const BlockedReader&) = delete;
    BlockedReader& operator=(const BlockedReader&) = delete;

    bool Finished(DWORD ms);
    bool ok() const;
    DWORD error() const;
    DWORD bytes() const;
    const BYTE* data() const;

    struct State;

private:
    State* state_;
    HANDLE thread_ = nullptr;
};

}  // namespace winetest
