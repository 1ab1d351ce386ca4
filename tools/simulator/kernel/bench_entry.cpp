// The receiver test bench: a control device "\\.\KBBENCH" through which user mode loads a
// filter driver into this process, plugs and unplugs receivers below it and feeds their
// reports; every other device of this driver is the physical device of a receiver.
#include "tools/simulator/kernel/bench.h"

#include "kernelsupport/kernel/complete_request.h"
#include "kernelsupport/kernel/named_device.h"

namespace bench {

PDRIVER_OBJECT BenchDriver;
PDEVICE_OBJECT ControlDevice;
KSPIN_LOCK Lock;

namespace {

UNICODE_STRING DeviceName = RTL_CONSTANT_STRING(KB_BENCH_DEVICE_NAME_W);
UNICODE_STRING LinkName = RTL_CONSTANT_STRING(KB_BENCH_LINK_NAME_W);

constexpr ULONG FEED_POOL_TAG = 0x68636E42;  // "Bnch" as the pool shows it

// Control requests change the receivers one at a time.
KEVENT ControlTurn;

template <typename T>
const T* Input(PIRP irp, ULONG inLength) {
    return inLength >= sizeof(T) ? static_cast<const T*>(irp->AssociatedIrp.SystemBuffer) : nullptr;
}

// Where a probe goes: the top of a receiver's stack, or the filter's control device for the
// probes that need no open file.
PDEVICE_OBJECT ProbeTarget(const BENCH_PROBE& in) {
    if (in.Receiver == 0) return in.Probe >= BENCH_PROBE_INTERNAL_CONTROL ? FilterControlDevice() : nullptr;
    Receiver* receiver = ReceiverByNumber(in.Receiver);
    return receiver && receiver->Plugged ? receiver->Top : nullptr;
}

NTSTATUS Control(PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    ULONG inLength = stack->Parameters.DeviceIoControl.InputBufferLength;
    ULONG outLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    void* buffer = irp->AssociatedIrp.SystemBuffer;

    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case IOCTL_BENCH_LOAD_FILTER: {
        const BENCH_FILTER* in = Input<BENCH_FILTER>(irp, inLength);
        if (!in) return STATUS_INVALID_PARAMETER;
        NTSTATUS status = LoadFilter(*in);
        irp->IoStatus.Information = 0;
        return status;
    }
    case IOCTL_BENCH_UNLOAD_FILTER:
        irp->IoStatus.Information = 0;
        return UnloadFilter();
    case IOCTL_BENCH_PLUG: {
        const BENCH_PLUG* in = Input<BENCH_PLUG>(irp, inLength);
        if (!in || outLength < sizeof(BENCH_PLUG_RESULT)) return STATUS_INVALID_PARAMETER;
        BENCH_PLUG copy = *in;
        BENCH_PLUG_RESULT result = {};
        NTSTATUS status = Plug(copy, &result);
        RtlCopyMemory(buffer, &result, sizeof result);
        irp->IoStatus.Information = NT_SUCCESS(status) ? sizeof result : 0;
        return status;
    }
    case IOCTL_BENCH_UNPLUG: {
        const BENCH_UNPLUG* in = Input<BENCH_UNPLUG>(irp, inLength);
        if (!in || outLength < sizeof(BENCH_UNPLUG_RESULT)) return STATUS_INVALID_PARAMETER;
        BENCH_UNPLUG copy = *in;
        BENCH_UNPLUG_RESULT result = {};
        NTSTATUS status = Unplug(copy, &result);
        RtlCopyMemory(buffer, &result, sizeof result);
        irp->IoStatus.Information = NT_SUCCESS(status) ? sizeof result : 0;
        return status;
    }
    case IOCTL_BENCH_FEED: {
        if (inLength == 0 || inLength % sizeof(BENCH_REPORT) != 0 ||
            outLength < sizeof(BENCH_FEED_RESULT)) {
            return STATUS_INVALID_PARAMETER;
        }
        // The reports are fed from a copy: the system buffer is also where the result goes.
        ULONG count = inLength / sizeof(BENCH_REPORT);
        auto* reports = static_cast<BENCH_REPORT*>(ExAllocatePoolWithTag(NonPagedPool, inLength, FEED_POOL_TAG));
        if (!reports) return STATUS_INSUFFICIENT_RESOURCES;
        RtlCopyMemory(reports, buffer, inLength);
        BENCH_FEED_RESULT result = {};
        NTSTATUS status = Feed(reports, count, &result);
        ExFreePoolWithTag(reports, FEED_POOL_TAG);
        RtlCopyMemory(buffer, &result, sizeof result);
        irp->IoStatus.Information = sizeof result;
        return status;
    }
    case IOCTL_BENCH_TAKE_HID: {
        ULONG taken = TakeHidRecords(static_cast<BENCH_HID_RECORD*>(buffer), outLength / sizeof(BENCH_HID_RECORD));
        irp->IoStatus.Information = taken * sizeof(BENCH_HID_RECORD);
        return STATUS_SUCCESS;
    }
    case IOCTL_BENCH_PROBE: {
        const BENCH_PROBE* in = Input<BENCH_PROBE>(irp, inLength);
        if (!in || outLength < sizeof(BENCH_PROBE_RESULT) || in->Probe >= BENCH_PROBE_COUNT) {
            return STATUS_INVALID_PARAMETER;
        }
        PDEVICE_OBJECT target = ProbeTarget(*in);
        if (!target) return STATUS_NO_SUCH_DEVICE;
        BENCH_PROBE_RESULT result = SendProbe(target, in->Probe);
        RtlCopyMemory(buffer, &result, sizeof result);
        irp->IoStatus.Information = sizeof result;
        return STATUS_SUCCESS;
    }
    case IOCTL_BENCH_KEYBOARD: {
        const BENCH_KEYBOARD* in = Input<BENCH_KEYBOARD>(irp, inLength);
        if (!in || in->Activities == 0 || in->Activities > BENCH_MAX_ACTIVITIES) return STATUS_INVALID_PARAMETER;
        return FeedKeyboardActivity(in->Activities);
    }
    case IOCTL_BENCH_CLEANUP: {
        const BENCH_CLEANUP* in = Input<BENCH_CLEANUP>(irp, inLength);
        if (!in || outLength < sizeof(BENCH_CLEANUP_RESULT)) return STATUS_INVALID_PARAMETER;
        BENCH_CLEANUP copy = *in;
        BENCH_CLEANUP_RESULT result = {};
        NTSTATUS status = SendCleanup(copy, &result);
        RtlCopyMemory(buffer, &result, sizeof result);
        irp->IoStatus.Information = NT_SUCCESS(status) ? sizeof result : 0;
        return status;
    }
    case IOCTL_BENCH_FAIL_ALLOCATION: {
        const BENCH_FAIL_ALLOCATION* in = Input<BENCH_FAIL_ALLOCATION>(irp, inLength);
        if (!in) return STATUS_INVALID_PARAMETER;
        if (!Filter()) return STATUS_DEVICE_NOT_READY;
        FailAllocation(in->Call);
        return STATUS_SUCCESS;
    }
    case IOCTL_BENCH_STATS: {
        if (outLength < sizeof(BENCH_STATS)) return STATUS_INVALID_PARAMETER;
        BENCH_STATS stats = {};
        FillStats(&stats);
        RtlCopyMemory(buffer, &stats, sizeof stats);
        irp->IoStatus.Information = sizeof stats;
        return STATUS_SUCCESS;
    }
    default:
        irp->IoStatus.Information = 0;
        return STATUS_INVALID_DEVICE_REQUEST;
    }
}

NTSTATUS DispatchControlDevice(PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->MajorFunction) {
    case IRP_MJ_CREATE:
    case IRP_MJ_CLOSE:
    case IRP_MJ_CLEANUP:
        return CompleteRequest(irp, STATUS_SUCCESS);
    case IRP_MJ_DEVICE_CONTROL: {
        KeWaitForSingleObject(&ControlTurn, Executive, KernelMode, FALSE, nullptr);
        irp->IoStatus.Information = 0;
        NTSTATUS status = Control(irp);
        KeSetEvent(&ControlTurn, IO_NO_INCREMENT, FALSE);
        irp->IoStatus.Status = status;
        IoCompleteRequest(irp, IO_NO_INCREMENT);
        return status;
    }
    default:
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
}

NTSTATUS NTAPI Dispatch(PDEVICE_OBJECT device, PIRP irp) {
    if (device == ControlDevice) return DispatchControlDevice(irp);
    return DispatchPhysical(device, irp);
}

VOID NTAPI Unload(PDRIVER_OBJECT) {
    UnloadFilter();
    DeleteNamedDevice(ControlDevice, &LinkName);
}

}  // namespace
}  // namespace bench

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    using namespace bench;
    BenchDriver = driver;
    KeInitializeSpinLock(&Lock);
    KeInitializeEvent(&ControlTurn, SynchronizationEvent, TRUE);
    InitReceivers();

    const NTSTATUS status = CreateNamedDevice(driver, 0, &DeviceName, &LinkName, &ControlDevice);
    if (!NT_SUCCESS(status)) return status;
    DispatchAllTo(driver, Dispatch);
    driver->DriverUnload = Unload;
    return STATUS_SUCCESS;
}
