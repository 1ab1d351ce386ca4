#include "wheelhook/logic/low_level_route.h"

#include "wheelhook/logic/platform_codes.h"
#include "wheelhook/logic/wheel_settings.h"

namespace {

bool ClosesZoom(uint32_t message) {
    switch (message) {
    case msg::kNcLButtonDown:
    case msg::kNcRButtonDown:
    case msg::kNcMButtonDown:
    case msg::kLButtonDown:
    case KB_WM_RBUTTONDOWN:
    case msg::kMButtonDown:
        return true;
    default:
        return false;
    }
}

LowLevelAction RouteZoom(uint32_t message, bool zoom_open) {
    if (zoom_open) {
        if (ClosesZoom(message)) return LowLevelAction::CloseZoom;
        if (message == msg::kMouseMove || message == msg::kNcMouseMove)
            return LowLevelAction::FollowZoom;
        return LowLevelAction::PassOn;
    }
    if (message == msg::kMButtonDown || message == msg::kNcMButtonDown)
        return LowLevelAction::OpenZoom;
    return LowLevelAction::PassOn;
}

}  // namespace

LowLevelAction RouteLowLevelEvent(int code, uint32_t message, uint32_t wheel_message,
                                  uint32_t wheel_button, bool zoom_open) {
    if (code != kHookAction) return LowLevelAction::PassOn;
    if (message == wheel_message) return LowLevelAction::Wheel;
    switch (wheel_button) {
    case kWheelButtonZoom:
        return RouteZoom(message, zoom_open);
    case kWheelButtonFunction:
        return message == msg::kMButtonDown ? LowLevelAction::RunFunction : LowLevelAction::PassOn;
    default:
        return LowLevelAction::PassOn;
    }
}
