// Requests to a filter device go down its stack untouched.
#pragma once

#include <ddk/wdm.h>

// Skips this driver's stack location and hands the request to the device below; returns the
// lower driver's status. The request belongs to the lower driver from then on.
NTSTATUS PassDown(PDEVICE_OBJECT filterDevice, PIRP irp);
