#include "wheelhook/logic/scroll_decision.h"

#include <gtest/gtest.h>

#include "tools/fixtures/window_tree.h"

namespace {

constexpr uint32_t kVertBar = KB_SBS_VERT;
constexpr uint32_t kHorzBar = 0;

WheelSettings Lines(uint32_t lines, uint32_t reverse = 0) {
    WheelSettings settings = {0, lines, reverse, 0, 96, 2, 0};
    CorrectWheelSettings(settings);
    return settings;
}

WheelSettings Pages(uint32_t stored_lines, uint32_t reverse = 0) {
    WheelSettings settings = {1, stored_lines, reverse, 0, 96, 2, 0};
    CorrectWheelSettings(settings);
    return settings;
}

struct Expected {
    int result;
    uint32_t message;
    uint32_t code;
    uint32_t count;
};

void ExpectDecision(const ScrollDecision& d, const Expected& e, WindowId target, WindowId bar) {
    EXPECT_EQ(d.result, e.result);
    EXPECT_EQ(d.message, e.message);
    EXPECT_EQ(d.count, e.count);
    if (e.count == 0) return;
    EXPECT_EQ(d.code, e.code);
    EXPECT_EQ(d.target, target);
    EXPECT_EQ(d.scroll_bar, bar);
}

// A list box with its own vertical scroll bar, in a frame window.
class ListBoxFocus : public testing::Test {
protected:
    WindowTree tree_;
    WindowId frame_ = tree_.Add(0, "Frame", 0);
    WindowId list_ = tree_.Add(frame_, "ListBox", KB_WS_VSCROLL);
    WindowId desktop_view_ = tree_.Add(
        tree_.Add(tree_.Add(0, "Progman", 0), "SHELLDLL_DefView", 0), "SysListView32", 0);
};

TEST_F(ListBoxFocus, NotchesBecomeScrollCodesByDirectionReverseAndMode) {
    struct Case {
        const char* what;
        WheelSettings settings;
        int16_t delta;
        bool shift;
        Expected expected;
    };
    const Case cases[] = {
        {"away from the user", Lines(3), 120, false, {0, KB_WM_VSCROLL, KB_SB_LINEUP, 3}},
        {"towards the user", Lines(3), -120, false, {0, KB_WM_VSCROLL, KB_SB_LINEDOWN, 3}},
        {"reversed away", Lines(3, 1), 120, false, {0, KB_WM_VSCROLL, KB_SB_LINEDOWN, 3}},
        {"reversed towards", Lines(3, 1), -120, false, {0, KB_WM_VSCROLL, KB_SB_LINEUP, 3}},
        {"magnitude ignored", Lines(3), 240, false, {0, KB_WM_VSCROLL, KB_SB_LINEUP, 3}},
        {"delta 0 is downward", Lines(2), 0, false, {0, KB_WM_VSCROLL, KB_SB_LINEDOWN, 2}},
        {"delta 0 reversed is upward", Lines(2, 1), 0, false, {0, KB_WM_VSCROLL, KB_SB_LINEUP, 2}},
        {"zero lines scroll one", Lines(0), 120, false, {0, KB_WM_VSCROLL, KB_SB_LINEUP, 1}},
        {"page mode, one per notch", Pages(5), 120, false, {0, KB_WM_VSCROLL, KB_SB_PAGEUP, 1}},
        {"page mode down", Pages(5), -120, false, {0, KB_WM_VSCROLL, KB_SB_PAGEDOWN, 1}},
        {"page mode reversed", Pages(5, 1), 120, false, {0, KB_WM_VSCROLL, KB_SB_PAGEDOWN, 1}},
        {"shift scrolls sideways", Lines(3), 120, true, {0, KB_WM_HSCROLL, KB_SB_LINEUP, 3}},
        {"injected +1 is left", Lines(3), 1, false, {0, KB_WM_HSCROLL, KB_SB_LINEUP, 3}},
        {"injected -1 is right", Lines(3), -1, false, {0, KB_WM_HSCROLL, KB_SB_LINEDOWN, 3}},
        {"+2 is vertical", Lines(3), 2, false, {0, KB_WM_VSCROLL, KB_SB_LINEUP, 3}},
        {"sideways page", Pages(9), -1, false, {0, KB_WM_HSCROLL, KB_SB_PAGEDOWN, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectDecision(DecideFocusWheel(c.settings, tree_, list_, desktop_view_, c.delta, c.shift),
                       c.expected, list_, 0);
    }
}

// Inside the low-level hook every post happens before the hook returns: a huge stored value
// posts no more lines per notch than the message hook would scroll, and page mode one page.
TEST_F(ListBoxFocus, HugeLineCountPostsABoundedNumberPerNotch) {
    for (uint32_t stored : {kMaxLinesPerNotch, kMaxLinesPerNotch + 1, 0xFFFFFFFFu}) {
        SCOPED_TRACE(stored);
        EXPECT_EQ(DecideFocusWheel(Lines(stored), tree_, list_, desktop_view_, 120, false).count,
                  kMaxLinesPerNotch);
        EXPECT_EQ(DecideScroll(Lines(stored), tree_, list_, true, -120).count, kMaxLinesPerNotch)
            << "sideways";
        EXPECT_EQ(DecideScroll(Pages(stored), tree_, list_, false, 120).count, 1u);
    }
}

TEST_F(ListBoxFocus, DesktopIconsDropTheNotch) {
    ExpectDecision(DecideFocusWheel(Lines(3), tree_, desktop_view_, desktop_view_, 120, false),
                   {0, 0, 0, 0}, 0, 0);
}

// No focus found, with or without an icon view to compare it with: the application gets the
// notch as it came.
TEST_F(ListBoxFocus, AnUnknownFocusPassesTheNotchOn) {
    for (WindowId icon_view : {desktop_view_, WindowId{0}}) {
        ExpectDecision(DecideFocusWheel(Lines(3), tree_, 0, icon_view, 120, false), {kWheelPassOn, 0, 0, 0}, 0, 0);
    }
}

TEST(ScrollDecision, BrowserDocumentGetsTheWheelItself) {
    for (const char* name : {"Internet Explorer_Server", "INTERNET EXPLORER_SERVER"}) {
        WindowTree tree;
        const WindowId browser = tree.Add(tree.Add(0, "IEFrame", 0), name, KB_WS_VSCROLL);
        ExpectDecision(DecideFocusWheel(Lines(3), tree, browser, 0, 120, false), {1, 0, 0, 0}, 0, 0);
    }
    WindowTree tree;
    const WindowId other = tree.Add(0, "Internet Explorer_Server2", KB_WS_VSCROLL);
    EXPECT_EQ(DecideFocusWheel(Lines(3), tree, other, 0, 120, false).count, 3u);
}

TEST(ScrollDecision, ScrollBarControlInsideTheFocusIsTheLParam) {
    WindowTree tree;
    const WindowId focus = tree.Add(0, "Canvas", 0);
    const WindowId panel = tree.Add(focus, "Panel", 0);
    const WindowId horz = tree.Add(panel, "ScrollBar", kHorzBar);
    const WindowId vert = tree.Add(panel, "scrollbar", kVertBar);
    tree.Add(focus, "SCROLLBAR", kVertBar);  // later in the enumeration: the first match wins

    ExpectDecision(DecideScroll(Lines(2), tree, focus, false, 120),
                   {0, KB_WM_VSCROLL, KB_SB_LINEUP, 2}, focus, vert);
    ExpectDecision(DecideScroll(Lines(2), tree, focus, true, -120),
                   {0, KB_WM_HSCROLL, KB_SB_LINEDOWN, 2}, focus, horz);
}

TEST(ScrollDecision, ParentWithADirectScrollBarScrollsInsteadOfTheFocus) {
    WindowTree tree;
    const WindowId parent = tree.Add(0, "Document", 0);
    const WindowId focus = tree.Add(parent, "Static", 0);
    const WindowId bar = tree.Add(parent, "ScrollBar", kVertBar);
    ExpectDecision(DecideScroll(Lines(4), tree, focus, false, -120),
                   {0, KB_WM_VSCROLL, KB_SB_LINEDOWN, 4}, parent, bar);
}

TEST(ScrollDecision, ParentWhoseOnlyScrollBarLiesDeeperPassesTheNotchOn) {
    WindowTree tree;
    const WindowId parent = tree.Add(0, "Document", 0);
    const WindowId focus = tree.Add(parent, "Static", 0);
    tree.Add(tree.Add(parent, "Pane", 0), "ScrollBar", kVertBar);
    ExpectDecision(DecideScroll(Lines(4), tree, focus, false, -120), {1, 0, 0, 0}, 0, 0);
}

TEST(ScrollDecision, ParentIsSearchedOnlyWhenTheFocusHasNoScrollStyleAtAll) {
    WindowTree tree;
    const WindowId parent = tree.Add(0, "Document", 0);
    const WindowId focus = tree.Add(parent, "Edit", KB_WS_HSCROLL);
    tree.Add(parent, "ScrollBar", kVertBar);
    // A vertical notch on a window with only a horizontal bar still goes to that window.
    ExpectDecision(DecideScroll(Lines(3), tree, focus, false, 120),
                   {0, KB_WM_VSCROLL, KB_SB_LINEUP, 3}, focus, 0);
}

TEST(ScrollDecision, ScrollBarOfTheOtherDirectionIsNotTaken) {
    WindowTree tree;
    const WindowId focus = tree.Add(0, "Canvas", 0);
    tree.Add(focus, "ScrollBar", kHorzBar);
    ExpectDecision(DecideScroll(Lines(1), tree, focus, false, 120),
                   {0, KB_WM_VSCROLL, KB_SB_LINEUP, 1}, focus, 0);
}

TEST(ScrollDecision, NoWindowLeftNothingPostedButConsumed) {
    WindowTree tree;
    ExpectDecision(DecideScroll(Lines(3), tree, 77, false, 120), {0, KB_WM_VSCROLL, 0, 0}, 0, 0);
}

TEST(ScrollDecision, ScrollBarRecognisedByClassAndDirection) {
    EXPECT_TRUE(IsScrollBarControl("ScrollBar", kVertBar, true));
    EXPECT_FALSE(IsScrollBarControl("ScrollBar", kVertBar, false));
    EXPECT_TRUE(IsScrollBarControl("SCROLLBAR", kHorzBar | 0x8, false));
    EXPECT_FALSE(IsScrollBarControl("ScrollBars", kVertBar, true));
    EXPECT_FALSE(IsScrollBarControl("", kVertBar, true));
}

}  // namespace
