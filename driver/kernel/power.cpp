// Power requests: refused on the control device, passed straight down a filter device's stack.
#include "driver/kernel/control_device_record.h"
#include "driver/kernel/dispatch.h"
#include "driver/kernel/filter_device_record.h"

NTSTATUS NTAPI DispatchPower(PDEVICE_OBJECT device, PIRP irp) {
    if (IsControlDevice(device)) {
        PoStartNextPowerIrp(irp);
        return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST);
    }
    return PassDownPower(FilterRecord(device), irp);
}
