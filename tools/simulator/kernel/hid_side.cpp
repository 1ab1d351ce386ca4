// The HID driver's side of the bench: it keeps interrupt transfers in flight through the
// filter, takes each report as it comes back up (after the filter saw it) and keeps it for
// user mode, and sends the one-off transfers that test how the filter leaves other URBs alone.
#include "tools/simulator/kernel/bench.h"

#include <usbioctl.h>

namespace bench {
namespace {

// Reports as the HID driver received them, oldest first; guarded by the bench lock.
BENCH_HID_RECORD HidQueue[BENCH_HID_QUEUE_LENGTH];
ULONG HidHead;
ULONG HidCount;
volatile LONG HidDropped;

void RecordHid(ULONG receiver, UCHAR kind, NTSTATUS status, const UCHAR* bytes, ULONG length) {
    if (length > BENCH_MAX_REPORT) length = BENCH_MAX_REPORT;
    KIRQL irql;
    KeAcquireSpinLock(&Lock, &irql);
    if (HidCount == BENCH_HID_QUEUE_LENGTH) {
        KeReleaseSpinLock(&Lock, irql);
        InterlockedIncrement(&HidDropped);
        return;
    }
    BENCH_HID_RECORD& record = HidQueue[(HidHead + HidCount) % BENCH_HID_QUEUE_LENGTH];
    ++HidCount;
    record = {};
    record.Receiver = static_cast<uint8_t>(receiver);
    record.Kind = kind;
    record.Length = static_cast<uint8_t>(length);
    record.Status = status;
    if (bytes) RtlCopyMemory(record.Bytes, bytes, length);
    KeReleaseSpinLock(&Lock, irql);
}

void Submit(Transfer* transfer);

NTSTATUS NTAPI TransferComplete(PDEVICE_OBJECT, PIRP irp, PVOID context) {
    auto* transfer = static_cast<Transfer*>(context);
    LONG completions = InterlockedIncrement(&transfer->Completions);
    CountCompletion(completions);
    if (completions != 1) return STATUS_MORE_PROCESSING_REQUIRED;

    NTSTATUS status = irp->IoStatus.Status;
    if (NT_SUCCESS(status) || transfer->Urb.TransferBufferLength > 0) {
        RecordHid(transfer->Owner->Number, BENCH_INTERRUPT_TRANSFER, status, transfer->Buffer,
                  transfer->Urb.TransferBufferLength);
    }
    if (transfer->Owner->Resubmit && NT_SUCCESS(status)) {
        Submit(transfer);
    } else {
        InterlockedExchange(&transfer->InFlight, 0);
    }
    return STATUS_MORE_PROCESSING_REQUIRED;
}

void Submit(Transfer* transfer) {
    PIRP irp = transfer->Irp;
    IoReuseIrp(irp, STATUS_NOT_SUPPORTED);
    transfer->Completions = 0;
    RtlZeroMemory(&transfer->Urb, sizeof transfer->Urb);
    RtlZeroMemory(transfer->Buffer, sizeof transfer->Buffer);
    transfer->Urb.Hdr.Length = sizeof transfer->Urb;
    transfer->Urb.Hdr.Function = URB_FUNCTION_BULK_OR_INTERRUPT_TRANSFER;
    transfer->Urb.TransferFlags = USBD_TRANSFER_DIRECTION_IN | USBD_SHORT_TRANSFER_OK;
    transfer->Urb.TransferBufferLength = BENCH_MAX_REPORT;
    transfer->Urb.TransferBuffer = transfer->Buffer;

    PIO_STACK_LOCATION next = IoGetNextIrpStackLocation(irp);
    next->MajorFunction = IRP_MJ_INTERNAL_DEVICE_CONTROL;
    next->Parameters.DeviceIoControl.IoControlCode = IOCTL_INTERNAL_USB_SUBMIT_URB;
    next->Parameters.Others.Argument1 = &transfer->Urb;
    IoSetCompletionRoutine(irp, TransferComplete, transfer, TRUE, TRUE, TRUE);
    InterlockedExchange(&transfer->InFlight, 1);
    CountSent();
    IoCallDriver(transfer->Owner->Top, irp);
}

// A transfer of another kind, sent once and waited for.
bool FeedOneOff(Receiver* receiver, const BENCH_REPORT& report) {
    PIRP irp = AllocateRequest(receiver->Top);
    if (!irp) return false;
    UCHAR buffer[BENCH_MAX_REPORT];
    RtlCopyMemory(buffer, report.Bytes, report.Length);
    // Both layouts begin alike up to the buffer fields, which is all the filter may look at.
    _URB_CONTROL_TRANSFER urb = {};
    urb.Hdr.Length = sizeof urb;
    urb.Hdr.Function = report.Kind == BENCH_CONTROL_TRANSFER ? URB_FUNCTION_CONTROL_TRANSFER
                                                             : URB_FUNCTION_BULK_OR_INTERRUPT_TRANSFER;
    urb.TransferFlags = report.Kind == BENCH_OUTPUT_TRANSFER ? USBD_TRANSFER_DIRECTION_OUT
                                                             : USBD_TRANSFER_DIRECTION_IN | USBD_SHORT_TRANSFER_OK;
    urb.TransferBufferLength = report.Length;
    urb.TransferBuffer = report.Kind == BENCH_NULL_BUFFER_TRANSFER ? nullptr : buffer;
    PIO_STACK_LOCATION next = IoGetNextIrpStackLocation(irp);
    next->MajorFunction = IRP_MJ_INTERNAL_DEVICE_CONTROL;
    next->Parameters.DeviceIoControl.IoControlCode = IOCTL_INTERNAL_USB_SUBMIT_URB;
    next->Parameters.Others.Argument1 = &urb;
    NTSTATUS status = SendAndWait(receiver->Top, irp, nullptr);
    RecordHid(receiver->Number, report.Kind, status, urb.TransferBuffer ? buffer : nullptr,
              urb.TransferBuffer ? report.Length : 0);
    return true;
}

bool FeedInterrupt(Receiver* receiver, const BENCH_REPORT& report) {
    PIRP irp = TakePendingTransfer(receiver);
    if (!irp) return false;
    if (report.Kind == BENCH_FAILED_TRANSFER) {
        CompleteTransfer(irp, STATUS_UNSUCCESSFUL, USBD_STATUS_STALL_PID, report.Bytes, report.Length);
    } else {
        CompleteTransfer(irp, STATUS_SUCCESS, USBD_STATUS_SUCCESS, report.Bytes, report.Length);
    }
    return true;
}

}  // namespace

void SubmitTransfers(Receiver* receiver) {
    receiver->Resubmit = 1;
    for (Transfer& transfer : receiver->Transfers) {
        transfer.Owner = receiver;
        if (!transfer.Irp) transfer.Irp = IoAllocateIrp(receiver->Top->StackSize, FALSE);
        if (transfer.Irp) Submit(&transfer);
    }
}

ULONG TransfersInFlight(const Receiver* receiver) {
    ULONG n = 0;
    for (const Transfer& transfer : receiver->Transfers) n += transfer.InFlight ? 1 : 0;
    return n;
}

void FreeTransfers(Receiver* receiver) {
    for (Transfer& transfer : receiver->Transfers) {
        if (!transfer.Irp) continue;
        if (transfer.InFlight) {
            // Never came back: the request is left to whoever holds it rather than freed under it.
            CountLostTransfer();
        } else {
            IoFreeIrp(transfer.Irp);
        }
        transfer.Irp = nullptr;
        transfer.InFlight = 0;
    }
}

NTSTATUS Feed(const BENCH_REPORT* reports, ULONG count, BENCH_FEED_RESULT* out) {
    out->Delivered = 0;
    for (ULONG i = 0; i < count; ++i) {
        const BENCH_REPORT& report = reports[i];
        Receiver* receiver = ReceiverByNumber(report.Receiver);
        if (!receiver || report.Length == 0 || report.Length > BENCH_MAX_REPORT) return STATUS_INVALID_PARAMETER;
        const bool in_flight = report.Kind == BENCH_INTERRUPT_TRANSFER || report.Kind == BENCH_FAILED_TRANSFER;
        bool delivered = receiver->Plugged && (in_flight ? FeedInterrupt(receiver, report) : FeedOneOff(receiver, report));
        if (!delivered) break;
        ++out->Delivered;
    }
    return STATUS_SUCCESS;
}

ULONG TakeHidRecords(BENCH_HID_RECORD* out, ULONG capacity) {
    KIRQL irql;
    KeAcquireSpinLock(&Lock, &irql);
    ULONG n = capacity < HidCount ? capacity : HidCount;
    for (ULONG i = 0; i < n; ++i) out[i] = HidQueue[(HidHead + i) % BENCH_HID_QUEUE_LENGTH];
    HidHead = (HidHead + n) % BENCH_HID_QUEUE_LENGTH;
    HidCount -= n;
    KeReleaseSpinLock(&Lock, irql);
    return n;
}

ULONG HidRecordsDropped() { return HidDropped; }

}  // namespace bench
