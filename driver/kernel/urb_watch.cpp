// Internal requests to a filter device. Of these only the URB submission is watched: on its
// way back up, the report of a successful input transfer is decoded and, while a reader
// listens, blanked.
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/filter_device_record.h"
#include "driver/kernel/report_intercept.h"

#include <usb.h>
#include <usbioctl.h>

namespace {

// Only a transfer that brought a report in from the receiver holds one. A transfer the USB stack
// failed or cancelled (a stall, the receiver pulled out half way) leaves whatever its buffer
// held before, and an output transfer carries what the host sent.
PUCHAR ReportOf(PIRP irp, PURB urb) {
    if (!NT_SUCCESS(irp->IoStatus.Status) || urb == nullptr ||
        urb->UrbHeader.Function != URB_FUNCTION_BULK_OR_INTERRUPT_TRANSFER || !USBD_SUCCESS(urb->UrbHeader.Status))
        return nullptr;
    const _URB_BULK_OR_INTERRUPT_TRANSFER& transfer = urb->UrbBulkOrInterruptTransfer;
    if ((transfer.TransferFlags & USBD_TRANSFER_DIRECTION_IN) == 0) return nullptr;
    return static_cast<PUCHAR>(transfer.TransferBuffer);
}

NTSTATUS NTAPI Filter_URB_Complete(PDEVICE_OBJECT, PIRP irp, PVOID context) {
    if (irp->PendingReturned) IoMarkIrpPending(irp);
    auto* urb = static_cast<PURB>(IoGetCurrentIrpStackLocation(irp)->Parameters.Others.Argument1);
    if (PUCHAR report = ReportOf(irp, urb)) {
        Filter_InterceptReport(ControlRecord(), report, urb->UrbBulkOrInterruptTransfer.TransferBufferLength);
    }
    // The transfer has left the driver: from here on the device may be deleted.
    ReleaseIo(static_cast<PDEVICE_EXTENSION>(context));
    return STATUS_SUCCESS;
}

}  // namespace

NTSTATUS NTAPI DispatchInternal(PDEVICE_OBJECT device, PIRP irp) {
    if (IsControlDevice(device)) return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    if (IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl.IoControlCode != IOCTL_INTERNAL_USB_SUBMIT_URB) {
        return PassDown(FilterRecord(device), irp);
    }
    return SendDownWatched(FilterRecord(device), irp, Filter_URB_Complete);
}
