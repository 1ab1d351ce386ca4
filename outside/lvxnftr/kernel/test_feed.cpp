// The test variant's private requests (companion_interface.h): keyboard activity fed without a keyboard,
// and what the driver was last sent, read back. Never built into the shipped driver.
#include "kernelsupport/kernel/complete_request.h"
#include "outside/lvxnftr/kernel/companion.h"

NTSTATUS ExtraControl(COMPANION_CONTROL_RECORD* control, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_LVX_TEST_FEED_ACTIVITY:
        NoteActivity(control);
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IOCTL_LVX_TEST_GET_STATE: {
        if (stack->Parameters.DeviceIoControl.OutputBufferLength < sizeof(LVX_KEPT_STATE))
            return CompleteRequest(irp, STATUS_BUFFER_TOO_SMALL);
        const LVX_KEPT_STATE kept = {control->LockByte, control->DisabledKeys};
        RtlCopyMemory(irp->AssociatedIrp.SystemBuffer, &kept, sizeof kept);
        return CompleteRequest(irp, STATUS_SUCCESS, sizeof kept);
    }
    default:
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
}
