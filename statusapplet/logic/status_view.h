// What the status dialog shows for a status table: which device buttons are enabled and which
// one is drawn pressed, the lock box, and the chosen device's channel, id and battery. Decided
// here, without the platform; the dialog turns a view into calls on its controls.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

namespace applet {

// The selected index while no device is chosen.
constexpr int kNoDevice = -1;

// Room for the decimal text of any 16-bit value plus one, and its NUL.
constexpr int kNumberTextSize = 8;

struct StatusView {
    bool button_enabled[DEVICE_KIND_COUNT];  // by record index
    int pressed;                             // the record index drawn pressed, or kNoDevice
    bool lock_enabled;
    bool lock_ticked;      // what the box shows while it is enabled
    bool details_enabled;  // channel, id and battery; while disabled the two texts keep what they showed
    int battery_bitmap;    // resource of the battery picture
    char channel_text[kNumberTextSize];  // set only while the details are enabled
    char id_text[kNumberTextSize];
};

// The lowest record index whose device is linked, or kNoDevice.
int FirstLinked(const RF_DATA& table);

// The selection once the view is refreshed: a device that is no longer linked is let go.
int SelectionAfterRefresh(const RF_DATA& table, int selected);

// The view of a table with `selected` chosen (already passed through SelectionAfterRefresh);
// the lock box is ticked by bit 4 of `lock_flags`.
StatusView BuildView(const RF_DATA& table, int selected, uint8_t lock_flags);

// A value as the dialog writes its numbers: decimal, no sign, no padding.
void FormatNumber(unsigned value, char (&text)[kNumberTextSize]);

}  // namespace applet
