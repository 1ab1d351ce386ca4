// The test variant's private requests (keyboard_filter_interface.h): hot-key codes fed without a
// keyboard, and the count of reads completed with one. Never built into the plain driver.
#include "kernelsupport/kernel/complete_request.h"
#include "outside/uovkbftr/kernel/keyboard_filter.h"

NTSTATUS ExtraControl(KEYBOARD_FILTER_RECORD* record, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const auto& control = stack->Parameters.DeviceIoControl;
    switch (control.IoControlCode) {
    case IOCTL_UOV_TEST_FEED_CODE: {
        if (control.InputBufferLength < 1) return CompleteRequest(irp, STATUS_INVALID_PARAMETER);
        const UCHAR code = *static_cast<const UCHAR*>(irp->AssociatedIrp.SystemBuffer);
        return CompleteRequest(irp, NoteCode(record, code) ? STATUS_SUCCESS : STATUS_DEVICE_BUSY);
    }
    case IOCTL_UOV_TEST_GET_READ_COUNT: {
        if (control.OutputBufferLength < sizeof(ULONG)) return CompleteRequest(irp, STATUS_BUFFER_TOO_SMALL);
        const ULONG count = ReadsCompleted(record);
        RtlCopyMemory(irp->AssociatedIrp.SystemBuffer, &count, sizeof count);
        return CompleteRequest(irp, STATUS_SUCCESS, sizeof count);
    }
    default:
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
}
