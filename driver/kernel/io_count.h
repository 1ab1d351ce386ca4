// The request count of a filter device: every dispatch routine counts itself in when it
// begins and out when it is done with the request, and a transfer sent down with a completion
// routine counts until that routine has run. The removal waits until the count drops to 0, so
// the device is never deleted under a request that still uses it.
#pragma once

#include "driver/kernel/debug_checks.h"
#include "driver/kernel/device_extension.h"

inline PDEVICE_EXTENSION FilterDeviceRecord(PDEVICE_OBJECT device) {
    return static_cast<PDEVICE_EXTENSION>(device->DeviceExtension);
}

inline void AcquireIo(PDEVICE_EXTENSION hidData) { InterlockedIncrement(&hidData->IoCount); }

// After this the device may be gone: the caller must not touch hidData again.
inline void ReleaseIo(PDEVICE_EXTENSION hidData) {
    if (InterlockedDecrement(&hidData->IoCount) == 0) KeSetEvent(&hidData->RemoveEvent, IO_NO_INCREMENT, FALSE);
}

// Sets a completion routine called on success, error and cancel, checking that it is one.
#define KB_SET_COMPLETION(irp, routine, context)                    \
    do {                                                            \
        KB_CHECK((1) | (1) | (1) ? (routine) != NULL : TRUE);       \
        IoSetCompletionRoutine(irp, routine, context, TRUE, TRUE, TRUE); \
    } while (0)
