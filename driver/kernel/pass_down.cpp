#include "driver/kernel/pass_down.h"

#include "driver/kernel/device_extension.h"

NTSTATUS PassDown(PDEVICE_OBJECT filterDevice, PIRP irp) {
    PDEVICE_EXTENSION device = static_cast<PDEVICE_EXTENSION>(filterDevice->DeviceExtension);
    IoSkipCurrentIrpStackLocation(irp);
    return IoCallDriver(device->TopOfStack, irp);
}
