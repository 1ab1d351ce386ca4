// The record of one filter device (its device extension): the unnamed device put directly
// above the physical device of each hot-key interface, below the HID driver. The request count
// and the removal around it are kernelsupport/kernel/filter_device.h's.
#pragma once

#include <ddk/wdm.h>

#include "kernelsupport/kernel/filter_device.h"

typedef struct _DEVICE_EXTENSION {
    PDEVICE_OBJECT TopOfStack; // the device below; every request goes down to it
    PDEVICE_OBJECT Self;       // this filter device
    KEVENT StartEvent;         // notification event, set when the start request comes back up
    KEVENT RemoveEvent;        // synchronization event, set whenever IoCount drops to 0
    LONG IoCount;              // requests inside the driver for this device, plus 1 for the device
    USHORT Removed;            // 1 once the remove request has arrived
    LIST_ENTRY Link;           // entry in the control device record's DeviceList
} DEVICE_EXTENSION, *PDEVICE_EXTENSION;

inline PDEVICE_EXTENSION FilterRecord(PDEVICE_OBJECT device) { return FilterRecordOf<DEVICE_EXTENSION>(device); }
