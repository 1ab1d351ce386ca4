// The record of the control device "\Device\UVXNFLTR" (its device extension): the driver's one
// shared state, alive from DriverEntry to DriverUnload whatever receivers come and go.
#pragma once

#include <ddk/wdm.h>

#include "common/control_interface.h"
#include "driver/decode/event_fifo.h"

typedef struct _FILTER_EXTENSION {
    LONG OpenCount;            // open handles on the control device; interlocked
    LONG ReaderCount;          // open handles that have read; under EventLock
    LONG DeviceCount;          // filter devices now attached; interlocked
    LIST_ENTRY DeviceList;     // Link of every filter device record
    KSPIN_LOCK DeviceListLock; // guards DeviceList and the last-removal step
    UCHAR Mode;                // set by IOCTL_SET_MODE; nothing acts on it
    USHORT ReaderOpen;         // 1 while ReaderCount is above 0: hot keys go to the reader, not Windows
    EventFifo EventQueue;      // events waiting to be read, oldest first
    KSPIN_LOCK EventLock;      // guards EventQueue, EventCode, AuxByte, ReaderCount and ReaderOpen
    UCHAR EventCode;           // code of the event being queued, with AuxByte beside it
    UCHAR AuxByte;             // auxiliary byte of the last status report
    RF_DATA RfData;            // wireless-device status table (wire format)
    PIRP PendingRead;          // the one read waiting for an event
    KSPIN_LOCK ReadLock;       // guards PendingRead; taken before EventLock
} FILTER_EXTENSION, *PFILTER_EXTENSION;

// The control device "\Device\UVXNFLTR". Every dispatch routine compares its target with it to
// tell the control device from a filter device.
extern PDEVICE_OBJECT pGlobalCtrl;

inline PFILTER_EXTENSION ControlRecord() {
    return static_cast<PFILTER_EXTENSION>(pGlobalCtrl->DeviceExtension);
}

inline bool IsControlDevice(PDEVICE_OBJECT device) { return device == pGlobalCtrl; }

// Prepares a zeroed record: empty lists, spin locks ready, Mode 2; the rest stays 0.
void InitControlDeviceRecord(PFILTER_EXTENSION controlRecord);
