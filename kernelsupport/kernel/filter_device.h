// A lower filter's device above a physical device: its creation and attachment, the request
// count that makes its removal safe, the pass-down of what it doesn't handle, and the removal.
//
// A driver keeps its own record per filter device, with at least these fields:
//   PDEVICE_OBJECT TopOfStack;  // the device below; every request goes down to it
//   PDEVICE_OBJECT Self;        // this filter device
//   KEVENT RemoveEvent;         // synchronization event, set whenever IoCount drops to 0
//   LONG IoCount;               // requests inside the driver for this device, plus 1 for the device
//   USHORT Removed;             // 1 once the remove request has arrived
// Every dispatch routine counts itself in (AcquireIo) when it begins and out (ReleaseIo) when it
// is done with the request; a request sent down with a completion routine counts until that
// routine has run. The removal takes the device's own 1 away and waits for the count to reach 0,
// so the device is never deleted under a request that still uses it.
#pragma once

#include <ddk/wdm.h>

#include "kernelsupport/kernel/complete_request.h"
#include "kernelsupport/kernel/debug_checks.h"

template <typename Record>
Record* FilterRecordOf(PDEVICE_OBJECT device) {
    return static_cast<Record*>(device->DeviceExtension);
}

template <typename Record>
void AcquireIo(Record* record) {
    InterlockedIncrement(&record->IoCount);
}

// After this the device may be gone: the caller must not touch the record again.
template <typename Record>
void ReleaseIo(Record* record) {
    if (InterlockedDecrement(&record->IoCount) == 0) KeSetEvent(&record->RemoveEvent, IO_NO_INCREMENT, FALSE);
}

// Creates an unnamed device with a zeroed Record, attaches it to the stack of `physical` and
// gives it `flags` (the initializing flag cleared), and the power paging of the device below:
// without it the power manager may send the filter its power requests at dispatch level, and
// the filter would pass them on to a device that expects them at passive level (standby,
// hibernation). A device with nothing below it would pass requests to nowhere, so it is
// deleted again before anyone could have seen it; nothing is left behind on any failure.
template <typename Record>
NTSTATUS CreateFilterDevice(PDRIVER_OBJECT driver, PDEVICE_OBJECT physical, ULONG flags, Record** created) {
    PDEVICE_OBJECT device = nullptr;
    const NTSTATUS status = IoCreateDevice(driver, sizeof(Record), nullptr, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    Record* record = FilterRecordOf<Record>(device);
    RtlZeroMemory(record, sizeof(Record));
    record->Self = device;
    KeInitializeEvent(&record->RemoveEvent, SynchronizationEvent, FALSE);
    record->IoCount = 1;
    record->TopOfStack = IoAttachDeviceToDeviceStack(device, physical);
    KB_CHECK(NULL != record->TopOfStack);
    if (record->TopOfStack == nullptr) {
        IoDeleteDevice(device);
        return STATUS_NO_SUCH_DEVICE;
    }
    device->Flags = (device->Flags & ~DO_DEVICE_INITIALIZING) | flags | (record->TopOfStack->Flags & DO_POWER_PAGABLE);
    *created = record;
    return STATUS_SUCCESS;
}

// Skips this driver's stack location and hands the request to the device below; returns the
// lower driver's status. A power request goes down through PoCallDriver (its dispatch routine
// has called PoStartNextPowerIrp). The request belongs to the lower driver from then on. Once
// the remove request has been seen, requests are refused with STATUS_DELETE_PENDING instead,
// except a close, which succeeds: a handle still open on the removed device must be able to
// close.
template <typename Record>
NTSTATUS PassDown(Record* record, PIRP irp) {
    AcquireIo(record);
    NTSTATUS status;
    const UCHAR major = IoGetCurrentIrpStackLocation(irp)->MajorFunction;
    if (record->Removed) {
        status = CompleteRequest(irp, major == IRP_MJ_CLOSE ? STATUS_SUCCESS : STATUS_DELETE_PENDING);
    } else {
        IoSkipCurrentIrpStackLocation(irp);
        status = major == IRP_MJ_POWER ? PoCallDriver(record->TopOfStack, irp) : IoCallDriver(record->TopOfStack, irp);
    }
    ReleaseIo(record);
    return status;
}

// Sends the request down with `routine` watching it on its way back up (on success, error and
// cancel, with the record as its context). The request stays counted until the routine has run,
// which must end with ReleaseIo(record). Once the remove request has been seen the request is
// refused with STATUS_DELETE_PENDING instead: sent down now it could outlive the device its
// completion routine uses.
template <typename Record>
NTSTATUS SendDownWatched(Record* record, PIRP irp, PIO_COMPLETION_ROUTINE routine) {
    AcquireIo(record);
    if (record->Removed) {
        const NTSTATUS status = CompleteRequest(irp, STATUS_DELETE_PENDING);
        ReleaseIo(record);
        return status;
    }
    IoCopyCurrentIrpStackLocationToNext(irp);
    IoSetCompletionRoutine(irp, routine, record, TRUE, TRUE, TRUE);
    return IoCallDriver(record->TopOfStack, irp);
}

// The end of a removal, counted in by its dispatch routine, once the driver has set Removed and
// let go of the device everywhere it keeps it: the remove request goes down, the driver waits
// for the requests still inside, then detaches and deletes the device.
template <typename Record>
NTSTATUS FinishRemoval(Record* record, PIRP irp) {
    IoSkipCurrentIrpStackLocation(irp);
    IoCallDriver(record->TopOfStack, irp);
    // This request and the device's own count; what is left are requests still inside.
    InterlockedDecrement(&record->IoCount);
    if (InterlockedDecrement(&record->IoCount) > 0) {
        KeWaitForSingleObject(&record->RemoveEvent, Executive, KernelMode, FALSE, nullptr);
    }
    PDEVICE_OBJECT below = record->TopOfStack;
    PDEVICE_OBJECT self = record->Self;
    IoDetachDevice(below);
    IoDeleteDevice(self);
    return STATUS_SUCCESS;
}

// A power request of a filter device that only passes it on: the next power request may start
// (on every path), and this one goes down.
template <typename Record>
NTSTATUS PassDownPower(Record* record, PIRP irp) {
    PoStartNextPowerIrp(irp);
    return PassDown(record, irp);
}

// A Plug and Play request of a filter device that keeps nothing else of its device: the remove
// request ends the device, every other one goes down.
template <typename Record>
NTSTATUS PassDownPnp(Record* record, PIRP irp) {
    if (IoGetCurrentIrpStackLocation(irp)->MinorFunction != IRP_MN_REMOVE_DEVICE) return PassDown(record, irp);
    AcquireIo(record);
    record->Removed = 1;
    return FinishRemoval(record, irp);
}
