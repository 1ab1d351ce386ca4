// The status dialog as it looks, from a capture of its pixels: the device buttons on their
// curve, the logo drawn with its white let through, the chosen device's button drawn pressed,
// the caption colours of hovering and of disabled buttons, and the buttons' own pointer.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/button_look.h"
#include "statusapplet/logic/status_layout.h"
#include "statusapplet/tests/wine/applet_fixture.h"
#include "tools/capture/window_capture.h"
#include "tools/winetest/test_support.h"

namespace {

using applet::kCurvePointCount;
using applet::kCurvePoints;
using applet::kDeviceButtons;
using applet::kLogoOrigin;
using applet_test::AppletWithReceiver;
using Capture = capture::Pixels;
using capture::CaptureClient;
using applet_test::DeviceButton;

// The lamp of the chosen device's icon and the one of the others, at the icon's centre
// (art/device.art, colours "b" and "h" of art/skyrel.pal).
constexpr COLORREF kChosenLamp = RGB(0x2f, 0x62, 0xd0);
constexpr COLORREF kOtherLamp = RGB(0xdf, 0xdf, 0xdf);
constexpr int kIconSize = 16;

class DialogPixels : public AppletWithReceiver {
protected:
    RECT ClientRectOf(HWND control) const {
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // How many pixels of `colour` the capture holds inside `area`.
    static int Count(const Capture& capture, const RECT& area, COLORREF colour) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (capture.Contains(x, y) && capture.ColourAt(x, y) == colour) ++count;
            }
        }
        return count;
    }

    // The caption of a device button: beside its icon.
    RECT CaptionArea(int record_index) const {
        RECT area = ClientRectOf(DeviceButton(dialog(), record_index));
        area.left += kIconSize;
        return area;
    }

    COLORREF LampOf(const Capture& capture, int record_index) const {
        const RECT area = ClientRectOf(DeviceButton(dialog(), record_index));
        return capture.ColourAt(area.left + kIconSize / 2, (area.top + area.bottom) / 2);
    }

    // The longest row of `colour` inside `area`: an underline is one.
    static int LongestRun(const Capture& capture, const RECT& area, COLORREF colour) {
        int longest = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            int run = 0;
            for (int x = area.left; x < area.right; ++x) {
                run = capture.Contains(x, y) && capture.ColourAt(x, y) == colour ? run + 1 : 0;
                if (run > longest) longest = run;
            }
        }
        return longest;
    }
};

