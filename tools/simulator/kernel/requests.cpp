// Single requests that the bench sends down a receiver's stack and waits for, and the ledger
// of every request it sends: each one must come back completed exactly once.
#include "tools/simulator/kernel/bench.h"

#include <usbioctl.h>

namespace bench {
namespace {

volatile LONG Sent;
volatile LONG Completed;
volatile LONG CompletedTwice;
volatile LONG StatusMismatches;
volatile LONG TransfersLost;
volatile LONG Sequence;

NTSTATUS NTAPI SentComplete(PDEVICE_OBJECT, PIRP irp, PVOID context) {
    auto* request = static_cast<SentRequest*>(context);
    CountCompletion(InterlockedIncrement(&request->Completions));
    request->PendingReturned = irp->PendingReturned;
    KeSetEvent(&request->Done, IO_NO_INCREMENT, FALSE);
    // The request is the bench's own: it is freed by the sender, not completed further.
    return STATUS_MORE_PROCESSING_REQUIRED;
}

void FillProbe(PIRP irp, ULONG probe, _URB_CONTROL_TRANSFER* urb) {
    PIO_STACK_LOCATION next = IoGetNextIrpStackLocation(irp);
    switch (probe) {
    case BENCH_PROBE_CREATE: next->MajorFunction = IRP_MJ_CREATE; break;
    case BENCH_PROBE_CLOSE: next->MajorFunction = IRP_MJ_CLOSE; break;
    case BENCH_PROBE_READ:
        next->MajorFunction = IRP_MJ_READ;
        next->Parameters.Read.Length = 0;
        break;
    case BENCH_PROBE_DEVICE_CONTROL:
        next->MajorFunction = IRP_MJ_DEVICE_CONTROL;
        next->Parameters.DeviceIoControl.IoControlCode = IOCTL_GET_RF_DATA;
        break;
    case BENCH_PROBE_INTERNAL_CONTROL:
        next->MajorFunction = IRP_MJ_INTERNAL_DEVICE_CONTROL;
        next->Parameters.DeviceIoControl.IoControlCode = IOCTL_INTERNAL_USB_GET_PORT_STATUS;
        break;
    case BENCH_PROBE_SUBMIT_URB:
        next->MajorFunction = IRP_MJ_INTERNAL_DEVICE_CONTROL;
        next->Parameters.DeviceIoControl.IoControlCode = IOCTL_INTERNAL_USB_SUBMIT_URB;
        next->Parameters.Others.Argument1 = urb;
        break;
    case BENCH_PROBE_POWER:
        next->MajorFunction = IRP_MJ_POWER;
        next->MinorFunction = IRP_MN_QUERY_POWER;
        next->Parameters.Power.Type = DevicePowerState;
        next->Parameters.Power.State.DeviceState = PowerDeviceD0;
        break;
    case BENCH_PROBE_PNP:
        next->MajorFunction = IRP_MJ_PNP;
        next->MinorFunction = IRP_MN_QUERY_PNP_DEVICE_STATE;
        irp->IoStatus.Status = STATUS_NOT_SUPPORTED;
        break;
    }
}

}  // namespace

void CountSent() { InterlockedIncrement(&Sent); }

void CountCompletion(LONG completionsOfThisRequest) {
    if (completionsOfThisRequest == 1) {
        InterlockedIncrement(&Completed);
    } else {
        InterlockedIncrement(&CompletedTwice);
    }
}

void CountStatusMismatch() { InterlockedIncrement(&StatusMismatches); }
void CountLostTransfer() { InterlockedIncrement(&TransfersLost); }
LONG NextSequence() { return InterlockedIncrement(&Sequence); }

void FillStats(BENCH_STATS* out) {
    out->IrpsSent = Sent;
    out->IrpsCompleted = Completed;
    out->IrpsCompletedTwice = CompletedTwice;
    out->StatusMismatches = StatusMismatches;
    out->TransfersLost = TransfersLost;
    out->HidRecordsDropped = HidRecordsDropped();
    out->ReceiversPlugged = PluggedCount();
    FillAllocationStats(out);
    ULONG pending = 0;
    for (ULONG n = 1; n <= BENCH_MAX_RECEIVERS; ++n) {
        Receiver* receiver = ReceiverByNumber(n);
        KIRQL irql;
        KeAcquireSpinLock(&Lock, &irql);
        for (PLIST_ENTRY e = receiver->Pending.Flink; e != &receiver->Pending; e = e->Flink) ++pending;
        KeReleaseSpinLock(&Lock, irql);
    }
    out->TransfersPending = pending;
}

PIRP AllocateRequest(PDEVICE_OBJECT top) { return IoAllocateIrp(top->StackSize, FALSE); }

void Send(PDEVICE_OBJECT top, PIRP irp, SentRequest* request) {
    request->Irp = irp;
    KeInitializeEvent(&request->Done, NotificationEvent, FALSE);
    request->Completions = 0;
    request->PendingReturned = FALSE;
    IoSetCompletionRoutine(irp, SentComplete, request, TRUE, TRUE, TRUE);
    CountSent();
    UCHAR major = IoGetNextIrpStackLocation(irp)->MajorFunction;
    request->Returned = major == IRP_MJ_POWER ? PoCallDriver(top, irp) : IoCallDriver(top, irp);
}

bool CameBack(SentRequest* request) { return KeReadStateEvent(&request->Done) != 0; }

NTSTATUS Finish(SentRequest* request, ULONG_PTR* information) {
    KeWaitForSingleObject(&request->Done, Executive, KernelMode, FALSE, nullptr);
    PIRP irp = request->Irp;
    NTSTATUS status = irp->IoStatus.Status;
    if (information) *information = irp->IoStatus.Information;
    // A request comes back marked pending exactly when its dispatch said STATUS_PENDING; a
    // status that disagrees with the completed one, or a pending mark on a request answered at
    // once, would make a real caller finish the request twice or wait for nothing.
    bool saidPending = request->Returned == STATUS_PENDING;
    if (saidPending != (request->PendingReturned != FALSE) || (!saidPending && request->Returned != status)) {
        CountStatusMismatch();
    }
    IoFreeIrp(irp);
    return status;
}

NTSTATUS SendAndWait(PDEVICE_OBJECT top, PIRP irp, ULONG_PTR* information) {
    SentRequest request = {};
    Send(top, irp, &request);
    return Finish(&request, information);
}

NTSTATUS SendPnp(PDEVICE_OBJECT top, UCHAR minor) {
    PIRP irp = AllocateRequest(top);
    if (!irp) return STATUS_INSUFFICIENT_RESOURCES;
    irp->IoStatus.Status = STATUS_NOT_SUPPORTED;  // what a Plug and Play request starts with
    PIO_STACK_LOCATION next = IoGetNextIrpStackLocation(irp);
    next->MajorFunction = IRP_MJ_PNP;
    next->MinorFunction = minor;
    return SendAndWait(top, irp, nullptr);
}

BENCH_PROBE_RESULT SendProbe(PDEVICE_OBJECT top, ULONG probe) {
    BENCH_PROBE_RESULT result = {STATUS_INSUFFICIENT_RESOURCES, 0};
    PIRP irp = AllocateRequest(top);
    if (!irp) return result;
    // A URB that the physical device answers at once, so a probe never stays pending.
    _URB_CONTROL_TRANSFER urb = {};
    urb.Hdr.Length = sizeof urb;
    urb.Hdr.Function = URB_FUNCTION_CONTROL_TRANSFER;
    FillProbe(irp, probe, &urb);
    ULONG_PTR information = 0;
    result.Status = SendAndWait(top, irp, &information);
    result.Information = static_cast<uint32_t>(information);
    return result;
}

bool StartThread(PKSTART_ROUTINE routine, PVOID context) {
    HANDLE thread;
    if (!NT_SUCCESS(PsCreateSystemThread(&thread, THREAD_ALL_ACCESS, nullptr, nullptr, nullptr, routine, context))) {
        return false;
    }
    ZwClose(thread);
    return true;
}

void SleepMilliseconds(LONG ms) {
    LARGE_INTEGER interval;
    interval.QuadPart = -10000LL * ms;
    KeDelayExecutionThread(KernelMode, FALSE, &interval);
}

}  // namespace bench
