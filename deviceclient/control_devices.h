// The requests user mode sends to the filters' control devices: "\\.\UVXNFLTR" (the hot-key
// filter) and "\\.\LVXNFLTR" (the companion keyboard-interface filter). Every function returns
// false when the request failed and leaves the Windows error in GetLastError().
#pragma once

#include <windows.h>

#include <cstdint>

#include "common/control_interface.h"
#include "deviceclient/device_handle.h"
#include "deviceclient/logic/lock_sequence.h"

namespace devclient {

inline DeviceHandle OpenFilterDevice(bool overlapped = false) { return DeviceHandle(KB_FILTER_USER_PATH, overlapped); }
inline DeviceHandle OpenCompanionDevice(bool overlapped = false) {
    return DeviceHandle(KB_COMPANION_USER_PATH, overlapped);
}

// One device-control request, waited for; `returned` (optional) gets the bytes the driver wrote.
// On an overlapped handle the request is waited for with an event of its own.
bool Control(const DeviceHandle& device, uint32_t code, const void* input, DWORD input_size, void* output,
             DWORD output_size, DWORD* returned = nullptr);

// IOCTL_GET_RF_DATA: true only when the whole 40-byte table came back.
bool RequestRfData(const DeviceHandle& device, RF_DATA* table);
bool SetLock(const DeviceHandle& device, uint8_t lock_byte);
bool DisableKeys(const DeviceHandle& device, const DISABLE_KEYS_INPUT& keys);

// IOCTL_SET_LOCK to the companion filter on a handle of its own, closed after it.
CompanionAnswer SendLockToCompanion(uint8_t lock_byte);

// The key-disable flags to the companion; false when its device can't be opened or refuses them.
bool SendKeyDisableFlags(const DISABLE_KEYS_INPUT& keys);

}  // namespace devclient
