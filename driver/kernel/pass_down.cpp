#include "driver/kernel/pass_down.h"

#include "driver/kernel/complete_request.h"
#include "driver/kernel/io_count.h"

NTSTATUS PassDown(PDEVICE_OBJECT filterDevice, PIRP irp) {
    PDEVICE_EXTENSION hidData = FilterDeviceRecord(filterDevice);
    AcquireIo(hidData);
    NTSTATUS status;
    if (hidData->Removed) {
        // A handle still open on the removed device must be able to close.
        const bool close = IoGetCurrentIrpStackLocation(irp)->MajorFunction == IRP_MJ_CLOSE;
        status = CompleteRequest(irp, close ? STATUS_SUCCESS : STATUS_DELETE_PENDING);
    } else {
        const bool power = IoGetCurrentIrpStackLocation(irp)->MajorFunction == IRP_MJ_POWER;
        IoSkipCurrentIrpStackLocation(irp);
        status = power ? PoCallDriver(hidData->TopOfStack, irp) : IoCallDriver(hidData->TopOfStack, irp);
    }
    ReleaseIo(hidData);
    return status;
}
