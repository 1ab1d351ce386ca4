#include "agent/logic/lock_byte.h"

#include "common/control_interface.h"

uint8_t LockByteFromValue(uint32_t usb_lock) {
    if (usb_lock == 0) return 0;
    return static_cast<uint8_t>((usb_lock & 0xFF) | LOCK_BYTE_ON_BIT);
}
