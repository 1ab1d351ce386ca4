#include "driver/kernel/event_queue.h"

#include "driver/decode/event_pairing.h"
#include "driver/kernel/parked_read.h"

namespace {

// The bytes "Wdm " as the pool shows them.
constexpr ULONG EVENT_POOL_TAG = 0x206d6457;

PEVENT_ENTRY EntryOf(EventLink* link) { return CONTAINING_RECORD(link, EVENT_ENTRY, Link); }

BOOLEAN QueueEvent(PFILTER_EXTENSION filter, UCHAR code, const UCHAR* newAuxByte) {
    PEVENT_ENTRY entry =
        static_cast<PEVENT_ENTRY>(ExAllocatePoolWithTag(NonPagedPool, sizeof(EVENT_ENTRY), EVENT_POOL_TAG));
    EventLink* dropped = nullptr;

    // The queue changes under ReadLock as well as EventLock, so a read that found the queue
    // empty and parks itself can't miss an event queued in between.
    KIRQL irql, inner;
    KeAcquireSpinLock(&filter->ReadLock, &irql);
    KeAcquireSpinLock(&filter->EventLock, &inner);
    const EVENT_RECORD record = PairEvent(filter->EventCode, filter->AuxByte, code, newAuxByte);
    if (entry != nullptr) {
        entry->Length = sizeof record;
        entry->Data[0] = record.Code;
        entry->Data[1] = record.AuxByte;
        dropped = EventFifoPush(filter->EventQueue, &entry->Link);
    }
    KeReleaseSpinLock(&filter->EventLock, inner);

    PIRP read = entry != nullptr ? TakeParkedRead(&filter->PendingRead) : nullptr;
    if (read != nullptr) Filter_ReadEvent(filter, read);
    KeReleaseSpinLock(&filter->ReadLock, irql);

    if (read != nullptr) IoCompleteRequest(read, IO_NO_INCREMENT);
    if (dropped != nullptr) ExFreePool(EntryOf(dropped));
    return entry != nullptr;
}

}  // namespace

BOOLEAN Filter_WriteEvent(PFILTER_EXTENSION filter, UCHAR code) { return QueueEvent(filter, code, nullptr); }

BOOLEAN Filter_WriteEventWithAux(PFILTER_EXTENSION filter, UCHAR code, UCHAR auxByte) {
    return QueueEvent(filter, code, &auxByte);
}

BOOLEAN Filter_ReadEvent(PFILTER_EXTENSION filter, PIRP irp) {
    KIRQL irql;
    KeAcquireSpinLock(&filter->EventLock, &irql);
    EventLink* oldest = EventFifoPop(filter->EventQueue);
    KeReleaseSpinLock(&filter->EventLock, irql);
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
    PFILTER_EXTENSION filter = static_cast<PFILTER_EXTENSION>(device->DeviceExtension);
    EndCancelledRead(&filter->PendingRead, &filter->ReadLock, irp);
}

void Filter_FreeEvents(PFILTER_EXTENSION filter) {
    for (;;) {
        KIRQL irql;
        KeAcquireSpinLock(&filter->EventLock, &irql);
        EventLink* entry = EventFifoPop(filter->EventQueue);
        KeReleaseSpinLock(&filter->EventLock, irql);
        if (entry == nullptr) return;
        ExFreePool(EntryOf(entry));
    }
}