POINT BezierPoint(const applet::Point* p, double t) {
    const double u = 1 - t;
    const double x = u * u * u * p[0].x + 3 * u * u * t * p[1].x + 3 * u * t * t * p[2].x + t * t * t * p[3].x;
    const double y = u * u * u * p[0].y + 3 * u * u * t * p[1].y + 3 * u * t * t * p[2].y + t * t * t * p[3].y;
    return POINT{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
}

bool BlackNear(const Capture& capture, POINT point) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (capture.Contains(point.x + dx, point.y + dy) && capture.ColourAt(point.x + dx, point.y + dy) == RGB(0, 0, 0)) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(DialogPixels, TheButtonsSitOnTheirCurveOverTheLogo) {
    Open();
    std::vector<RECT> buttons;
    for (const applet::DeviceButtonPlace& place : kDeviceButtons) {
        const RECT rect = ClientRectOf(GetDlgItem(dialog(), place.control_id));
        EXPECT_EQ(rect.left, place.position.x) << place.control_id;
        EXPECT_EQ(rect.top, place.position.y) << place.control_id;
        buttons.push_back(rect);
    }

    const Capture capture = CaptureClient(dialog());
    ASSERT_FALSE(capture.rgb.empty());
    int looked_at = 0, missing = 0;
    for (int segment = 0; segment + 3 < kCurvePointCount; segment += 3) {
        for (int step = 0; step <= 100; ++step) {
            const POINT point = BezierPoint(&kCurvePoints[segment], step / 100.0);
            bool covered = !capture.Contains(point.x, point.y);
            for (const RECT& button : buttons) {
                RECT around = button;
                InflateRect(&around, 2, 2);
                covered = covered || PtInRect(&around, point);
            }
            if (covered) continue;
            ++looked_at;
            if (!BlackNear(capture, point)) ++missing;
        }
    }
    EXPECT_GT(looked_at, 100) << "the curve shows between the buttons";
    EXPECT_EQ(missing, 0) << "points of the curve with no line drawn";

    HBITMAP logo = static_cast<HBITMAP>(
        LoadImageA(library_.module(), MAKEINTRESOURCEA(KB_IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const Capture drawing = capture::PixelsOf(logo);
    DeleteObject(logo);
    ASSERT_EQ(drawing.width, 180);
    ASSERT_EQ(drawing.height, 100);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int white = 0, wrong = 0;
    for (int y = 0; y < drawing.height; ++y) {
        for (int x = 0; x < drawing.width; ++x) {
            const COLORREF pixel = drawing.ColourAt(x, y);
            const COLORREF expected = pixel == RGB(255, 255, 255) ? face : pixel;
            if (pixel == RGB(255, 255, 255)) ++white;
            if (capture.ColourAt(kLogoOrigin.x + x, kLogoOrigin.y + y) != expected) ++wrong;
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_EQ(wrong, 0) << "logo pixels not as drawn, or white not let through to the button face";
}

TEST_F(DialogPixels, TheChosenButtonIsDrawnPressedAndADisabledOneEmbossed) {
    ReportDevice(DEVICE_TEN_KEY_PAD, 0, 1, 0);
    ReportDevice(DEVICE_MOUSE, 0, 2, 0);
    Open();
    const Capture capture = CaptureClient(dialog());
    const COLORREF blue = applet::kPressedRgb;
    EXPECT_EQ(LampOf(capture, DEVICE_TEN_KEY_PAD), kChosenLamp) << "the chosen device's icon";
    EXPECT_GT(Count(capture, CaptionArea(DEVICE_TEN_KEY_PAD), blue), 0) << "its caption in blue";
    EXPECT_GT(LongestRun(capture, CaptionArea(DEVICE_TEN_KEY_PAD), blue), 40) << "and underlined";

    EXPECT_EQ(LampOf(capture, DEVICE_MOUSE), kOtherLamp);
    EXPECT_EQ(Count(capture, CaptionArea(DEVICE_MOUSE), blue), 0);
    EXPECT_GT(Count(capture, CaptionArea(DEVICE_MOUSE), GetSysColor(COLOR_BTNTEXT)), 0);

    const RECT keyboard = CaptionArea(DEVICE_KEYBOARD);
    EXPECT_NE(LampOf(capture, DEVICE_KEYBOARD), kOtherLamp) << "a disabled button's icon is greyed";
    EXPECT_GT(Count(capture, keyboard, GetSysColor(COLOR_3DSHADOW)), 0) << "embossed: the shadow";
    EXPECT_GT(Count(capture, keyboard, GetSysColor(COLOR_3DHILIGHT)), 0) << "and the highlight below it";
    EXPECT_EQ(Count(capture, keyboard, GetSysColor(COLOR_BTNTEXT)), 0);
}

TEST_F(DialogPixels, APointerOverAButtonOfTheActiveDialogColoursItsCaptionNavy) {
    ReportDevice(DEVICE_TEN_KEY_PAD, 0, 1, 0);
    ReportDevice(DEVICE_MOUSE, 0, 2, 0);
    Open();
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(dialog_->thread_id(), &info));
    ASSERT_EQ(info.hwndActive, dialog()) << "the dialog is its thread's active window";
    const COLORREF navy = applet::kHoveredRgb;
    HWND mouse = DeviceButton(dialog(), DEVICE_MOUSE);
    HWND ten_key_pad = DeviceButton(dialog(), DEVICE_TEN_KEY_PAD);

    SendMessageA(mouse, WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
    Capture capture = CaptureClient(dialog());
    EXPECT_GT(LongestRun(capture, CaptionArea(DEVICE_MOUSE), navy), 20) << "navy and underlined";
    SendMessageA(mouse, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Count(CaptureClient(dialog()), CaptionArea(DEVICE_MOUSE), navy), 0) << "the pointer left";

    SendMessageA(ten_key_pad, WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
    capture = CaptureClient(dialog());
    EXPECT_GT(Count(capture, CaptionArea(DEVICE_TEN_KEY_PAD), navy), 0) << "hovering outranks the pressed blue";
    EXPECT_EQ(Count(capture, CaptionArea(DEVICE_TEN_KEY_PAD), applet::kPressedRgb), 0);
    SendMessageA(ten_key_pad, WM_MOUSELEAVE, 0, 0);
    EXPECT_GT(Count(CaptureClient(dialog()), CaptionArea(DEVICE_TEN_KEY_PAD), applet::kPressedRgb), 0);
}

TEST_F(DialogPixels, APointerOverAButtonOfAnInactiveDialogChangesNothing) {
    ReportDevice(DEVICE_MOUSE, 0, 2, 0);
    Open();
    HWND mouse = DeviceButton(dialog(), DEVICE_MOUSE);
    // A window of another thread takes the activation.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    // The dialog's thread hears of the change in its own time.
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < winetest::WAIT_LIMIT_MS; Sleep(10)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        GetGUIThreadInfo(dialog_->thread_id(), &info);
        if (info.hwndActive != dialog()) break;
    }
    ASSERT_NE(info.hwndActive, dialog()) << "the dialog is no longer active";
    SendMessageA(mouse, WM_MOUSEMOVE, 0, MAKELPARAM(30, 5));
    EXPECT_EQ(Count(CaptureClient(dialog()), CaptionArea(DEVICE_MOUSE), applet::kHoveredRgb), 0);
    DestroyWindow(other);
}

TEST_F(DialogPixels, TheButtonsShowTheirOwnPointer) {
    ReportDevice(DEVICE_MOUSE, 0, 2, 0);
    Open();
    HCURSOR pointer = LoadCursorA(library_.module(), MAKEINTRESOURCEA(KB_IDCUR_DEVICE_POINTER));
    ASSERT_NE(pointer, nullptr);
    for (int kind : {DEVICE_MOUSE, DEVICE_KEYBOARD}) {
        HWND button = DeviceButton(dialog(), kind);
        SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        CURSORINFO shown = {};
        shown.cbSize = sizeof shown;
        ASSERT_TRUE(GetCursorInfo(&shown));
        EXPECT_EQ(shown.hCursor, pointer) << "device kind " << kind;
        SendMessageA(dialog(), WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

}  // namespace
