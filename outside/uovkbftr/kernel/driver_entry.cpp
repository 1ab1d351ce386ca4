// Load and unload: the one control device, "\Device\UOVKBFTR" with its link for user mode.
#include "kernelsupport/kernel/named_device.h"
#include "outside/uovkbftr/kernel/keyboard_filter.h"

namespace {

PDEVICE_OBJECT KeyboardFilter = nullptr;
UNICODE_STRING DeviceName = RTL_CONSTANT_STRING(KB_KEYBOARD_FILTER_DEVICE_NAME_W);
UNICODE_STRING LinkName = RTL_CONSTANT_STRING(KB_KEYBOARD_FILTER_LINK_NAME_W);

NTSTATUS NTAPI Dispatch(PDEVICE_OBJECT device, PIRP irp) {
    return ServeKeyboardFilter(static_cast<KEYBOARD_FILTER_RECORD*>(device->DeviceExtension), irp);
}

// Windows unloads the driver only once no handle to its device is left, so no read is pending.
VOID NTAPI DriverUnload(PDRIVER_OBJECT) {
    DeleteNamedDevice(KeyboardFilter, &LinkName);
    KeyboardFilter = nullptr;
}

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    PDEVICE_OBJECT device = nullptr;
    const NTSTATUS status =
        CreateNamedDevice(driver, sizeof(KEYBOARD_FILTER_RECORD), &DeviceName, &LinkName, &device);
    if (!NT_SUCCESS(status)) return status;
    KeyboardFilter = device;
    KeInitializeSpinLock(&static_cast<KEYBOARD_FILTER_RECORD*>(device->DeviceExtension)->Lock);

    DispatchAllTo(driver, Dispatch);
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
