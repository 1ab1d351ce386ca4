// A minimal kernel driver that proves the Wine test harness can build, start, reach and stop a
// driver: a control device "\\.\KBPROBE" whose one control code answers the input bytes
// reversed, so a test can tell a real round trip from a stub.
#include <ddk/wdm.h>

#include "kernelsupport/kernel/complete_request.h"
#include "kernelsupport/kernel/named_device.h"

namespace {

constexpr ULONG IOCTL_PROBE_REVERSE = CTL_CODE(FILE_DEVICE_UNKNOWN, 0x900, METHOD_BUFFERED, FILE_ANY_ACCESS);

UNICODE_STRING DeviceName = RTL_CONSTANT_STRING(L"\\Device\\KBPROBE");
UNICODE_STRING LinkName = RTL_CONSTANT_STRING(L"\\DosDevices\\KBPROBE");

NTSTATUS NTAPI DispatchCreateClose(PDEVICE_OBJECT, PIRP irp) { return CompleteRequest(irp, STATUS_SUCCESS); }

NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->Parameters.DeviceIoControl.IoControlCode != IOCTL_PROBE_REVERSE) {
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
    ULONG in = stack->Parameters.DeviceIoControl.InputBufferLength;
    ULONG out = stack->Parameters.DeviceIoControl.OutputBufferLength;
    ULONG n = in < out ? in : out;
    UCHAR* buffer = static_cast<UCHAR*>(irp->AssociatedIrp.SystemBuffer);
    for (ULONG i = 0; i < n / 2; ++i) {
        UCHAR t = buffer[i];
        buffer[i] = buffer[n - 1 - i];
        buffer[n - 1 - i] = t;
    }
    return CompleteRequest(irp, STATUS_SUCCESS, n);
}

VOID NTAPI DriverUnload(PDRIVER_OBJECT driver) { DeleteNamedDevice(driver->DeviceObject, &LinkName); }

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    PDEVICE_OBJECT device = nullptr;
    const NTSTATUS status = CreateNamedDevice(driver, 0, &DeviceName, &LinkName, &device);
    if (!NT_SUCCESS(status)) return status;
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreateClose;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchCreateClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
