// A control device opened as the product opens it: read and write access, no sharing,
// open-existing, normal attributes; overlapped only where the caller asks for it. Closed when the
// object goes.
#pragma once

#include <windows.h>

namespace devclient {

class DeviceHandle {
public:
    DeviceHandle() = default;
    DeviceHandle(const char* path, bool overlapped = false);
    ~DeviceHandle() { Close(); }
    DeviceHandle(DeviceHandle&& other) noexcept { *this = static_cast<DeviceHandle&&>(other); }
    DeviceHandle& operator=(DeviceHandle&& other) noexcept;
    DeviceHandle(const DeviceHandle&) = delete;
    DeviceHandle& operator=(const DeviceHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool overlapped() const { return overlapped_; }
    // The error of the open, when it failed.
    DWORD open_error() const { return open_error_; }
    void Close();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool overlapped_ = false;
    DWORD open_error_ = 0;
};

}  // namespace devclient
