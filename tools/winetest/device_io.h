// Talking to a driver's control device from a Wine test: handles, control requests with their
// buffers, overlapped reads that stay pending, and a thread blocked in a plain read.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace winetest {

// NTSTATUS values a completed request reports in its OVERLAPPED.
constexpr DWORD NT_STATUS_SUCCESS = 0x00000000;
constexpr DWORD NT_STATUS_CANCELLED = 0xC0000120;

// How long a test waits for a request that should finish: far beyond what it takes, so only a
// request that never finishes fails the test, however slow the machine.
constexpr DWORD WAIT_LIMIT_MS = 5000;

// What a request buffer holds where the driver did not write.
constexpr BYTE UNTOUCHED = 0xEE;

// A device opened as the product opens it: read and write access, no sharing, open-existing.
class DeviceHandle {
public:
    DeviceHandle(const char* path, bool overlapped);
    ~DeviceHandle() { Close(); }
    DeviceHandle(DeviceHandle&& other) noexcept : handle_(other.handle_), open_error_(other.open_error_) {
        other.handle_ = INVALID_HANDLE_VALUE;
    }
    DeviceHandle(const DeviceHandle&) = delete;
    DeviceHandle& operator=(const DeviceHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    DWORD open_error() const { return open_error_; }
    void Close();

private:
    HANDLE handle_;
    DWORD open_error_ = 0;
};

struct ControlResult {
    bool Ok = false;
    DWORD Error = 0;
    std::vector<BYTE> Output;  // the bytes the driver reported
    std::vector<BYTE> Buffer;  // the whole output buffer, UNTOUCHED where not written
};

// One device-control request, waited for. The output buffer is outputLength bytes.
ControlResult SendControl(const DeviceHandle& device, DWORD code, const std::vector<BYTE>& input, DWORD outputLength);

// Sends `code` with no input and room for exactly one Record, and expects it filled. Where it
// isn't, the test fails and the record reads UNTOUCHED.
template <typename Record>
Record ReceiveRecord(const DeviceHandle& device, DWORD code) {
    Record record;
    std::memset(&record, UNTOUCHED, sizeof record);
    const ControlResult result = SendControl(device, code, {}, sizeof record);
    EXPECT_TRUE(result.Ok) << "control code 0x" << std::hex << code << ": error " << std::dec << result.Error;
    EXPECT_EQ(result.Output.size(), sizeof record) << "control code 0x" << std::hex << code;
    if (result.Output.size() == sizeof record) std::memcpy(&record, result.Output.data(), sizeof record);
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
    DWORD status() const;
    DWORD bytes() const;
    const BYTE* data() const;

private:
    struct State;
    State* state_;
    HANDLE handle_;
    bool pending_ = false;
    DWORD error_ = 0;
};

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

    struct State;

private:
    State* state_;
    HANDLE thread_ = nullptr;
};

}  // namespace winetest
