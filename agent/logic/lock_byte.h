// The receiver's lock as the agent applies it at start: "USB Lock" becomes the byte both filters
// take, and the value is written back as exactly 0 or 1 once the companion filter took it.
#pragma once

#include <cstdint>

// 0 when the value is 0; otherwise its low byte with bit 7 set (256 locks too).
uint8_t LockByteFromValue(uint32_t usb_lock);

// Whether "USB Lock" is rewritten as locked (1) or not (0) after the byte was sent.
inline bool UsbLockWrittenBack(uint8_t lock_byte) { return lock_byte != 0; }
