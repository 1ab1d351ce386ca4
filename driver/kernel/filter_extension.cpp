#include "driver/kernel/filter_extension.h"

namespace {

constexpr UCHAR INITIAL_MODE = 2;

}  // namespace

PDEVICE_OBJECT pGlobalCtrl = nullptr;

void InitFilterExtension(PFILTER_EXTENSION filter) {
    InitializeListHead(&filter->DeviceList);
    KeInitializeSpinLock(&filter->DeviceListLock);
    filter->Mode = INITIAL_MODE;
    EventFifoInit(filter->EventQueue);
    KeInitializeSpinLock(&filter->EventLock);
    KeInitializeSpinLock(&filter->ReadLock);
}
