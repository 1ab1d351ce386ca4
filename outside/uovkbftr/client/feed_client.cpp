#include "outside/uovkbftr/client/feed_client.h"

#include "deviceclient/device_handle.h"
#include "outside/uovkbftr/keyboard_filter_interface.h"

namespace keyboard_filter {
namespace {

bool Send(DWORD code, void* input, DWORD input_length, void* output, DWORD output_length, DWORD* returned,
          DWORD* error) {
    devclient::DeviceHandle device(KB_KEYBOARD_FILTER_USER_PATH);
    DWORD failure = device.open_error();
    if (device.valid() &&
        !DeviceIoControl(device.get(), code, input, input_length, output, output_length, returned, nullptr))
        failure = GetLastError();
    if (failure != 0 && error != nullptr) *error = failure;
    return failure == 0;
}

}  // namespace

bool FeedCode(uint8_t code, DWORD* error) {
    DWORD returned = 0;
    return Send(IOCTL_UOV_TEST_FEED_CODE, &code, sizeof code, nullptr, 0, &returned, error);
}

bool CompletedReads(uint32_t* count, DWORD* error) {
    uint32_t value = 0;
    DWORD returned = 0;
    if (!Send(IOCTL_UOV_TEST_GET_READ_COUNT, nullptr, 0, &value, sizeof value, &returned, error)) return false;
    if (returned != sizeof value) {
        if (error != nullptr) *error = ERROR_INVALID_DATA;
        return false;
    }
    *count = value;
    return true;
}

}  // namespace keyboard_filter
