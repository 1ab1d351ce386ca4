// "\\.\LVXNFLTR": the lock byte and the key-disable flags kept as sent, and 1-byte reads that
// wait for keyboard activity. One read may pend at a time; it ends when its handle goes.
#include "kernelsupport/kernel/complete_request.h"
#include "kernelsupport/kernel/parked_read.h"
#include "outside/lvxnftr/kernel/companion.h"

namespace {

// The one byte of an activity record, in the read's buffer; the caller completes the read.
void FillWithRecord(PIRP irp) {
    *static_cast<UCHAR*>(irp->AssociatedIrp.SystemBuffer) = LVX_ACTIVITY_RECORD;
    irp->IoStatus.Status = STATUS_SUCCESS;
    irp->IoStatus.Information = 1;
}

VOID NTAPI CancelRead(PDEVICE_OBJECT device, PIRP irp) {
    auto* control = static_cast<COMPANION_CONTROL_RECORD*>(device->DeviceExtension);
    EndCancelledRead(&control->PendingRead, &control->Lock, irp);
}

NTSTATUS Read(COMPANION_CONTROL_RECORD* control, PIRP irp) {
    return ServeRead(&control->PendingRead, &control->Lock, irp, CancelRead, [control](PIRP read) {
        if (control->ActivityWaiting == 0) return false;
        --control->ActivityWaiting;
        FillWithRecord(read);
        return true;
    });
}

NTSTATUS Control(COMPANION_CONTROL_RECORD* control, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const ULONG input = stack->Parameters.DeviceIoControl.InputBufferLength;
    const UCHAR* buffer = static_cast<const UCHAR*>(irp->AssociatedIrp.SystemBuffer);
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_SET_LOCK:
        if (input < 1) return CompleteRequest(irp, STATUS_INVALID_PARAMETER);
        control->LockByte = buffer[0];
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IOCTL_DISABLE_KEYS:
        if (input < sizeof(DISABLE_KEYS_INPUT)) return CompleteRequest(irp, STATUS_INVALID_PARAMETER);
        RtlCopyMemory(&control->DisabledKeys, buffer, sizeof(DISABLE_KEYS_INPUT));
        return CompleteRequest(irp, STATUS_SUCCESS);
    default:
        return ExtraControl(control, irp);
    }
}

}  // namespace

void NoteActivity(COMPANION_CONTROL_RECORD* control) {
    KIRQL irql;
    KeAcquireSpinLock(&control->Lock, &irql);
    PIRP read = TakeParkedRead(&control->PendingRead);
    if (read == nullptr && control->ActivityWaiting < LVX_ACTIVITY_LIMIT) ++control->ActivityWaiting;
    KeReleaseSpinLock(&control->Lock, irql);
    if (read != nullptr) {
        FillWithRecord(read);
        IoCompleteRequest(read, IO_NO_INCREMENT);
    }
}

NTSTATUS ServeControlDevice(PIRP irp) {
    COMPANION_CONTROL_RECORD* control = ControlRecord();
    switch (IoGetCurrentIrpStackLocation(irp)->MajorFunction) {
    case IRP_MJ_READ:
        return Read(control, irp);
    case IRP_MJ_DEVICE_CONTROL:
        return Control(control, irp);
    default:
        return ServeOtherRequest(&control->PendingRead, &control->Lock, irp);
    }
}
