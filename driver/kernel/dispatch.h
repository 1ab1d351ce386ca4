// The driver's dispatch routines. Each tells the control device (pGlobalCtrl) from a filter
// device first: the control device is served here, a filter device's request goes down its
// stack.
#pragma once

#include <ddk/wdm.h>

// Every major function without a routine of its own: refused on the control device.
NTSTATUS NTAPI DispatchAny(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchCreateClose(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchCleanup(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchRead(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp);
