// The driver's entry points. Each dispatch routine tells the control device (pGlobalCtrl) from
// a filter device first: the control device is served or refused here, a filter device's
// request goes down its stack (the URB submission watched on its way back up).
#pragma once

#include <ddk/wdm.h>

// Control device: open and close, event reads, the control codes, and the cleanup that ends
// a closing handle's pending read (control_device.cpp).
NTSTATUS NTAPI DispatchAny(PDEVICE_OBJECT device, PIRP irp);  // every major function without its own
NTSTATUS NTAPI DispatchCreateClose(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchCleanup(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchRead(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp);

// Filter devices: one unnamed device above the physical device of each hot-key interface,
// below the HID driver (add_device.cpp, pnp.cpp, power.cpp, urb_watch.cpp).
NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT DriverObject, PDEVICE_OBJECT PhysicalDeviceObject);
NTSTATUS NTAPI DispatchPnp(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchPower(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchInternal(PDEVICE_OBJECT device, PIRP irp);
