// The filter devices: everything goes down the keyboard interface's stack untouched; interrupt
// transfers are watched on their way back up, each one with data a keyboard activity.
#include "kernelsupport/kernel/filter_device.h"
#include "outside/lvxnftr/kernel/companion.h"

#include <usb.h>
#include <usbioctl.h>

namespace {

// A pass-through filter takes the I/O method of the device below (CreateFilterDevice takes its
// power paging), so that the driver above meets the stack as it would without the filter.
constexpr ULONG FLAGS_FROM_BELOW = DO_BUFFERED_IO | DO_DIRECT_IO;

NTSTATUS NTAPI TransferComplete(PDEVICE_OBJECT, PIRP irp, PVOID context) {
    if (irp->PendingReturned) IoMarkIrpPending(irp);
    auto* urb = static_cast<PURB>(IoGetCurrentIrpStackLocation(irp)->Parameters.Others.Argument1);
    if (NT_SUCCESS(irp->IoStatus.Status) && urb != nullptr &&
        urb->UrbHeader.Function == URB_FUNCTION_BULK_OR_INTERRUPT_TRANSFER &&
        urb->UrbBulkOrInterruptTransfer.TransferBufferLength > 0) {
        NoteActivity(ControlRecord());
    }
    ReleaseIo(static_cast<COMPANION_FILTER_RECORD*>(context));
    return STATUS_SUCCESS;
}

}  // namespace

NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT driver, PDEVICE_OBJECT physical) {
    COMPANION_FILTER_RECORD* filter = nullptr;
    const NTSTATUS status = CreateFilterDevice(driver, physical, 0, &filter);
    if (!NT_SUCCESS(status)) return status;
    filter->Self->Flags |= filter->TopOfStack->Flags & FLAGS_FROM_BELOW;
    return STATUS_SUCCESS;
}

NTSTATUS ServeFilterDevice(PDEVICE_OBJECT device, PIRP irp) {
    auto* filter = FilterRecordOf<COMPANION_FILTER_RECORD>(device);
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->MajorFunction) {
    case IRP_MJ_PNP:
        return PassDownPnp(filter, irp);
    case IRP_MJ_POWER:
        return PassDownPower(filter, irp);
    case IRP_MJ_INTERNAL_DEVICE_CONTROL:
        if (stack->Parameters.DeviceIoControl.IoControlCode == IOCTL_INTERNAL_USB_SUBMIT_URB)
            return SendDownWatched(filter, irp, TransferComplete);
        return PassDown(filter, irp);
    default:
        return PassDown(filter, irp);
    }
}
