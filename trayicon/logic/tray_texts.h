// The tooltip texts of the radio and lock-key icons.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tray {

// The notification area of every supported Windows takes a tooltip of 63 characters and a NUL.
constexpr std::size_t kTipCapacity = 64;

struct Tooltip {
    char text[kTipCapacity];
};

// "Battery Normal" for mask 0; otherwise "Battery Low:\n" and the name of each device kind whose
// bit is set, bit 0 first, each followed by a newline; cut to what the notification area takes.
Tooltip BatteryTooltip(std::uint8_t low_battery_mask);

// "NUM  ", "CAPS  " and "SCROLL" for the lock keys the state has on, Num Lock first.
Tooltip LockTooltip(unsigned lock_state);

}  // namespace tray
