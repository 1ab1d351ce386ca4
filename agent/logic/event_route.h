// What the agent's readers make of what they read: the hot-key filter's events (code, auxiliary
// byte), the low-battery mask of a status table, and the hot-key codes a window message may
// carry from any process.
#pragma once

#include <cstdint>

#include "common/control_interface.h"

enum class EventRoute {
    FetchStatusTable,  // code 0: the status table to the tray as a low-battery mask
    StatusReport,      // code 99: tray activity, and perhaps a horizontal wheel step
    Ignore,            // 100, 101: a receiver came or went
    HotKey,            // anything else, the release code 50 included, to the main window
};

EventRoute RouteFilterEvent(uint8_t code);

// The wheel delta a status report injects: 0 for none (auxiliary byte 0), -1 for 1, +1 for any
// other value. A delta of one, not a notch of 120, is how the horizontal-scroll keys reach the
// wheel hook.
int WheelDeltaOfStatusReport(uint8_t aux_byte);

// Bit k set when record k of the table reports a low battery.
uint8_t LowBatteryMask(const RF_DATA& table);

// Codes the dispatcher can act on: 1 to 23. Anything a message carries outside that range has
// no action and must never pick a table row.
constexpr uint32_t KB_FIRST_HOT_KEY_CODE = 1;
constexpr uint32_t KB_LAST_HOT_KEY_CODE = 23;
inline bool IsHotKeyCode(uint64_t value) { return value >= KB_FIRST_HOT_KEY_CODE && value <= KB_LAST_HOT_KEY_CODE; }
