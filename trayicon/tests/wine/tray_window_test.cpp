// The tray window itself: the one hidden window of the process, the icons it adds when it is
// created, and what its destruction takes away.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include <gtest/gtest.h>

#include "common/private_messages.h"
#include "common/window_classes.h"
#include "trayicon/tests/wine/tray_fixture.h"

namespace {

using tray_test::CallsFor;
using tray_test::kFirstFormSize;
using tray_test::PumpQueued;
using tray_test::Recorded;
using tray_test::TrayWindow;

TEST_F(TrayWindow, IconPicturesAreSixteenPixelsAndAllDifferent) {
    const auto& entries = catalog_->Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].second.width, 16) << entries[i].first;
        EXPECT_EQ(entries[i].second.height, 16) << entries[i].first;
        for (size_t j = i + 1; j < entries.size(); ++j) {
            EXPECT_FALSE(entries[i].second == entries[j].second)
                << entries[i].first << " and " << entries[j].first;
        }
    }
}

TEST_F(TrayWindow, InitCreatesOneHiddenWindowOfTheClass) {
    char name[64] = {};
    GetClassNameA(window_, name, sizeof name);
    EXPECT_STREQ(name, KB_CLASS_STATUS_TRAY);
    GetWindowTextA(window_, name, sizeof name);
    EXPECT_STREQ(name, KB_CLASS_STATUS_TRAY);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(GetParent(window_), nullptr);
    LONG style = GetWindowLongA(window_, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_BORDER), WS_POPUP | WS_BORDER);
    LONG ex_style = GetWindowLongA(window_, GWL_EXSTYLE);
    EXPECT_EQ(ex_style & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 32);
    EXPECT_EQ(FindWindowA(KB_CLASS_STATUS_TRAY, nullptr), window_);

    EXPECT_EQ(init_(), window_) << "one tray window per process";
    EXPECT_EQ(CallsFor(NIM_ADD, 102).size(), 1u) << "the second call added no icons";
}

TEST_F(TrayWindow, CreationAddsTheThreeIconsInOrder) {
    const auto& calls = Recorded().notifications;
    ASSERT_EQ(calls.size(), 3u);
    struct Expected {
        UINT id;
        UINT flags;
        UINT callback;
        int icon;
        const char* tip;
    } expected[] = {
        {102, NIF_MESSAGE | NIF_ICON | NIF_TIP, WM_TRAY_NOTIFY, 147, "Skyrel"},
        {100, NIF_MESSAGE | NIF_ICON | NIF_TIP, WM_TRAY_NOTIFY, 130, "Battery Normal"},
        {103, NIF_ICON | NIF_TIP, 0, 137, ""},
    };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(calls[i].size, kFirstFormSize);
        EXPECT_EQ(calls[i].window, window_);
        EXPECT_EQ(calls[i].id, expected[i].id);
        EXPECT_EQ(calls[i].flags, expected[i].flags) << calls[i].id;
        EXPECT_EQ(calls[i].callback_message, expected[i].callback) << calls[i].id;
        EXPECT_EQ(calls[i].icon_resource, expected[i].icon) << calls[i].id;
        EXPECT_EQ(calls[i].tooltip, expected[i].tip) << calls[i].id;
    }
}

TEST_F(TrayWindow, ReservedMessageDoesNothing) {
    size_t before = Recorded().notifications.size();
    EXPECT_EQ(SendMessageA(window_, WM_TRAY_RESERVED, 1, 2), 0);
    PumpQueued(pumped_);
    EXPECT_EQ(Recorded().notifications.size(), before);
    EXPECT_TRUE(Recorded().launches.empty());
}

void ExpectIconsDeleted(HWND window, size_t from) {
    std::vector<UINT> deleted;
    const auto& calls = Recorded().notifications;
    for (size_t i = from; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].message, static_cast<DWORD>(NIM_DELETE));
        EXPECT_EQ(calls[i].window, window);
        EXPECT_EQ(calls[i].size, kFirstFormSize);
        deleted.push_back(calls[i].id);
    }
    EXPECT_EQ(deleted, (std::vector<UINT>{100, 102, 103}));
}

TEST_F(TrayWindow, CommandHundredClosesTheTrayAndEndsTheLoop) {
    size_t from = Recorded().notifications.size();
    Post(WM_COMMAND, 100);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_TRUE(pumped_.quit);
    EXPECT_EQ(pumped_.quit_code, 0u);
    ExpectIconsDeleted(window_, from);
    EXPECT_EQ(FindWindowA(KB_CLASS_STATUS_TRAY, nullptr), nullptr);

    // The closed window is forgotten: Exit has nothing to destroy, Init makes a new one.
    EXPECT_FALSE(exit_());
    HWND again = init_();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(IsWindow(again));
    EXPECT_EQ(CallsFor(NIM_ADD, 103, from).size(), 1u);
    window_ = again;
}

TEST_F(TrayWindow, ExitDestroysTheWindowAndItsIcons) {
    size_t from = Recorded().notifications.size();
    EXPECT_TRUE(Recorded().destroyed_icons.empty()) << "the pictures live as long as the window";
    EXPECT_TRUE(exit_());
    EXPECT_FALSE(IsWindow(window_));
    ExpectIconsDeleted(window_, from);
    EXPECT_EQ(Recorded().destroyed_icons.size(), tray_test::kTrayIcons.size()) << "every picture is released";
    PumpQueued(pumped_);
    EXPECT_TRUE(pumped_.quit) << "destroying the tray ends the owner's message loop";
}

}  // namespace
