// Driver load and unload: the control device "\Device\UVXNFLTR" with its link, and the
// dispatch table shared by the control device and the filter devices.
#include "common/control_interface.h"
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/event_queue.h"
#include "kernelsupport/kernel/debug_checks.h"
#include "kernelsupport/kernel/named_device.h"

namespace {

UNICODE_STRING ControlDeviceName = RTL_CONSTANT_STRING(KB_FILTER_DEVICE_NAME_W);
UNICODE_STRING ControlLinkName = RTL_CONSTANT_STRING(KB_FILTER_LINK_NAME_W);

void FillDispatchTable(PDRIVER_OBJECT driver) {
    DispatchAllTo(driver, DispatchAny);
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreateClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchCreateClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCleanup;
    driver->MajorFunction[IRP_MJ_READ] = DispatchRead;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->MajorFunction[IRP_MJ_INTERNAL_DEVICE_CONTROL] = DispatchInternal;
    driver->MajorFunction[IRP_MJ_POWER] = DispatchPower;
    driver->MajorFunction[IRP_MJ_PNP] = DispatchPnp;
    driver->DriverExtension->AddDevice = AddDevice;
}

}  // namespace

VOID NTAPI DriverUnload(PDRIVER_OBJECT DriverObject) {
    KB_CHECK_PAGEABLE();
    KB_CHECK(pGlobalCtrl == DriverObject->DeviceObject);
    KB_CHECK(NULL == pGlobalCtrl->NextDevice);
    Filter_FreeEvents(ControlRecord());
    DeleteNamedDevice(pGlobalCtrl, &ControlLinkName);
    pGlobalCtrl = nullptr;
}

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT DriverObject, PUNICODE_STRING) {
    PDEVICE_OBJECT control = nullptr;
    const NTSTATUS status = CreateNamedDevice(DriverObject, sizeof(FILTER_EXTENSION), &ControlDeviceName,
                                              &ControlLinkName, &control);
    if (!NT_SUCCESS(status)) return status;
    pGlobalCtrl = control;
    InitControlDeviceRecord(ControlRecord());

    if (!IoIsWdmVersionAvailable(1, 0)) {
        DeleteNamedDevice(control, &ControlLinkName);
        pGlobalCtrl = nullptr;
        return STATUS_UNSUCCESSFUL;
    }

    FillDispatchTable(DriverObject);
    DriverObject->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
