// The filter devices: one unnamed device put above the physical device of each hot-key
// interface, below the HID driver, and the Plug and Play, power and URB handling around it.
#pragma once

#include <ddk/wdm.h>

NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT DriverObject, PDEVICE_OBJECT PhysicalDeviceObject);
NTSTATUS NTAPI DispatchPnp(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchPower(PDEVICE_OBJECT device, PIRP irp);
NTSTATUS NTAPI DispatchInternal(PDEVICE_OBJECT device, PIRP irp);
