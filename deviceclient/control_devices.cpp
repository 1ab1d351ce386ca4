#include "deviceclient/control_devices.h"

namespace devclient {

bool Control(const DeviceHandle& device, uint32_t code, const void* input, DWORD input_size, void* output,
             DWORD output_size, DWORD* returned) {
    DWORD bytes = 0;
    BOOL done;
    if (!device.overlapped()) {
        done = DeviceIoControl(device.get(), code, const_cast<void*>(input), input_size, output, output_size, &bytes,
                               nullptr);
    } else {
        OVERLAPPED overlapped = {};
        overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (overlapped.hEvent == nullptr) return false;
        done = DeviceIoControl(device.get(), code, const_cast<void*>(input), input_size, output, output_size, &bytes,
                               &overlapped);
        if (!done && GetLastError() == ERROR_IO_PENDING) done = GetOverlappedResult(device.get(), &overlapped, &bytes, TRUE);
        const DWORD error = GetLastError();
        CloseHandle(overlapped.hEvent);
        SetLastError(error);
    }
    if (returned) *returned = done ? bytes : 0;
    return done != FALSE;
}

bool RequestRfData(const DeviceHandle& device, RF_DATA* table) {
    DWORD returned = 0;
    return Control(device, IOCTL_GET_RF_DATA, nullptr, 0, table, sizeof *table, &returned) &&
           returned == sizeof *table;
}

bool SetLock(const DeviceHandle& device, uint8_t lock_byte) {
    return Control(device, IOCTL_SET_LOCK, &lock_byte, sizeof lock_byte, nullptr, 0);
}

bool DisableKeys(const DeviceHandle& device, const DISABLE_KEYS_INPUT& keys) {
    return Control(device, IOCTL_DISABLE_KEYS, &keys, sizeof keys, nullptr, 0);
}

CompanionAnswer SendLockToCompanion(uint8_t lock_byte) {
    const DeviceHandle companion = OpenCompanionDevice();
    if (!companion.valid()) return CompanionAnswer::NotOpened;
    return SetLock(companion, lock_byte) ? CompanionAnswer::Taken : CompanionAnswer::Refused;
}

bool SendKeyDisableFlags(const DISABLE_KEYS_INPUT& keys) {
    DeviceHandle companion = OpenCompanionDevice();
    return companion.valid() && DisableKeys(companion, keys);
}

}  // namespace devclient
