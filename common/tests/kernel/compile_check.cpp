// Built with the kernel flags only to prove that the shared headers compile as driver code,
// next to the kernel's own headers.
#include <ddk/wdm.h>
#include <usbioctl.h>

#include "common/control_interface.h"
#include "common/device_kinds.h"

static_assert(IOCTL_GET_RF_DATA == CTL_CODE(FILE_DEVICE_UNKNOWN, 0x800, METHOD_BUFFERED, FILE_ANY_ACCESS),
              "the driver's control codes agree with the kernel's CTL_CODE");
static_assert(KB_IOCTL_INTERNAL_USB_SUBMIT_URB == IOCTL_INTERNAL_USB_SUBMIT_URB,
              "the URB submission code agrees with the kernel's");
