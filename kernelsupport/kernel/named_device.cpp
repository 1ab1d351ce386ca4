#include "kernelsupport/kernel/named_device.h"

NTSTATUS CreateNamedDevice(PDRIVER_OBJECT driver, ULONG extensionSize, PUNICODE_STRING name, PUNICODE_STRING link,
                           PDEVICE_OBJECT* device) {
    PDEVICE_OBJECT created = nullptr;
    NTSTATUS status = IoCreateDevice(driver, extensionSize, name, FILE_DEVICE_UNKNOWN, 0, FALSE, &created);
    if (!NT_SUCCESS(status)) return status;
    status = IoCreateSymbolicLink(link, name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(created);
        return status;
    }
    RtlZeroMemory(created->DeviceExtension, extensionSize);
    created->Flags = DO_BUFFERED_IO;
    *device = created;
    return STATUS_SUCCESS;
}

void DeleteNamedDevice(PDEVICE_OBJECT device, PUNICODE_STRING link) {
    IoDeleteSymbolicLink(link);
    IoDeleteDevice(device);
}

void DispatchAllTo(PDRIVER_OBJECT driver, PDRIVER_DISPATCH routine) {
    for (int major = 0; major <= IRP_MJ_MAXIMUM_FUNCTION; ++major) driver->MajorFunction[major] = routine;
}
