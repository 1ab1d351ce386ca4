// The bottom of each receiver's stack: the physical device of the hot-key interface. Interrupt
// transfers wait here until a report is fed (or they are cancelled); every other request is
// answered at once, so that a caller can see it reached the bottom.
#include "tools/simulator/kernel/bench.h"

#include <usbioctl.h>

#include "kernelsupport/kernel/complete_request.h"

namespace bench {
namespace {

NTSTATUS Answer(PIRP irp, ULONG probe) { return CompleteRequest(irp, STATUS_SUCCESS, BENCH_PROBE_ANSWER + probe); }

VOID NTAPI CancelPending(PDEVICE_OBJECT, PIRP irp) {
    IoReleaseCancelSpinLock(irp->CancelIrql);
    KIRQL irql;
    KeAcquireSpinLock(&Lock, &irql);
    RemoveEntryList(&irp->Tail.Overlay.ListEntry);
    KeReleaseSpinLock(&Lock, irql);
    CompleteTransfer(irp, STATUS_CANCELLED, USBD_STATUS_CANCELED, nullptr, 0);
}

NTSTATUS QueueTransfer(Receiver* receiver, PIRP irp) {
    KIRQL irql;
    KeAcquireSpinLock(&Lock, &irql);
    if (!receiver->Started || receiver->Gone) {
        KeReleaseSpinLock(&Lock, irql);
        CompleteTransfer(irp, STATUS_DEVICE_NOT_CONNECTED, USBD_STATUS_DEVICE_GONE, nullptr, 0);
        return STATUS_DEVICE_NOT_CONNECTED;
    }
    IoSetCancelRoutine(irp, CancelPending);
    if (irp->Cancel && IoSetCancelRoutine(irp, nullptr)) {
        KeReleaseSpinLock(&Lock, irql);
        CompleteTransfer(irp, STATUS_CANCELLED, USBD_STATUS_CANCELED, nullptr, 0);
        return STATUS_CANCELLED;
    }
    IoMarkIrpPending(irp);
    InsertTailList(&receiver->Pending, &irp->Tail.Overlay.ListEntry);
    KeReleaseSpinLock(&Lock, irql);
    return STATUS_PENDING;
}

NTSTATUS InternalControl(Receiver* receiver, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->Parameters.DeviceIoControl.IoControlCode != IOCTL_INTERNAL_USB_SUBMIT_URB) {
        return Answer(irp, BENCH_PROBE_INTERNAL_CONTROL);
    }
    auto* urb = static_cast<URB*>(stack->Parameters.Others.Argument1);
    const _URB_BULK_OR_INTERRUPT_TRANSFER& transfer = urb->UrbBulkOrInterruptTransfer;
    if (urb->UrbHeader.Function == URB_FUNCTION_BULK_OR_INTERRUPT_TRANSFER && transfer.TransferBuffer &&
        (transfer.TransferFlags & USBD_TRANSFER_DIRECTION_IN)) {
        return QueueTransfer(receiver, irp);
    }
    // Control transfers, transfers without a buffer and output transfers come back as they went
    // down.
    urb->UrbHeader.Status = USBD_STATUS_SUCCESS;
    return Answer(irp, BENCH_PROBE_SUBMIT_URB);
}

VOID NTAPI AnswerStartLater(PVOID context) {
    auto* receiver = static_cast<Receiver*>(context);
    PIRP irp = receiver->StartRequest;
    SleepMilliseconds(20);
    receiver->Started = NT_SUCCESS(receiver->StartStatus);
    CompleteRequest(irp, receiver->StartStatus);
    PsTerminateSystemThread(STATUS_SUCCESS);
}

NTSTATUS Pnp(Receiver* receiver, PIRP irp) {
    switch (IoGetCurrentIrpStackLocation(irp)->MinorFunction) {
    case IRP_MN_START_DEVICE:
        if (receiver->StartLater) {
            IoMarkIrpPending(irp);
            receiver->StartRequest = irp;
            if (!StartThread(AnswerStartLater, receiver)) CompleteRequest(irp, STATUS_INSUFFICIENT_RESOURCES);
            return STATUS_PENDING;
        }
        receiver->Started = NT_SUCCESS(receiver->StartStatus);
        return CompleteRequest(irp, receiver->StartStatus);
    case IRP_MN_SURPRISE_REMOVAL:
        receiver->Gone = true;
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IRP_MN_REMOVE_DEVICE:
        receiver->Gone = true;
        if (receiver->HoldOnRemove) KeSetEvent(&receiver->RemoveSeen, IO_NO_INCREMENT, FALSE);
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IRP_MN_QUERY_PNP_DEVICE_STATE:
        return Answer(irp, BENCH_PROBE_PNP);
    default:
        // A bus driver leaves the status of a request it does not handle as it found it.
        return CompleteRequest(irp, irp->IoStatus.Status, irp->IoStatus.Information);
    }
}

}  // namespace

void CompleteTransfer(PIRP irp, NTSTATUS status, USBD_STATUS usbStatus, const UCHAR* bytes, ULONG length) {
    auto* urb = static_cast<URB*>(IoGetCurrentIrpStackLocation(irp)->Parameters.Others.Argument1);
    _URB_BULK_OR_INTERRUPT_TRANSFER& transfer = urb->UrbBulkOrInterruptTransfer;
    if (length > transfer.TransferBufferLength) length = transfer.TransferBufferLength;
    if (bytes) RtlCopyMemory(transfer.TransferBuffer, bytes, length);
    transfer.TransferBufferLength = length;
    urb->UrbHeader.Status = usbStatus;
    CompleteRequest(irp, status);
}

PIRP TakePendingTransfer(Receiver* receiver) {
    KIRQL irql;
    KeAcquireSpinLock(&Lock, &irql);
    while (!IsListEmpty(&receiver->Pending)) {
        PLIST_ENTRY entry = RemoveHeadList(&receiver->Pending);
        PIRP irp = CONTAINING_RECORD(entry, IRP, Tail.Overlay.ListEntry);
        if (IoSetCancelRoutine(irp, nullptr)) {
            KeReleaseSpinLock(&Lock, irql);
            return irp;
        }
        // Its cancel routine is already on the way and will unlink the entry itself.
        InitializeListHead(entry);
    }
    KeReleaseSpinLock(&Lock, irql);
    return nullptr;
}

NTSTATUS DispatchPhysical(PDEVICE_OBJECT device, PIRP irp) {
    Receiver* receiver = static_cast<PdoExtension*>(device->DeviceExtension)->Owner;
    switch (IoGetCurrentIrpStackLocation(irp)->MajorFunction) {
    case IRP_MJ_INTERNAL_DEVICE_CONTROL: return InternalControl(receiver, irp);
    case IRP_MJ_PNP: return Pnp(receiver, irp);
    case IRP_MJ_POWER:
        PoStartNextPowerIrp(irp);
        return Answer(irp, BENCH_PROBE_POWER);
    case IRP_MJ_CREATE: return Answer(irp, BENCH_PROBE_CREATE);
    case IRP_MJ_CLOSE: return Answer(irp, BENCH_PROBE_CLOSE);
    case IRP_MJ_READ: return Answer(irp, BENCH_PROBE_READ);
    case IRP_MJ_DEVICE_CONTROL: return Answer(irp, BENCH_PROBE_DEVICE_CONTROL);
    default: return CompleteRequest(irp, STATUS_SUCCESS);
    }
}

}  // namespace bench
