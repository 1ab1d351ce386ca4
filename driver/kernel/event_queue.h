// The event queue of the control device, its one pending read, and the reader handles it is
// kept for.
//
// A handle becomes a reader with its first read; a handle that only opens the device (a status
// display) never does. Events are queued only while at least one reader handle is open, and
// what is still queued when the last one closes is dropped: a key acts when it is pressed or
// not at all, never later for a reader that was not listening.
//
// Locks: ReadLock is taken before EventLock, always; callers may hold DeviceListLock (taken
// before both). Everything here runs at or below DISPATCH_LEVEL and allocates only from
// non-paged pool.
#pragma once

#include <ddk/wdm.h>

#include "driver/kernel/control_device_record.h"

// One queued event, allocated from non-paged pool with the tag "Wdm " and freed when read: the
// link, the length and the two data bytes, with no tail padding to round it up to the link's
// alignment (14 bytes on i686, 22 on x86_64, where the link's two pointers are 8 bytes each).
#pragma pack(push, 2)
typedef struct _EVENT_ENTRY {
    EventLink Link;
    ULONG Length;  // data bytes: always 2
    UCHAR Data[2]; // event code, then the AuxByte current when it was queued
} EVENT_ENTRY, *PEVENT_ENTRY;
#pragma pack(pop)

#ifdef _WIN64
static_assert(FIELD_OFFSET(EVENT_ENTRY, Length) == 16, "Length follows the 16-byte link");
static_assert(FIELD_OFFSET(EVENT_ENTRY, Data) == 20, "Data follows Length");
static_assert(sizeof(EVENT_ENTRY) == 22, "an event entry is 22 bytes on x86_64");
#else
static_assert(FIELD_OFFSET(EVENT_ENTRY, Length) == 8, "Length follows the 8-byte link");
static_assert(FIELD_OFFSET(EVENT_ENTRY, Data) == 12, "Data follows Length");
static_assert(sizeof(EVENT_ENTRY) == 14, "an event entry is 14 bytes");
#endif

// Queues one event with `code` and hands the oldest event to the pending read, if any. The code
// comes in as an argument (never through a shared field read later), so two completions running
// at once can't queue each other's code. Returns TRUE when queued, FALSE when no reader is open
// or no memory could be had (the event is lost).
BOOLEAN Filter_WriteEvent(PFILTER_EXTENSION controlRecord, UCHAR code);

// The same for an event whose report makes `auxByte` the current AuxByte: it becomes current in
// the same step that queues the event, so the event carries exactly that byte. AuxByte changes
// even when the event itself can't be queued.
BOOLEAN Filter_WriteEventWithAux(PFILTER_EXTENSION controlRecord, UCHAR code, UCHAR auxByte);

// Makes `auxByte` the current AuxByte of later events, with no event of its own.
void Filter_SetAuxByte(PFILTER_EXTENSION controlRecord, UCHAR auxByte);

// A read arrived on `file`: from now on its handle is a reader.
void Filter_BecomeReader(PFILTER_EXTENSION controlRecord, PFILE_OBJECT file);

// `file` is closing. When it was the last reader's, the events still queued are freed.
void Filter_ReaderGone(PFILTER_EXTENSION controlRecord, PFILE_OBJECT file);

// With ReadLock held: moves the oldest event into the buffered read `irp` (as many of its bytes
// as the read asked for), frees it and fills in the read's status; the caller completes the
// read after releasing ReadLock. Returns FALSE, touching nothing, when the queue is empty.
BOOLEAN Filter_ReadEvent(PFILTER_EXTENSION controlRecord, PIRP irp);

// Cancel routine of the pending read.
VOID NTAPI Filter_CancelIrp(PDEVICE_OBJECT device, PIRP irp);

// Frees every event still queued (driver unload).
void Filter_FreeEvents(PFILTER_EXTENSION controlRecord);
