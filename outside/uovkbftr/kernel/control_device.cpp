// "\\.\UOVKBFTR": reads that wait for a hot-key code. One read may pend at a time; it ends when
// its handle goes.
#include "kernelsupport/kernel/complete_request.h"
#include "kernelsupport/kernel/parked_read.h"
#include "outside/uovkbftr/kernel/keyboard_filter.h"

namespace {

// One record in the read's buffer, cut to the read's length; runs with the lock held, and the
// caller completes the read.
void FillWithRecord(KEYBOARD_FILTER_RECORD* record, PIRP irp, UCHAR code) {
    ULONG length = IoGetCurrentIrpStackLocation(irp)->Parameters.Read.Length;
    if (length > KEYBOARD_FILTER_RECORD_SIZE) length = KEYBOARD_FILTER_RECORD_SIZE;
    UCHAR* buffer = static_cast<UCHAR*>(irp->AssociatedIrp.SystemBuffer);
    RtlZeroMemory(buffer, length);
    buffer[0] = code;
    irp->IoStatus.Status = STATUS_SUCCESS;
    irp->IoStatus.Information = length;
    ++record->ReadsCompleted;
}

VOID NTAPI CancelRead(PDEVICE_OBJECT device, PIRP irp) {
    auto* record = static_cast<KEYBOARD_FILTER_RECORD*>(device->DeviceExtension);
    EndCancelledRead(&record->PendingRead, &record->Lock, irp);
}

NTSTATUS Read(KEYBOARD_FILTER_RECORD* record, PIRP irp) {
    return ServeRead(&record->PendingRead, &record->Lock, irp, CancelRead, [record](PIRP read) {
        if (record->WaitingCount == 0) return false;
        const UCHAR code = record->Waiting[record->WaitingFirst];
        record->WaitingFirst = (record->WaitingFirst + 1) % UOV_WAITING_LIMIT;
        --record->WaitingCount;
        FillWithRecord(record, read, code);
        return true;
    });
}

}  // namespace

bool NoteCode(KEYBOARD_FILTER_RECORD* record, UCHAR code) {
    KIRQL irql;
    KeAcquireSpinLock(&record->Lock, &irql);
    PIRP read = TakeParkedRead(&record->PendingRead);
    bool kept = true;
    if (read != nullptr) {
        FillWithRecord(record, read, code);
    } else if (record->WaitingCount < UOV_WAITING_LIMIT) {
        record->Waiting[(record->WaitingFirst + record->WaitingCount) % UOV_WAITING_LIMIT] = code;
        ++record->WaitingCount;
    } else {
        kept = false;
    }
    KeReleaseSpinLock(&record->Lock, irql);
    if (read != nullptr) IoCompleteRequest(read, IO_NO_INCREMENT);
    return kept;
}

ULONG ReadsCompleted(KEYBOARD_FILTER_RECORD* record) {
    KIRQL irql;
    KeAcquireSpinLock(&record->Lock, &irql);
    const ULONG count = record->ReadsCompleted;
    KeReleaseSpinLock(&record->Lock, irql);
    return count;
}

NTSTATUS ServeKeyboardFilter(KEYBOARD_FILTER_RECORD* record, PIRP irp) {
    switch (IoGetCurrentIrpStackLocation(irp)->MajorFunction) {
    case IRP_MJ_READ:
        return Read(record, irp);
    case IRP_MJ_DEVICE_CONTROL:
        return ExtraControl(record, irp);
    default:
        return ServeOtherRequest(&record->PendingRead, &record->Lock, irp);
    }
}
