// Completing a request: the one place that sets its final status and byte count.
#pragma once

#include <ddk/wdm.h>

inline NTSTATUS CompleteRequest(PIRP irp, NTSTATUS status, ULONG_PTR bytes = 0) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = bytes;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}
