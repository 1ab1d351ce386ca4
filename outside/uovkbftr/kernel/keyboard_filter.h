// The keyboard filter's stand-in (device "\\.\UOVKBFTR"): a control device whose reads wait for
// a hot-key code and return it as a 5-byte record. Nothing in it filters a keyboard: the codes
// come only from the test variant's feed.
#pragma once

#include <ddk/wdm.h>

#include "outside/uovkbftr/keyboard_filter_interface.h"

struct KEYBOARD_FILTER_RECORD {
    UCHAR Waiting[UOV_WAITING_LIMIT];  // codes fed and not yet read, oldest at WaitingFirst
    ULONG WaitingFirst;
    ULONG WaitingCount;
    ULONG ReadsCompleted;              // reads completed with a record
    PIRP PendingRead;                  // the one read waiting for a code
    KSPIN_LOCK Lock;                   // guards all of the above
};

// control_device.cpp: the requests of "\\.\UOVKBFTR".
NTSTATUS ServeKeyboardFilter(KEYBOARD_FILTER_RECORD* record, PIRP irp);

// One hot-key code: completes the pending read, or waits for the next one. False when
// UOV_WAITING_LIMIT codes already wait.
bool NoteCode(KEYBOARD_FILTER_RECORD* record, UCHAR code);

// Reads completed with a record so far.
ULONG ReadsCompleted(KEYBOARD_FILTER_RECORD* record);

// Control codes beyond none, or STATUS_INVALID_DEVICE_REQUEST. The plain driver has none
// (no_extra_controls.cpp); the test variant answers its feed requests (test_feed.cpp).
NTSTATUS ExtraControl(KEYBOARD_FILTER_RECORD* record, PIRP irp);
