// The companion keyboard-interface filter's stand-in (service LVXNFTR): a pass-through lower
// filter of the receiver's keyboard interface, and the control device "\\.\LVXNFLTR" that the
// agent and the status applet use. Each interrupt transfer that comes back up a filter device
// with data is one keyboard activity for the control device's reader.
#pragma once

#include <ddk/wdm.h>

#include "outside/lvxnftr/companion_interface.h"

// The control device's record.
struct COMPANION_CONTROL_RECORD {
    UCHAR LockByte;                    // last IOCTL_SET_LOCK input; 0 at start
    DISABLE_KEYS_INPUT DisabledKeys;   // last IOCTL_DISABLE_KEYS input; all 0 at start
    ULONG ActivityWaiting;             // activities seen and not yet read
    PIRP PendingRead;                  // the one read waiting for activity
    KSPIN_LOCK Lock;                   // guards ActivityWaiting and PendingRead
};

// The record of one filter device, above the physical device of a keyboard interface.
struct COMPANION_FILTER_RECORD {
    PDEVICE_OBJECT TopOfStack;
    PDEVICE_OBJECT Self;
    KEVENT RemoveEvent;
    LONG IoCount;
    USHORT Removed;
};

extern PDEVICE_OBJECT CompanionControl;

inline COMPANION_CONTROL_RECORD* ControlRecord() {
    return static_cast<COMPANION_CONTROL_RECORD*>(CompanionControl->DeviceExtension);
}

// control_device.cpp: the requests of "\\.\LVXNFLTR".
NTSTATUS ServeControlDevice(PIRP irp);
// One keyboard activity: completes the pending read, or is kept for the next one.
void NoteActivity(COMPANION_CONTROL_RECORD* control);

// Control codes beyond the product's, or STATUS_INVALID_DEVICE_REQUEST. The shipped driver has
// none (no_extra_controls.cpp); the test variant answers its feed requests (test_feed.cpp).
NTSTATUS ExtraControl(COMPANION_CONTROL_RECORD* control, PIRP irp);

// filter_device.cpp: the filter devices.
NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT driver, PDEVICE_OBJECT physical);
NTSTATUS ServeFilterDevice(PDEVICE_OBJECT device, PIRP irp);
