#include "wheelhook/logic/low_level_route.h"

#include "common/win32_numbers.h"
#include "wheelhook/logic/wheel_settings.h"

namespace {

bool ClosesZoom(uint32_t message) {
    switch (message) {
    case KB_WM_NCLBUTTONDOWN:
    case KB_WM_NCRBUTTONDOWN:
    case KB_WM_NCMBUTTONDOWN:
    case KB_WM_LBUTTONDOWN:
    case KB_WM_RBUTTONDOWN:
    case KB_WM_MBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

LowLevelAction RouteZoom(uint32_t message, bool zoom_open) {
    if (zoom_open) {
        if (ClosesZoom(message)) return LowLevelAction::CloseZoom;
        if (message == KB_WM_MOUSEMOVE || message == KB_WM_NCMOUSEMOVE)
            return LowLevelAction::FollowZoom;
        return LowLevelAction::PassOn;
    }
    if (message == KB_WM_MBUTTONDOWN || message == KB_WM_NCMBUTTONDOWN)
        return LowLevelAction::OpenZoom;
    return LowLevelAction::PassOn;
}

}  // namespace

LowLevelAction RouteLowLevelEvent(int code, uint32_t message, uint32_t wheel_message,
                                  uint32_t wheel_button, bool zoom_open) {
    if (code != kHookAction) return LowLevelAction::PassOn;
    if (message == wheel_message) return LowLevelAction::Wheel;
    switch (wheel_button) {
    case KB_WHEEL_BUTTON_ZOOM:
        return RouteZoom(message, zoom_open);
    case KB_WHEEL_BUTTON_FUNCTION:
        return message == KB_WM_MBUTTONDOWN ? LowLevelAction::RunFunction : LowLevelAction::PassOn;
    default:
        return LowLevelAction::PassOn;
    }
}
