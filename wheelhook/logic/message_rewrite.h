// How the message hook rewrites a WM_MOUSEWHEEL that still reaches an application: a scaled
// delta in line mode, keystrokes for page mode and for horizontal scrolling.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/wheel_settings.h"

struct WheelRewrite {
    uint32_t wparam;     // the message's new wParam: key flags kept, delta replaced
    uint8_t key;         // key to press, 0 for none
    uint32_t key_count;  // how many times
};

// `wparam` is the message's wParam: delta in the high 16 bits, key flags in the low 16.
WheelRewrite RewriteWheelMessage(const WheelSettings& settings, uint32_t wparam, bool shift_down);
