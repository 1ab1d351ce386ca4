// Injected wheel notches reach the real library's low-level hook and come out as scroll
// messages posted to the list box that has the focus.
#include "wheelhook/tests/wine/hook_fixture.h"

#include <string>

#include "common/registry_names.h"
#include "wheelhook/logic/wheel_settings.h"
#include "wheelhook/wheelhook.h"

namespace wheeltest {
namespace {

using ScrollTest = WheelHookTest;

void ExpectPosts(const std::vector<Posted>& posts, size_t count, UINT message, WPARAM code) {
    ASSERT_EQ(posts.size(), count);
    for (const Posted& p : posts) {
        EXPECT_EQ(p.message, message);
        EXPECT_EQ(p.wparam, code);
        EXPECT_EQ(p.lparam, 0);
    }
}

TEST_F(ScrollTest, NotchBecomesLineScrollsOfTheListBox) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 3);
    Install();
    ExpectPosts(ScrollPostsAfterNotch(-WHEEL_DELTA), 3, WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(SendMessageA(list_, LB_GETTOPINDEX, 0, 0), 3) << "the list box scrolled three rows down";
    ExpectPosts(ScrollPostsAfterNotch(WHEEL_DELTA), 3, WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(SendMessageA(list_, LB_GETTOPINDEX, 0, 0), 0) << "and back up";
}

TEST_F(ScrollTest, ReverseAndPageModeFromTheRegistry) {
    WriteWheelSetting(KB_VAL_SCROLL_MODE, 1);
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 5);
    WriteWheelSetting(KB_VAL_SCROLL_REVERSE, 1);
    Install();
    ExpectPosts(ScrollPostsAfterNotch(WHEEL_DELTA), 1, WM_VSCROLL, SB_PAGEDOWN);
}

// The low-level hook posts every line before it returns. A huge stored "Scroll Line" posts
// no more per notch than the message hook would scroll; first a value the platform's queue
// could hold whole, so that posting all of it fails here rather than filling the queue.
TEST_F(ScrollTest, HugeLineCountPostsABoundedNumberPerNotch) {
    for (DWORD stored : {5000ul, 0xFFFFFFFFul}) {
        SCOPED_TRACE(stored);
        WriteWheelSetting(KB_VAL_SCROLL_LINE, stored);
        Install();
        ASSERT_EQ(ScrollPostsAfterNotch(WHEEL_DELTA).size(), kMaxLinesPerNotch);
        ASSERT_EQ(ScrollPostsAfterNotch(-WHEEL_DELTA).size(), kMaxLinesPerNotch)
            << "and as many again on the next notch";
    }
}

TEST_F(ScrollTest, InjectedPlusAndMinusOneScrollSideways) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 2);
    Install();
    ExpectPosts(ScrollPostsAfterNotch(1), 2, WM_HSCROLL, SB_LINELEFT);
    ExpectPosts(ScrollPostsAfterNotch(-1), 2, WM_HSCROLL, SB_LINERIGHT);
}

TEST_F(ScrollTest, SecondInstallReplacesTheFirst) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 3);
    Install();
    Install();
    ExpectPosts(ScrollPostsAfterNotch(WHEEL_DELTA), 3, WM_VSCROLL, SB_LINEUP);
    // One removal takes every hook out: nothing is left to turn the notch into posts.
    ASSERT_NE(InstallMouseFilter(0, nullptr), 0);
    installed_ = false;
    EXPECT_TRUE(ScrollPostsAfterNotch(WHEEL_DELTA).empty());
    EXPECT_NE(InstallMouseFilter(0, nullptr), 0) << "removing again is harmless";
}

TEST_F(ScrollTest, ProcWheelExScrollsTheGivenWindow) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 4);
    Install();
    ClearSeen();
    EXPECT_EQ(ProcWheelEx(list_, 0, -WHEEL_DELTA), 0);
    ASSERT_TRUE(PostMarkerAndWait());
    ExpectPosts(ScrollPosts(), 4, WM_VSCROLL, SB_LINEDOWN);
}

// A scroll-bar control inside a window without scroll styles is what the window scrolls by.
TEST_F(ScrollTest, ScrollBarControlOfTheFocusWindowIsTheLParam) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 1);
    Install();
    HWND pane = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 220, 10, 100, 100, frame_,
                                nullptr, nullptr, nullptr);
    HWND bar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_VERT, 80, 0, 16, 100,
                               pane, nullptr, nullptr, nullptr);
    ASSERT_TRUE(pane && bar);
    ClearSeen();
    EXPECT_EQ(ProcWheelEx(pane, 0, WHEEL_DELTA), 0);
    PumpUntil([&] {
        for (const Posted& p : Seen())
            if (p.window == pane && p.message == WM_VSCROLL) return true;
        return false;
    });
    bool found = false;
    for (const Posted& p : Seen()) {
        if (p.window != pane || p.message != WM_VSCROLL) continue;
        found = true;
        EXPECT_EQ(p.wparam, static_cast<WPARAM>(SB_LINEUP));
        EXPECT_EQ(p.lparam, reinterpret_cast<LPARAM>(bar));
    }
    EXPECT_TRUE(found);
}

// The browser's document window gets the wheel message itself, rewritten by the message hook
// as it leaves the queue: 40 units per line, whatever the notch's size.
TEST_F(ScrollTest, BrowserDocumentGetsARewrittenWheelMessage) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Internet Explorer_Server";
    RegisterClassA(&wc);
    HWND browser = CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                                   220, 10, 150, 150, frame_, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(browser, nullptr);
    SetFocus(browser);
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 2);
    Install();
    ClearSeen();
    SetCursorPos(400, 200);  // Wine sends the wheel to the window under the pointer
    InjectWheel(-2 * WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return SawMessage(browser, WM_MOUSEWHEEL); }));
    for (const Posted& p : Seen()) {
        if (p.window != browser || p.message != WM_MOUSEWHEEL) continue;
        EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(p.wparam), -80);
    }
    EXPECT_TRUE(ScrollPosts().empty());
}

// A class name longer than the 128-byte buffer is cut, never written past the buffer's end;
// cut, it no longer names the browser, so the window scrolls as any other.
TEST_F(ScrollTest, LongClassNameIsCutToTheBuffer) {
    const std::string name = "Internet Explorer_Server" + std::string(150, 'x');
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name.c_str();
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, name.c_str(), "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 220, 10,
                                  150, 150, frame_, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetFocus(window);
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 2);
    Install();
    ClearSeen();
    InjectWheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return SawMessage(window, WM_VSCROLL); }));
    DestroyWindow(window);
}

}  // namespace
}  // namespace wheeltest
