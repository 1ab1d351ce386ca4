#include "wheelhook/logic/low_level_route.h"

#include <gtest/gtest.h>

#include "common/win32_numbers.h"
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
        {"wheel first, in any mode", 0, KB_WM_MOUSEWHEEL, KB_WHEEL_BUTTON_FUNCTION, false, A::Wheel},
        {"wheel while zoomed", 0, KB_WM_MOUSEWHEEL, KB_WHEEL_BUTTON_ZOOM, true, A::Wheel},
        {"not an action", 3, KB_WM_MOUSEWHEEL, KB_WHEEL_BUTTON_ZOOM, false, A::PassOn},
        {"not an action, zoom button", 3, KB_WM_MBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, false, A::PassOn},
        {"wheel button opens zoom", 0, KB_WM_MBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, false, A::OpenZoom},
        {"frame wheel button opens", 0, KB_WM_NCMBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, false, A::OpenZoom},
        {"release passes", 0, KB_WM_MBUTTONUP, KB_WHEEL_BUTTON_ZOOM, false, A::PassOn},
        {"move while closed", 0, KB_WM_MOUSEMOVE, KB_WHEEL_BUTTON_ZOOM, false, A::PassOn},
        {"left click closes", 0, KB_WM_LBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, true, A::CloseZoom},
        {"right click closes", 0, KB_WM_RBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, true, A::CloseZoom},
        {"wheel button closes", 0, KB_WM_MBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, true, A::CloseZoom},
        {"frame left closes", 0, KB_WM_NCLBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, true, A::CloseZoom},
        {"frame right closes", 0, KB_WM_NCRBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, true, A::CloseZoom},
        {"frame wheel closes", 0, KB_WM_NCMBUTTONDOWN, KB_WHEEL_BUTTON_ZOOM, true, A::CloseZoom},
        {"move follows", 0, KB_WM_MOUSEMOVE, KB_WHEEL_BUTTON_ZOOM, true, A::FollowZoom},
        {"frame move follows", 0, KB_WM_NCMOUSEMOVE, KB_WHEEL_BUTTON_ZOOM, true, A::FollowZoom},
        {"release while open", 0, KB_WM_MBUTTONUP, KB_WHEEL_BUTTON_ZOOM, true, A::PassOn},
        {"auto scroll leaves it", 0, KB_WM_MBUTTONDOWN, KB_WHEEL_BUTTON_AUTO_SCROLL, false, A::PassOn},
        {"function on press", 0, KB_WM_MBUTTONDOWN, KB_WHEEL_BUTTON_FUNCTION, false, A::RunFunction},
        {"function not on frame", 0, KB_WM_NCMBUTTONDOWN, KB_WHEEL_BUTTON_FUNCTION, false, A::PassOn},
        {"function release", 0, KB_WM_MBUTTONUP, KB_WHEEL_BUTTON_FUNCTION, false, A::PassOn},
        {"unknown mode", 0, KB_WM_MBUTTONDOWN, 7, true, A::PassOn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RouteLowLevelEvent(c.code, c.message, KB_WM_MOUSEWHEEL, c.button, c.zoom_open),
                  c.action);
    }
}

}  // namespace
