// Load and unload, and the one dispatch routine that tells the control device from a filter
// device.
#include "kernelsupport/kernel/named_device.h"
#include "outside/lvxnftr/kernel/companion.h"

PDEVICE_OBJECT CompanionControl = nullptr;

namespace {

UNICODE_STRING DeviceName = RTL_CONSTANT_STRING(KB_COMPANION_DEVICE_NAME_W);
UNICODE_STRING LinkName = RTL_CONSTANT_STRING(KB_COMPANION_LINK_NAME_W);

NTSTATUS NTAPI Dispatch(PDEVICE_OBJECT device, PIRP irp) {
    if (device == CompanionControl) return ServeControlDevice(irp);
    return ServeFilterDevice(device, irp);
}

// The Plug and Play manager removes every filter device before the driver unloads, so the
// control device is the one left.
VOID NTAPI DriverUnload(PDRIVER_OBJECT) {
    DeleteNamedDevice(CompanionControl, &LinkName);
    CompanionControl = nullptr;
}

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    PDEVICE_OBJECT control = nullptr;
    const NTSTATUS status =
        CreateNamedDevice(driver, sizeof(COMPANION_CONTROL_RECORD), &DeviceName, &LinkName, &control);
    if (!NT_SUCCESS(status)) return status;
    CompanionControl = control;
    KeInitializeSpinLock(&ControlRecord()->Lock);

    DispatchAllTo(driver, Dispatch);
    driver->DriverExtension->AddDevice = AddDevice;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
