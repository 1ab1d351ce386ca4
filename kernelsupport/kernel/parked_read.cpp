#include "kernelsupport/kernel/parked_read.h"

#include "kernelsupport/kernel/complete_request.h"

bool ParkRead(PIRP* slot, PIRP irp, PDRIVER_CANCEL cancel) {
    IoMarkIrpPending(irp);
    IoSetCancelRoutine(irp, cancel);
    // Cancelled before the routine was set: if we get the routine back, the cancel path has
    // not run and never will, so the request is ours to complete. If we don't, the cancel
    // routine is running and will look for the request in the slot.
    if (irp->Cancel && IoSetCancelRoutine(irp, nullptr) != nullptr) return false;
    *slot = irp;
    return true;
}

PIRP TakeParkedRead(PIRP* slot) {
    PIRP irp = *slot;
    if (irp == nullptr || IoSetCancelRoutine(irp, nullptr) == nullptr) return nullptr;
    *slot = nullptr;
    return irp;
}

PIRP TakeParkedReadOf(PIRP* slot, PFILE_OBJECT file) {
    PIRP irp = *slot;
    if (irp == nullptr || IoGetCurrentIrpStackLocation(irp)->FileObject != file) return nullptr;
    return TakeParkedRead(slot);
}

void EndCancelledRead(PIRP* slot, PKSPIN_LOCK lock, PIRP irp) {
    IoReleaseCancelSpinLock(irp->CancelIrql);
    KIRQL irql;
    KeAcquireSpinLock(lock, &irql);
    if (*slot == irp) *slot = nullptr;
    KeReleaseSpinLock(lock, irql);
    CompleteRequest(irp, STATUS_CANCELLED);
}

void CancelParkedReadOf(PIRP* slot, PKSPIN_LOCK lock, PFILE_OBJECT file) {
    KIRQL irql;
    KeAcquireSpinLock(lock, &irql);
    PIRP irp = TakeParkedReadOf(slot, file);
    KeReleaseSpinLock(lock, irql);
    if (irp != nullptr) CompleteRequest(irp, STATUS_CANCELLED);
}

NTSTATUS ServeOtherRequest(PIRP* slot, PKSPIN_LOCK lock, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->MajorFunction) {
    case IRP_MJ_CREATE:
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IRP_MJ_CLOSE:
        CancelParkedReadOf(slot, lock, stack->FileObject);
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IRP_MJ_CLEANUP:
        CancelParkedReadOf(slot, lock, stack->FileObject);
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    case IRP_MJ_POWER:
        PoStartNextPowerIrp(irp);
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    default:
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
}
