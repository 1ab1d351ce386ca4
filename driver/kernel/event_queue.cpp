#include "driver/kernel/event_queue.h"

#include "driver/decode/event_pairing.h"
#include "kernelsupport/kernel/parked_read.h"

namespace {

// The bytes "Wdm " as the pool shows them.
constexpr ULONG EVENT_POOL_TAG = 0x206d6457;

PEVENT_ENTRY EntryOf(EventLink* link) { return CONTAINING_RECORD(link, EVENT_ENTRY, Link); }

// Frees the entries of a queue nobody else can reach any more.
void FreeEntries(EventFifo& entries) {
    while (EventLink* entry = EventFifoPop(entries)) ExFreePool(EntryOf(entry));
}

BOOLEAN QueueEvent(PFILTER_EXTENSION controlRecord, UCHAR code, const UCHAR* newAuxByte) {
    // Memory is taken only while a reader may take the event; whether one does is decided
    // again under the lock.
    PEVENT_ENTRY entry = controlRecord->ReaderOpen ? static_cast<PEVENT_ENTRY>(ExAllocatePoolWithTag(
                                                         NonPagedPool, sizeof(EVENT_ENTRY), EVENT_POOL_TAG))
                                                   : nullptr;
    EventLink* dropped = nullptr;
    bool queued = false;

    // The queue changes under ReadLock as well as EventLock, so a read that found the queue
    // empty and parks itself can't miss an event queued in between.
    KIRQL irql, inner;
    KeAcquireSpinLock(&controlRecord->ReadLock, &irql);
    KeAcquireSpinLock(&controlRecord->EventLock, &inner);
    const EVENT_RECORD record = PairEvent(controlRecord->EventCode, controlRecord->AuxByte, code, newAuxByte);
    if (entry != nullptr && controlRecord->ReaderCount > 0) {
        entry->Length = sizeof record;
        entry->Data[0] = record.Code;
        entry->Data[1] = record.AuxByte;
        dropped = EventFifoPush(controlRecord->EventQueue, &entry->Link);
        queued = true;
    }
    KeReleaseSpinLock(&controlRecord->EventLock, inner);

    PIRP read = queued ? TakeParkedRead(&controlRecord->PendingRead) : nullptr;
    if (read != nullptr) Filter_ReadEvent(controlRecord, read);
    KeReleaseSpinLock(&controlRecord->ReadLock, irql);

    if (read != nullptr) IoCompleteRequest(read, IO_NO_INCREMENT);
    if (dropped != nullptr) ExFreePool(EntryOf(dropped));
    if (entry != nullptr && !queued) ExFreePool(entry);
    return queued;
}

}  // namespace

BOOLEAN Filter_WriteEvent(PFILTER_EXTENSION controlRecord, UCHAR code) { return QueueEvent(controlRecord, code, nullptr); }

BOOLEAN Filter_WriteEventWithAux(PFILTER_EXTENSION controlRecord, UCHAR code, UCHAR auxByte) {
    return QueueEvent(controlRecord, code, &auxByte);
}

void Filter_SetAuxByte(PFILTER_EXTENSION controlRecord, UCHAR auxByte) {
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->EventLock, &irql);
    controlRecord->AuxByte = auxByte;
    KeReleaseSpinLock(&controlRecord->EventLock, irql);
}

// The control device owns its file objects' FsContext (no file system stands behind it): the
// record's address there marks a reader's handle.
void Filter_BecomeReader(PFILTER_EXTENSION controlRecord, PFILE_OBJECT file) {
    if (file == nullptr) return;
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->EventLock, &irql);
    if (file->FsContext != controlRecord) {
        file->FsContext = controlRecord;
        ++controlRecord->ReaderCount;
        controlRecord->ReaderOpen = 1;
    }
    KeReleaseSpinLock(&controlRecord->EventLock, irql);
}

void Filter_ReaderGone(PFILTER_EXTENSION controlRecord, PFILE_OBJECT file) {
    if (file == nullptr) return;
    EventFifo stale = {};
    EventFifoInit(stale);
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->EventLock, &irql);
    if (file->FsContext == controlRecord) {
        file->FsContext = nullptr;
        if (--controlRecord->ReaderCount == 0) {
            controlRecord->ReaderOpen = 0;
            EventFifoTakeAll(controlRecord->EventQueue, stale);
        }
    }
    KeReleaseSpinLock(&controlRecord->EventLock, irql);
    FreeEntries(stale);
}

BOOLEAN Filter_ReadEvent(PFILTER_EXTENSION controlRecord, PIRP irp) {
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->EventLock, &irql);
    EventLink* oldest = EventFifoPop(controlRecord->EventQueue);
    KeReleaseSpinLock(&controlRecord->EventLock, irql);
    if (oldest == nullptr) return FALSE;

    PEVENT_ENTRY entry = EntryOf(oldest);
    const ULONG requested = IoGetCurrentIrpStackLocation(irp)->Parameters.Read.Length;
    const ULONG bytes = requested < entry->Length ? requested : entry->Length;
    RtlCopyMemory(irp->AssociatedIrp.SystemBuffer, entry->Data, bytes);
    ExFreePool(entry);
    irp->IoStatus.Status = STATUS_SUCCESS;
    irp->IoStatus.Information = bytes;
    return TRUE;
}

VOID NTAPI Filter_CancelIrp(PDEVICE_OBJECT device, PIRP irp) {
    PFILTER_EXTENSION controlRecord = static_cast<PFILTER_EXTENSION>(device->DeviceExtension);
    EndCancelledRead(&controlRecord->PendingRead, &controlRecord->ReadLock, irp);
}

void Filter_FreeEvents(PFILTER_EXTENSION controlRecord) {
    EventFifo left = {};
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->EventLock, &irql);
    EventFifoTakeAll(controlRecord->EventQueue, left);
    KeReleaseSpinLock(&controlRecord->EventLock, irql);
    FreeEntries(left);
}
