// The whole road of a wheel setting: the page writes it, its broadcast reaches the real wheel
// hook's zoom window, and the hook, installed by this program as the agent installs it, scrolls
// the next notch by the new setting.
#include <windows.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "common/window_classes.h"
#include "mousepages/tests/wine/mouse_sheet.h"
#include "tools/fixtures/message_pump.h"
#include "tools/fixtures/sheets/page_input.h"
#include "tools/winetest/test_support.h"
#include "wheelhook/wheelhook.h"

namespace mp_test {
namespace {

std::vector<MSG> g_posted;
WNDPROC g_zoom_procedure = nullptr;
int g_settings_changes = 0;

// Counts the page's own announcements (wParam and lParam 0) on their way into the hook's zoom
// window, which goes on to answer them itself.
LRESULT CALLBACK CountingZoomProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WININICHANGE && wParam == 0 && lParam == 0) ++g_settings_changes;
    return CallWindowProcA(g_zoom_procedure, window, message, wParam, lParam);
}

void Record(const MSG& message) { g_posted.push_back(message); }

bool PumpUntil(const std::function<bool()>& done) { return fixtures::PumpUntil(done, winetest::WAIT_LIMIT_MS, Record); }

class WheelHookRoad : public MousePages {
protected:
    void SetUp() override {
        MousePages::SetUp();
        frame_ = CreateWindowExA(0, "STATIC", "scrolled", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 100, 300, 300,
                                 nullptr, nullptr, nullptr, nullptr);
        list_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 200, 200, frame_,
                                nullptr, nullptr, nullptr);
        ASSERT_TRUE(frame_ && list_);
        for (int i = 0; i < 100; ++i) SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
        HWND windows[10] = {frame_};
        ASSERT_NE(InstallMouseFilter(1, windows), 0) << "the hooks are set";
        zoom_ = FindWindowA(KB_CLASS_ZOOM, "OVMSZOOM Window");
        ASSERT_NE(zoom_, nullptr) << "the hook made no zoom window";
        g_zoom_procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(zoom_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingZoomProcedure)));
        g_settings_changes = 0;
    }
    void TearDown() override {
        CloseSheet();
        InstallMouseFilter(0, nullptr);
        SetWindowLongPtrA(zoom_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_zoom_procedure));
        DestroyWindow(zoom_);
        DestroyWindow(frame_);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
        MousePages::TearDown();
    }

    // The scroll messages one notch posts to the list box, which has the focus.
    std::vector<MSG> ScrollsOfANotch(int delta, size_t expected) {
        SetForegroundWindow(frame_);
        SetFocus(list_);
        PumpUntil([] { return true; });
        g_posted.clear();
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(delta);
        EXPECT_EQ(SendInput(1, &input, sizeof input), 1u);
        PumpUntil([&] { return Scrolls().size() >= expected; });
        Sleep(100);
        PumpUntil([] { return true; });
        return Scrolls();
    }

    std::vector<MSG> Scrolls() const {
        std::vector<MSG> scrolls;
        for (const MSG& msg : g_posted)
            if (msg.hwnd == list_ && msg.message == WM_VSCROLL) scrolls.push_back(msg);
        return scrolls;
    }

    HWND frame_ = nullptr;
    HWND list_ = nullptr;
    HWND zoom_ = nullptr;
};

TEST_F(WheelHookRoad, AppliedSettingsReachTheHookAndScrollTheNextNotch) {
    OpenSheet();
    HWND page = Show(kWheelPage);
    SendDlgItemMessageA(page, IDC_SCROLL_LINES, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(page, IDC_SCROLL_LINES, WM_CLEAR, 0, 0);
    Type(page, IDC_SCROLL_LINES, "2");
    sheet().PressApply();
    EXPECT_EQ(g_settings_changes, 1) << "the page's broadcast reached the zoom window";
    std::vector<MSG> scrolls = ScrollsOfANotch(WHEEL_DELTA, 2);
    ASSERT_EQ(scrolls.size(), 2u);
    EXPECT_EQ(scrolls[0].wParam, static_cast<WPARAM>(SB_LINEUP));

    Click(page, IDC_PAGE_MODE);
    Click(page, IDC_REVERSE);
    sheet().PressApply();
    EXPECT_EQ(g_settings_changes, 2);
    scrolls = ScrollsOfANotch(WHEEL_DELTA, 1);
    ASSERT_EQ(scrolls.size(), 1u) << "one page per notch";
    EXPECT_EQ(scrolls[0].wParam, static_cast<WPARAM>(SB_PAGEDOWN)) << "reversed";
}

}  // namespace
}  // namespace mp_test
