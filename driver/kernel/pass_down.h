// Requests to a filter device go down its stack untouched while the device is there.
#pragma once

#include <ddk/wdm.h>

// Skips this driver's stack location and hands the request to the device below; returns the
// lower driver's status. A power request goes down through PoCallDriver (its dispatch routine
// has called PoStartNextPowerIrp). The request belongs to the lower driver from then on. Once
// the remove request has been seen, requests are refused with STATUS_DELETE_PENDING instead,
// except a close, which succeeds. Counted in the device's IoCount while it is here.
NTSTATUS PassDown(PDEVICE_OBJECT filterDevice, PIRP irp);
