#include "trayicon/logic/tray_texts.h"

#include "common/device_kinds.h"
#include "common/private_messages.h"

namespace tray {
namespace {

// Names of the device kinds as the low-battery tooltip shows them, by device-kind index.
const char* const kDeviceNames[DEVICE_KIND_COUNT] = {
    "Keyboard\n", "Ten Key\n", "Mouse\n", "Game Pad 1\n",
    "Game Pad 2\n", "88 Key Keyboard\n", "Space Ball\n", "Touch Pad\n",
};

// Appends as much of `text` as fits, always leaving the tooltip terminated.
void Append(Tooltip& tip, std::size_t& length, const char* text) {
    while (*text != '\0' && length + 1 < kTipCapacity) tip.text[length++] = *text++;
    tip.text[length] = '\0';
}

}  // namespace

Tooltip BatteryTooltip(std::uint8_t low_battery_mask) {
    Tooltip tip{};
    std::size_t length = 0;
    if (low_battery_mask == 0) {
        Append(tip, length, "Battery Normal");
        return tip;
    }
    Append(tip, length, "Battery Low:\n");
    for (int kind = 0; kind < DEVICE_KIND_COUNT; ++kind) {
        if (low_battery_mask & (1u << kind)) Append(tip, length, kDeviceNames[kind]);
    }
    return tip;
}

Tooltip LockTooltip(unsigned lock_state) {
    Tooltip tip{};
    std::size_t length = 0;
    if (lock_state & KB_LOCK_KEY_NUM) Append(tip, length, "NUM  ");
    if (lock_state & KB_LOCK_KEY_CAPS) Append(tip, length, "CAPS  ");
    if (lock_state & KB_LOCK_KEY_SCROLL) Append(tip, length, "SCROLL");
    return tip;
}

}  // namespace tray
