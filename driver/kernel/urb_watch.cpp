// Internal requests to a filter device. Of these only the URB submission is watched: on its
// way back up, an interrupt transfer's report is decoded and, while a reader listens, blanked.
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/filter_device_record.h"
#include "driver/kernel/report_intercept.h"

#include <usb.h>
#include <usbioctl.h>

namespace {

NTSTATUS NTAPI Filter_URB_Complete(PDEVICE_OBJECT, PIRP irp, PVOID context) {
    if (irp->PendingReturned) IoMarkIrpPending(irp);
    auto* urb = static_cast<PURB>(IoGetCurrentIrpStackLocation(irp)->Parameters.Others.Argument1);
    if (urb != nullptr && urb->UrbHeader.Function == URB_FUNCTION_BULK_OR_INTERRUPT_TRANSFER) {
        _URB_BULK_OR_INTERRUPT_TRANSFER& transfer = urb->UrbBulkOrInterruptTransfer;
        if (transfer.TransferBuffer != nullptr) {
            Filter_InterceptReport(ControlRecord(), static_cast<PUCHAR>(transfer.TransferBuffer),
                                   transfer.TransferBufferLength);
        }
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
