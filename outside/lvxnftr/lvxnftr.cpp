// Stand-in for the companion keyboard-interface filter (service LVXNFTR): only its control
// device "\\.\LVXNFLTR", as the agent and the status applet use it. It keeps the lock byte and
// the key-disable flags it is sent, and answers 1-byte reads with one record per keyboard
// activity, which tests and the receiver simulator feed through a private request.
#include <ddk/wdm.h>

#include "common/control_interface.h"
#include "driver/kernel/complete_request.h"
#include "driver/kernel/named_device.h"
#include "driver/kernel/parked_read.h"
#include "outside/lvxnftr/test_feed.h"

namespace {

struct COMPANION_EXTENSION {
    LVX_KEPT_STATE Kept;
    ULONG ActivityWaiting;  // records fed and not yet read
    PIRP PendingRead;       // the one read waiting for activity
    KSPIN_LOCK Lock;        // guards ActivityWaiting and PendingRead
};

UNICODE_STRING DeviceName = RTL_CONSTANT_STRING(KB_COMPANION_DEVICE_NAME_W);
UNICODE_STRING LinkName = RTL_CONSTANT_STRING(KB_COMPANION_LINK_NAME_W);

COMPANION_EXTENSION* ExtensionOf(PDEVICE_OBJECT device) {
    return static_cast<COMPANION_EXTENSION*>(device->DeviceExtension);
}

NTSTATUS CompleteWithRecord(PIRP irp) {
    *static_cast<UCHAR*>(irp->AssociatedIrp.SystemBuffer) = LVX_ACTIVITY_RECORD;
    return CompleteRequest(irp, STATUS_SUCCESS, 1);
}

VOID NTAPI CancelRead(PDEVICE_OBJECT device, PIRP irp) {
    COMPANION_EXTENSION* companion = ExtensionOf(device);
    EndCancelledRead(&companion->PendingRead, &companion->Lock, irp);
}

NTSTATUS NTAPI DispatchRead(PDEVICE_OBJECT device, PIRP irp) {
    COMPANION_EXTENSION* companion = ExtensionOf(device);
    KIRQL irql;
    KeAcquireSpinLock(&companion->Lock, &irql);
    if (companion->PendingRead != nullptr) {
        KeReleaseSpinLock(&companion->Lock, irql);
        return CompleteRequest(irp, STATUS_UNSUCCESSFUL);
    }
    // A read with no room would take an activity record and deliver nothing of it.
    if (IoGetCurrentIrpStackLocation(irp)->Parameters.Read.Length == 0) {
        KeReleaseSpinLock(&companion->Lock, irql);
        return CompleteRequest(irp, STATUS_SUCCESS);
    }
    if (companion->ActivityWaiting > 0) {
        --companion->ActivityWaiting;
        KeReleaseSpinLock(&companion->Lock, irql);
        return CompleteWithRecord(irp);
    }
    const bool parked = ParkRead(&companion->PendingRead, irp, CancelRead);
    KeReleaseSpinLock(&companion->Lock, irql);
    if (!parked) CompleteRequest(irp, STATUS_CANCELLED);
    return STATUS_PENDING;
}

void FeedActivity(COMPANION_EXTENSION* companion) {
    KIRQL irql;
    KeAcquireSpinLock(&companion->Lock, &irql);
    PIRP read = TakeParkedRead(&companion->PendingRead);
    if (read == nullptr && companion->ActivityWaiting < LVX_ACTIVITY_LIMIT) ++companion->ActivityWaiting;
    KeReleaseSpinLock(&companion->Lock, irql);
    if (read != nullptr) CompleteWithRecord(read);
}

NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
    COMPANION_EXTENSION* companion = ExtensionOf(device);
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const ULONG input = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG output = stack->Parameters.DeviceIoControl.OutputBufferLength;
    UCHAR* buffer = static_cast<UCHAR*>(irp->AssociatedIrp.SystemBuffer);
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_SET_LOCK:
        if (input < 1) return CompleteRequest(irp, STATUS_INVALID_PARAMETER);
        companion->Kept.LockByte = buffer[0];
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IOCTL_DISABLE_KEYS:
        if (input < sizeof(DISABLE_KEYS_INPUT)) return CompleteRequest(irp, STATUS_INVALID_PARAMETER);
        RtlCopyMemory(&companion->Kept.DisabledKeys, buffer, sizeof(DISABLE_KEYS_INPUT));
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IOCTL_LVX_TEST_FEED_ACTIVITY:
        FeedActivity(companion);
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IOCTL_LVX_TEST_GET_STATE:
        if (output < sizeof(LVX_KEPT_STATE)) return CompleteRequest(irp, STATUS_BUFFER_TOO_SMALL);
        RtlCopyMemory(buffer, &companion->Kept, sizeof(LVX_KEPT_STATE));
        return CompleteRequest(irp, STATUS_SUCCESS, sizeof(LVX_KEPT_STATE));
    default:
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
}

// The closing handle's pending read ends with it, so the next reader finds the place free:
// at its cleanup on Windows, at its close under Wine, which sends no cleanup.
void EndReadOfClosingFile(PDEVICE_OBJECT device, PIRP irp) {
    COMPANION_EXTENSION* companion = ExtensionOf(device);
    CancelParkedReadOf(&companion->PendingRead, &companion->Lock, IoGetCurrentIrpStackLocation(irp)->FileObject);
}

NTSTATUS NTAPI DispatchClose(PDEVICE_OBJECT device, PIRP irp) {
    EndReadOfClosingFile(device, irp);
    return CompleteRequest(irp, STATUS_SUCCESS);
}

// The cleanup is then refused like every request the device doesn't serve.
NTSTATUS NTAPI DispatchCleanup(PDEVICE_OBJECT device, PIRP irp) {
    EndReadOfClosingFile(device, irp);
    return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
}

NTSTATUS NTAPI DispatchCreate(PDEVICE_OBJECT, PIRP irp) { return CompleteRequest(irp, STATUS_SUCCESS); }

NTSTATUS NTAPI DispatchOther(PDEVICE_OBJECT, PIRP irp) { return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST); }

VOID NTAPI DriverUnload(PDRIVER_OBJECT driver) { DeleteNamedDevice(driver->DeviceObject, &LinkName); }

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    PDEVICE_OBJECT device = nullptr;
    const NTSTATUS status = CreateNamedDevice(driver, sizeof(COMPANION_EXTENSION), &DeviceName, &LinkName, &device);
    if (!NT_SUCCESS(status)) return status;
    KeInitializeSpinLock(&ExtensionOf(device)->Lock);

    DispatchAllTo(driver, DispatchOther);
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCleanup;
    driver->MajorFunction[IRP_MJ_READ] = DispatchRead;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
