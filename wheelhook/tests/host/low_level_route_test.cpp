#include "wheelhook/logic/low_level_route.h"

#include <gtest/gtest.h>

#include "wheelhook/logic/platform_codes.h"
#include "wheelhook/logic/wheel_settings.h"

namespace {

using A = LowLevelAction;

TEST(LowLevelRoute, EachEventTakesItsBranch) {
    struct Case {
        const char* what;
        int code;
        uint32_t message;
        uint32_t button;
        bool zoom_open;
        A action;
    };
    const Case cases[] = {
        {"wheel first, in any mode", 0, msg::kMouseWheel, kWheelButtonFunction, false, A::Wheel},
        {"wheel while zoomed", 0, msg::kMouseWheel, kWheelButtonZoom, true, A::Wheel},
        {"not an action", 3, msg::kMouseWheel, kWheelButtonZoom, false, A::PassOn},
        {"not an action, zoom button", 3, msg::kMButtonDown, kWheelButtonZoom, false, A::PassOn},
        {"wheel button opens zoom", 0, msg::kMButtonDown, kWheelButtonZoom, false, A::OpenZoom},
        {"frame wheel button opens", 0, msg::kNcMButtonDown, kWheelButtonZoom, false, A::OpenZoom},
        {"release passes", 0, msg::kMButtonUp, kWheelButtonZoom, false, A::PassOn},
        {"move while closed", 0, msg::kMouseMove, kWheelButtonZoom, false, A::PassOn},
        {"left click closes", 0, msg::kLButtonDown, kWheelButtonZoom, true, A::CloseZoom},
        {"right click closes", 0, KB_WM_RBUTTONDOWN, kWheelButtonZoom, true, A::CloseZoom},
        {"wheel button closes", 0, msg::kMButtonDown, kWheelButtonZoom, true, A::CloseZoom},
        {"frame left closes", 0, msg::kNcLButtonDown, kWheelButtonZoom, true, A::CloseZoom},
        {"frame right closes", 0, msg::kNcRButtonDown, kWheelButtonZoom, true, A::CloseZoom},
        {"frame wheel closes", 0, msg::kNcMButtonDown, kWheelButtonZoom, true, A::CloseZoom},
        {"move follows", 0, msg::kMouseMove, kWheelButtonZoom, true, A::FollowZoom},
        {"frame move follows", 0, msg::kNcMouseMove, kWheelButtonZoom, true, A::FollowZoom},
        {"release while open", 0, msg::kMButtonUp, kWheelButtonZoom, true, A::PassOn},
        {"auto scroll leaves it", 0, msg::kMButtonDown, kWheelButtonAutoScroll, false, A::PassOn},
        {"function on press", 0, msg::kMButtonDown, kWheelButtonFunction, false, A::RunFunction},
        {"function not on frame", 0, msg::kNcMButtonDown, kWheelButtonFunction, false, A::PassOn},
        {"function release", 0, msg::kMButtonUp, kWheelButtonFunction, false, A::PassOn},
        {"unknown mode", 0, msg::kMButtonDown, 7, true, A::PassOn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RouteLowLevelEvent(c.code, c.message, msg::kMouseWheel, c.button, c.zoom_open),
                  c.action);
    }
}

}  // namespace
