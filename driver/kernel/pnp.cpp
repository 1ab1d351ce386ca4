// Plug and Play requests to a filter device: the start goes down first and is finished here
// once the lower driver has started; the removal unlinks the device, tells a reader when the
// last receiver went away, waits for every request still inside and then deletes the device.
#include "common/control_interface.h"
#include "driver/kernel/attach.h"
#include "driver/kernel/complete_request.h"
#include "driver/kernel/debug_checks.h"
#include "driver/kernel/event_queue.h"
#include "driver/kernel/filter_extension.h"
#include "driver/kernel/io_count.h"

namespace {

NTSTATUS NTAPI Dispatch_PnpComplete(PDEVICE_OBJECT, PIRP irp, PVOID context) {
    if (IoGetCurrentIrpStackLocation(irp)->MinorFunction == IRP_MN_START_DEVICE) {
        // The request is finished by DispatchPnp, which returns its final status itself; a
        // pending mark here would tell the caller to wait for a completion that has happened.
        KeSetEvent(&static_cast<PDEVICE_EXTENSION>(context)->StartEvent, IO_NO_INCREMENT, FALSE);
        return STATUS_MORE_PROCESSING_REQUIRED;
    }
    if (irp->PendingReturned) IoMarkIrpPending(irp);
    return STATUS_SUCCESS;
}

NTSTATUS StartDevice(PDEVICE_EXTENSION hidData) {
    KB_CHECK_PAGEABLE();
    KB_CHECK(!hidData->Removed);
    return STATUS_SUCCESS;
}

NTSTATUS Start(PDEVICE_EXTENSION hidData, PIRP irp) {
    IoCopyCurrentIrpStackLocationToNext(irp);
    KeInitializeEvent(&hidData->StartEvent, NotificationEvent, FALSE);
    KB_SET_COMPLETION(irp, Dispatch_PnpComplete, hidData);
    NTSTATUS status = IoCallDriver(hidData->TopOfStack, irp);
    if (status == STATUS_PENDING) {
        KeWaitForSingleObject(&hidData->StartEvent, Executive, KernelMode, FALSE, nullptr);
        status = irp->IoStatus.Status;
    }
    if (NT_SUCCESS(status)) status = StartDevice(hidData);
    return CompleteRequest(irp, status);
}

// The receiver is gone from the control record; at the last one the table forgets what is
// linked (keeping channel, id and flags) and a reader hears it.
void Unlink(PDEVICE_EXTENSION hidData) {
    PFILTER_EXTENSION filter = ControlExtension();
    KIRQL irql;
    KeAcquireSpinLock(&filter->DeviceListLock, &irql);
    RemoveEntryList(&hidData->Link);
    if (InterlockedDecrement(&filter->DeviceCount) == 0) {
        for (RF_RECORD& record : filter->RfData.Record) record.State = 0;
        if (filter->ReaderOpen) {
            Filter_WriteEvent(filter, EVENT_STATUS_CHANGED);
            Filter_WriteEvent(filter, EVENT_RECEIVER_REMOVED);
        }
    }
    KeReleaseSpinLock(&filter->DeviceListLock, irql);
}

NTSTATUS Remove(PDEVICE_EXTENSION hidData, PIRP irp) {
    hidData->Removed = 1;
    Unlink(hidData);
    IoSkipCurrentIrpStackLocation(irp);
    IoCallDriver(hidData->TopOfStack, irp);

    // This request and the device's own count; what is left are requests still inside.
    InterlockedDecrement(&hidData->IoCount);
    if (InterlockedDecrement(&hidData->IoCount) > 0) {
        KeWaitForSingleObject(&hidData->RemoveEvent, Executive, KernelMode, FALSE, nullptr);
    }
    IoDetachDevice(hidData->TopOfStack);
    IoDeleteDevice(hidData->Self);
    return STATUS_SUCCESS;
}

}  // namespace

NTSTATUS NTAPI DispatchPnp(PDEVICE_OBJECT device, PIRP irp) {
    KB_CHECK_PAGEABLE();
    if (IsControlDevice(device)) return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    PDEVICE_EXTENSION hidData = FilterDeviceRecord(device);
    if (hidData->Removed) {
        KB_CHECK(FALSE);
        return CompleteRequest(irp, STATUS_DELETE_PENDING);
    }
    AcquireIo(hidData);
    NTSTATUS status;
    switch (IoGetCurrentIrpStackLocation(irp)->MinorFunction) {
    case IRP_MN_START_DEVICE:
        status = Start(hidData, irp);
        break;
    case IRP_MN_REMOVE_DEVICE:
        return Remove(hidData, irp);
    default:
        IoSkipCurrentIrpStackLocation(irp);
        status = IoCallDriver(hidData->TopOfStack, irp);
        break;
    }
    ReleaseIo(hidData);
    return status;
}
