// Power requests and internal requests to a filter device. Power goes straight down (through
// PoCallDriver); of the internal requests only the URB submission is watched, on its way back
// up.
#include "driver/kernel/attach.h"
#include "driver/kernel/complete_request.h"
#include "driver/kernel/debug_checks.h"
#include "driver/kernel/filter_extension.h"
#include "driver/kernel/io_count.h"
#include "driver/kernel/pass_down.h"
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
            Filter_InterceptReport(ControlExtension(), static_cast<PUCHAR>(transfer.TransferBuffer),
                                   transfer.TransferBufferLength);
        }
    }
    // The transfer has left the driver: from here on the device may be deleted.
    ReleaseIo(static_cast<PDEVICE_EXTENSION>(context));
    return STATUS_SUCCESS;
}

}  // namespace

NTSTATUS NTAPI DispatchPower(PDEVICE_OBJECT device, PIRP irp) {
    PoStartNextPowerIrp(irp);
    if (IsControlDevice(device)) return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    return PassDown(device, irp);
}

NTSTATUS NTAPI DispatchInternal(PDEVICE_OBJECT device, PIRP irp) {
    if (IsControlDevice(device)) return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    if (IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl.IoControlCode != IOCTL_INTERNAL_USB_SUBMIT_URB) {
        return PassDown(device, irp);
    }
    PDEVICE_EXTENSION hidData = FilterDeviceRecord(device);
    AcquireIo(hidData);
    if (hidData->Removed) {
        // A transfer sent down now could outlive the device that its completion routine uses.
        const NTSTATUS status = CompleteRequest(irp, STATUS_DELETE_PENDING);
        ReleaseIo(hidData);
        return status;
    }
    IoCopyCurrentIrpStackLocationToNext(irp);
    KB_SET_COMPLETION(irp, Filter_URB_Complete, hidData);
    // Counted out by Filter_URB_Complete, not here.
    return IoCallDriver(hidData->TopOfStack, irp);
}
