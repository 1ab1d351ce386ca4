// Plug and Play requests to a filter device: the start goes down first and is finished here
// once the lower driver has started; the removal unlinks the device, tells a reader when the
// last receiver went away, waits for every request still inside and then deletes the device.
#include "common/control_interface.h"
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/event_queue.h"
#include "driver/kernel/filter_device_record.h"

namespace {

// Set only on the start request. The request is finished by DispatchPnp, which returns its
// final status itself; a pending mark here would tell the caller to wait for a completion that
// has happened.
NTSTATUS NTAPI Dispatch_PnpComplete(PDEVICE_OBJECT, PIRP, PVOID context) {
    KeSetEvent(&static_cast<PDEVICE_EXTENSION>(context)->StartEvent, IO_NO_INCREMENT, FALSE);
    return STATUS_MORE_PROCESSING_REQUIRED;
}

NTSTATUS Start(PDEVICE_EXTENSION filterRecord, PIRP irp) {
    IoCopyCurrentIrpStackLocationToNext(irp);
    KeInitializeEvent(&filterRecord->StartEvent, NotificationEvent, FALSE);
    IoSetCompletionRoutine(irp, Dispatch_PnpComplete, filterRecord, TRUE, TRUE, TRUE);
    NTSTATUS status = IoCallDriver(filterRecord->TopOfStack, irp);
    if (status == STATUS_PENDING) {
        KeWaitForSingleObject(&filterRecord->StartEvent, Executive, KernelMode, FALSE, nullptr);
        status = irp->IoStatus.Status;
    }
    return CompleteRequest(irp, status);
}

// The receiver is gone from the control device record; at the last one the table forgets what
// is linked (keeping channel, id and flags) and a reader hears it.
void Unlink(PDEVICE_EXTENSION filterRecord) {
    PFILTER_EXTENSION controlRecord = ControlRecord();
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->DeviceListLock, &irql);
    RemoveEntryList(&filterRecord->Link);
    if (InterlockedDecrement(&controlRecord->DeviceCount) == 0) {
        for (RF_RECORD& record : controlRecord->RfData.Record) record.State = 0;
        Filter_WriteEvent(controlRecord, EVENT_STATUS_CHANGED);
        Filter_WriteEvent(controlRecord, EVENT_RECEIVER_REMOVED);
    }
    KeReleaseSpinLock(&controlRecord->DeviceListLock, irql);
}

}  // namespace

NTSTATUS NTAPI DispatchPnp(PDEVICE_OBJECT device, PIRP irp) {
    KB_CHECK_PAGEABLE();
    if (IsControlDevice(device)) return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    PDEVICE_EXTENSION filterRecord = FilterRecord(device);
    if (filterRecord->Removed) {
        KB_CHECK(FALSE);
        return CompleteRequest(irp, STATUS_DELETE_PENDING);
    }
    AcquireIo(filterRecord);
    NTSTATUS status;
    switch (IoGetCurrentIrpStackLocation(irp)->MinorFunction) {
    case IRP_MN_START_DEVICE:
        status = Start(filterRecord, irp);
        break;
    case IRP_MN_REMOVE_DEVICE:
        filterRecord->Removed = 1;
        Unlink(filterRecord);
        return FinishRemoval(filterRecord, irp);
    default:
        IoSkipCurrentIrpStackLocation(irp);
        status = IoCallDriver(filterRecord->TopOfStack, irp);
        break;
    }
    ReleaseIo(filterRecord);
    return status;
}
