// AddDevice: the Plug and Play manager hands the filter one hot-key interface at a time.
#include "common/control_interface.h"
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/event_queue.h"
#include "driver/kernel/filter_device_record.h"

NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT DriverObject, PDEVICE_OBJECT PhysicalDeviceObject) {
    KB_CHECK_PAGEABLE();
    // The I/O method is not copied from the device below: the filter takes its transfers by
    // direct I/O. Its power paging is (kernelsupport/kernel/filter_device.h).
    PDEVICE_EXTENSION filterRecord = nullptr;
    const NTSTATUS status = CreateFilterDevice(DriverObject, PhysicalDeviceObject, DO_DIRECT_IO, &filterRecord);
    if (!NT_SUCCESS(status)) return status;
    KeInitializeEvent(&filterRecord->StartEvent, NotificationEvent, FALSE);

    PFILTER_EXTENSION controlRecord = ControlRecord();
    KIRQL irql;
    KeAcquireSpinLock(&controlRecord->DeviceListLock, &irql);
    InsertHeadList(&controlRecord->DeviceList, &filterRecord->Link);
    InterlockedIncrement(&controlRecord->DeviceCount);
    KeReleaseSpinLock(&controlRecord->DeviceListLock, irql);

    Filter_WriteEvent(controlRecord, EVENT_RECEIVER_ADDED);  // for a reader, if one listens
    return STATUS_SUCCESS;
}
