#include "deviceclient/device_handle.h"

namespace devclient {

DeviceHandle::DeviceHandle(const char* path, bool overlapped)
    : handle_(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | (overlapped ? FILE_FLAG_OVERLAPPED : 0), nullptr)),
      overlapped_(overlapped) {
    if (handle_ == INVALID_HANDLE_VALUE) open_error_ = GetLastError();
}

DeviceHandle& DeviceHandle::operator=(DeviceHandle&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        overlapped_ = other.overlapped_;
        open_error_ = other.open_error_;
        other.handle_ = INVALID_HANDLE_VALUE;
    }
    return *this;
}

void DeviceHandle::Close() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace devclient
