// AddDevice: the Plug and Play manager hands the filter one hot-key interface at a time.
#include "common/control_interface.h"
#include "driver/kernel/attach.h"
#include "driver/kernel/debug_checks.h"
#include "driver/kernel/event_queue.h"
#include "driver/kernel/filter_extension.h"
#include "driver/kernel/io_count.h"

NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT DriverObject, PDEVICE_OBJECT PhysicalDeviceObject) {
    KB_CHECK_PAGEABLE();
    PDEVICE_OBJECT device = nullptr;
    const NTSTATUS status =
        IoCreateDevice(DriverObject, sizeof(DEVICE_EXTENSION), nullptr, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;

    PDEVICE_EXTENSION hidData = FilterDeviceRecord(device);
    hidData->Removed = 0;
    hidData->TopOfStack = nullptr;
    hidData->Self = device;
    KeInitializeEvent(&hidData->StartEvent, NotificationEvent, FALSE);
    KeInitializeEvent(&hidData->RemoveEvent, SynchronizationEvent, FALSE);
    hidData->IoCount = 1;

    // Attached before it is published: a device with nothing below it would pass requests to
    // nowhere, so it is deleted again before anyone could have seen it.
    hidData->TopOfStack = IoAttachDeviceToDeviceStack(device, PhysicalDeviceObject);
    KB_CHECK(NULL != hidData->TopOfStack);
    if (hidData->TopOfStack == nullptr) {
        IoDeleteDevice(device);
        return STATUS_NO_SUCH_DEVICE;
    }
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    device->Flags |= DO_DIRECT_IO;

    PFILTER_EXTENSION filter = ControlExtension();
    KIRQL irql;
    KeAcquireSpinLock(&filter->DeviceListLock, &irql);
    InsertHeadList(&filter->DeviceList, &hidData->Link);
    InterlockedIncrement(&filter->DeviceCount);
    KeReleaseSpinLock(&filter->DeviceListLock, irql);

    if (filter->ReaderOpen) Filter_WriteEvent(filter, EVENT_RECEIVER_ADDED);
    return STATUS_SUCCESS;
}
