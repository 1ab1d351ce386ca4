// Requests to the control device "\\.\UVXNFLTR": open and close, reads of events, the control
// codes, and the cleanup that ends a closing handle's pending read. Everything else addressed
// to it is refused.
#include "driver/decode/control_codes.h"
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/event_queue.h"
#include "driver/kernel/filter_device_record.h"
#include "kernelsupport/kernel/parked_read.h"

namespace {

void CloseControl(PFILTER_EXTENSION controlRecord, PFILE_OBJECT file) {
    // On Windows the cleanup has already ended this file's read (and a read still pending would
    // keep the file object from closing), so this finds nothing. Wine sends no cleanup and
    // closes a file object whose read is still pending.
    CancelParkedReadOf(&controlRecord->PendingRead, &controlRecord->ReadLock, file);
    Filter_ReaderGone(controlRecord, file);
    InterlockedDecrement(&controlRecord->OpenCount);
}

// Any read, even one refused or one with no room, makes its handle a reader.
NTSTATUS ReadControl(PFILTER_EXTENSION controlRecord, PIRP irp) {
    Filter_BecomeReader(controlRecord, IoGetCurrentIrpStackLocation(irp)->FileObject);
    return ServeRead(&controlRecord->PendingRead, &controlRecord->ReadLock, irp, Filter_CancelIrp,
                     [controlRecord](PIRP read) { return Filter_ReadEvent(controlRecord, read) != FALSE; });
}

NTSTATUS ControlCode(PFILTER_EXTENSION controlRecord, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const ControlOutcome outcome = HandleControlCode(
        stack->Parameters.DeviceIoControl.IoControlCode, static_cast<UCHAR*>(irp->AssociatedIrp.SystemBuffer),
        stack->Parameters.DeviceIoControl.InputBufferLength, stack->Parameters.DeviceIoControl.OutputBufferLength,
        ControlTarget{controlRecord->RfData, controlRecord->Mode});
    if (outcome.RfBufferTooSmall) DbgPrint("UVXNFTR - IOCTL - Get RF Data : Invalid Buffer Size\n");
    const NTSTATUS status = outcome.Status == ControlStatus::Success ? STATUS_SUCCESS : STATUS_INVALID_PARAMETER;
    return CompleteRequest(irp, status, outcome.BytesReturned);
}

}  // namespace

NTSTATUS NTAPI DispatchAny(PDEVICE_OBJECT device, PIRP irp) {
    if (IsControlDevice(device)) return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    return PassDown(FilterRecord(device), irp);
}

NTSTATUS NTAPI DispatchCreateClose(PDEVICE_OBJECT device, PIRP irp) {
    KB_CHECK_PAGEABLE();
    if (!IsControlDevice(device)) return PassDown(FilterRecord(device), irp);
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    if (stack->MajorFunction == IRP_MJ_CREATE) {
        // Opening alone doesn't make a reader: the handle takes the keys with its first read.
        InterlockedIncrement(&ControlRecord()->OpenCount);
    } else {
        CloseControl(ControlRecord(), stack->FileObject);
    }
    return CompleteRequest(irp, STATUS_SUCCESS);
}

// The handle of this file object is gone: a read it left pending would keep the one
// pending-read place taken from the next reader, so it ends now. The cleanup itself is then
// refused like every request the control device doesn't serve (the I/O manager ignores its
// status); on a filter device it goes down the stack like any other.
NTSTATUS NTAPI DispatchCleanup(PDEVICE_OBJECT device, PIRP irp) {
    if (IsControlDevice(device)) {
        PFILTER_EXTENSION controlRecord = ControlRecord();
        CancelParkedReadOf(&controlRecord->PendingRead, &controlRecord->ReadLock, IoGetCurrentIrpStackLocation(irp)->FileObject);
    }
    return DispatchAny(device, irp);
}

NTSTATUS NTAPI DispatchRead(PDEVICE_OBJECT device, PIRP irp) {
    if (!IsControlDevice(device)) return DispatchAny(device, irp);
    return ReadControl(ControlRecord(), irp);
}

NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
    KB_CHECK_PAGEABLE();
    if (!IsControlDevice(device)) return DispatchAny(device, irp);
    return ControlCode(ControlRecord(), irp);
}
