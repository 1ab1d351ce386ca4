// One read request parked until there is something to hand it, and the hand-over between the
// path that completes it and its cancel routine: whoever takes the cancel routine back owns the
// request, so it is completed exactly once. ParkRead and the Take functions run with the lock
// that guards the slot held; the caller completes what it takes after releasing that lock.
#pragma once

#include <ddk/wdm.h>

#include "kernelsupport/kernel/complete_request.h"

// Parks `irp` in the empty slot: marks it pending and gives it `cancel` before publishing it,
// so a writer can never complete a request the read path still touches. Returns false when the
// request was cancelled before it could be parked; the caller then completes it with
// STATUS_CANCELLED. Either way the dispatch routine returns STATUS_PENDING.
bool ParkRead(PIRP* slot, PIRP irp, PDRIVER_CANCEL cancel);

// Takes the parked read for completion. Null when the slot is empty, or when the read is being
// cancelled: its cancel routine has been called and completes it.
PIRP TakeParkedRead(PIRP* slot);

// Like TakeParkedRead, but only a read issued on `file` (the cleanup of that file object).
PIRP TakeParkedReadOf(PIRP* slot, PFILE_OBJECT file);

// The body of a parked read's cancel routine, called with the system cancel lock held as the
// routine gets it: releases that lock, empties the slot (under `lock`) if it still holds `irp`,
// and completes `irp` with STATUS_CANCELLED.
void EndCancelledRead(PIRP* slot, PKSPIN_LOCK lock, PIRP irp);

// Takes the slot's lock itself, like EndCancelledRead: ends the parked read of `file`, if there is one, with
// STATUS_CANCELLED. For the cleanup and the close of a file object, so that a reader that goes
// away never leaves the one place taken for the next reader.
void CancelParkedReadOf(PIRP* slot, PKSPIN_LOCK lock, PFILE_OBJECT file);

// Every request of such a device beside its reads and controls: an open succeeds; the close
// (Wine sends no cleanup) and the cleanup end the closing handle's parked read, so the next
// reader finds the place free, and the cleanup is then refused like every request the device
// doesn't serve; power is started on and refused.
NTSTATUS ServeOtherRequest(PIRP* slot, PKSPIN_LOCK lock, PIRP irp);

// A read of a device that keeps at most one read parked, at once or parked: refused with
// STATUS_UNSUCCESSFUL while another is parked; a read with no room completes at once with
// nothing, since it would take a record and deliver nothing of it; a record waiting is
// delivered at once; otherwise the read is parked with `cancel` until one comes. `deliver(irp)`
// runs with `lock` held: it fills the read from what waits (data, status and byte count) and
// returns true, or returns false when nothing waits. Returns the dispatch routine's status.
template <typename Deliver>
NTSTATUS ServeRead(PIRP* slot, PKSPIN_LOCK lock, PIRP irp, PDRIVER_CANCEL cancel, Deliver deliver) {
    KIRQL irql;
    KeAcquireSpinLock(lock, &irql);
    if (*slot != nullptr) {
        KeReleaseSpinLock(lock, irql);
        return CompleteRequest(irp, STATUS_UNSUCCESSFUL);
    }
    if (IoGetCurrentIrpStackLocation(irp)->Parameters.Read.Length == 0) {
        KeReleaseSpinLock(lock, irql);
        return CompleteRequest(irp, STATUS_SUCCESS);
    }
    if (deliver(irp)) {
        KeReleaseSpinLock(lock, irql);
        const NTSTATUS status = irp->IoStatus.Status;
        IoCompleteRequest(irp, IO_NO_INCREMENT);
        return status;
    }
    const bool parked = ParkRead(slot, irp, cancel);
    KeReleaseSpinLock(lock, irql);
    if (!parked) CompleteRequest(irp, STATUS_CANCELLED);
    return STATUS_PENDING;
}
