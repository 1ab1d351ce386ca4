// Which branch of the low-level mouse hook one event takes.
#pragma once

#include <stdint.h>

enum class LowLevelAction {
    PassOn,       // to the next hook, unchanged
    Wheel,        // a wheel notch: scroll the focus window
    OpenZoom,     // consumed
    CloseZoom,    // consumed
    FollowZoom,   // move the open zoom window to the pointer, then pass on
    RunFunction,  // consumed
};

constexpr int kHookAction = 0;  // HC_ACTION

// `wheel_message` is the message the hook treats as a notch (WM_MOUSEWHEEL).
LowLevelAction RouteLowLevelEvent(int code, uint32_t message, uint32_t wheel_message,
                                  uint32_t wheel_button, bool zoom_open);
