#include "driver/kernel/control_device_record.h"

namespace {

constexpr UCHAR INITIAL_MODE = 2;

}  // namespace

PDEVICE_OBJECT pGlobalCtrl = nullptr;

void InitControlDeviceRecord(PFILTER_EXTENSION controlRecord) {
    InitializeListHead(&controlRecord->DeviceList);
    KeInitializeSpinLock(&controlRecord->DeviceListLock);
    controlRecord->Mode = INITIAL_MODE;
    EventFifoInit(controlRecord->EventQueue);
    KeInitializeSpinLock(&controlRecord->EventLock);
    KeInitializeSpinLock(&controlRecord->ReadLock);
}
