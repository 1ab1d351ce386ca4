// What the user does with the icons: a double click opens the applet, the right button opens
// the popup menu, and its items (or their commands) start the control panels.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/private_messages.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/temp_files.h"
#include "trayicon/tests/wine/tray_fixture.h"
#include "trayicon/tests/wine/tray_launch_events.h"

namespace {

using tray_test::kGiveUpMs;
using tray_test::PumpQueued;
using tray_test::Recorded;
using tray_test::TrayWindow;

// The window goes by the mouse message alone. The lock-key icon has no callback (see
// CreationAddsTheThreeIconsInOrder), so the notification area never names it; a message that
// does is taken like any other.
TEST_F(TrayWindow, DoubleClickOpensTheApplet) {
    struct Click {
        WPARAM icon;
        LPARAM mouse;
        bool opens;
    } clicks[] = {
        {102, WM_LBUTTONDBLCLK, true}, {100, WM_LBUTTONDBLCLK, true}, {103, WM_LBUTTONDBLCLK, true},
        {100, WM_LBUTTONDOWN, false},  {102, WM_LBUTTONUP, false},    {100, WM_MOUSEMOVE, false},
        {100, WM_MBUTTONDOWN, false},
    };
    for (const Click& click : clicks) {
        Recorded().launches.clear();
        Post(WM_TRAY_NOTIFY, click.icon, click.mouse);
        if (!click.opens) {
            EXPECT_TRUE(Recorded().launches.empty()) << click.icon << " " << click.mouse;
            continue;
        }
        ASSERT_EQ(Recorded().launches.size(), 1u) << click.icon;
        EXPECT_EQ(Recorded().launches[0].command_line, "Control.exe skyrel.cpl");
        EXPECT_EQ(Recorded().launches[0].show, 10u);
    }
}

// The tray runs on the agent's user-interface thread, which also serves the low-level mouse
// hook: a launch must not wait there for the program to be ready for input, or the pointer
// stalls for the whole desktop. The applet's launch finds an unready "Control.exe" in the
// current folder, where the platform looks before the system folder; that program goes on
// only when this thread, past the double click, lets it go.
TEST_F(TrayWindow, TheLaunchDoesNotWaitForTheProgramToBeReady) {
    const std::string folder = winsupport::TempPath("kb-tray-launch\\");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "Control.exe";
    ASSERT_TRUE(CopyFileA(winsupport::BuildFile("trayicon_unready_program.exe").c_str(), program.c_str(), FALSE));
    const HANDLE started = CreateEventA(nullptr, TRUE, FALSE, kLaunchStartedEvent);
    const HANDLE go = CreateEventA(nullptr, TRUE, FALSE, kLaunchGoEvent);
    const HANDLE released = CreateEventA(nullptr, TRUE, FALSE, kLaunchReleasedEvent);
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder.c_str());
    Recorded().start_programs = true;
    Post(WM_TRAY_NOTIFY, 102, WM_LBUTTONDBLCLK);
    Recorded().start_programs = false;
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(WaitForSingleObject(started, kGiveUpMs), WAIT_OBJECT_0) << "the unready Control.exe did not start";
    SetEvent(go);
    EXPECT_EQ(WaitForSingleObject(released, kGiveUpMs), WAIT_OBJECT_0)
        << "the launch held this thread until the program gave up";
    for (HANDLE event : {started, go, released}) CloseHandle(event);
    EXPECT_TRUE(winsupport::DeleteWhenFree(program, kGiveUpMs));
    RemoveDirectoryA(folder.c_str());
}

TEST_F(TrayWindow, MenuCommandsStartTheControlPanels) {
    struct Command {
        WPARAM wparam;
        const char* command_line;
    } commands[] = {
        {101, "Control.exe keyboard"},
        {102, "Control.exe mouse"},
        {MAKEWPARAM(101, 1), "Control.exe keyboard"},  // only the low 16 bits name the command
        {103, nullptr},
    };
    for (const Command& command : commands) {
        Recorded().launches.clear();
        Post(WM_COMMAND, command.wparam);
        if (!command.command_line) {
            EXPECT_TRUE(Recorded().launches.empty());
            continue;
        }
        ASSERT_EQ(Recorded().launches.size(), 1u) << command.wparam;
        EXPECT_EQ(Recorded().launches[0].command_line, command.command_line);
        EXPECT_EQ(Recorded().launches[0].show, 10u);
    }
    EXPECT_TRUE(IsWindow(window_));
}

// Plays the user at an open popup menu from a second thread: waits for the menu window, reads
// its items and position, then presses the keys given (posted to the menu, whose modal loop
// runs on the test thread inside TrackPopupMenu).
struct MenuPlayer {
    std::vector<WPARAM> keys;
    std::vector<std::pair<UINT, std::string>> items;
    RECT rect = {};
    bool found = false;

    static DWORD WINAPI Run(void* self) {
        auto* player = static_cast<MenuPlayer*>(self);
        DWORD start = GetTickCount();
        HWND menu_window = nullptr;
        while (GetTickCount() - start < kGiveUpMs) {
            menu_window = FindWindowA("#32768", nullptr);
            if (menu_window && IsWindowVisible(menu_window)) break;
            menu_window = nullptr;
            Sleep(20);
        }
        if (!menu_window) return 0;
        player->found = true;
        GetWindowRect(menu_window, &player->rect);
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menu_window, MN_GETHMENU, 0, 0));
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            player->items.emplace_back(GetMenuItemID(menu, i), text);
        }
        // The menu's modal loop takes the keys in the order they were posted.
        for (WPARAM key : player->keys) PostMessageA(menu_window, WM_KEYDOWN, key, 0);
        return 0;
    }
};

class TrayMenu : public TrayWindow {
protected:
    // Right-clicks `icon` with the pointer at (300, 200) and plays `player` at the menu.
    void RightClick(WPARAM icon, MenuPlayer& player) {
        Recorded().launches.clear();
        SetCursorPos(300, 200);
        HANDLE thread = CreateThread(nullptr, 0, MenuPlayer::Run, &player, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        ASSERT_TRUE(PostMessageA(window_, WM_TRAY_NOTIFY, icon, WM_RBUTTONDOWN));
        // Away from the menu, so that no item is chosen by the pointer.
        SetCursorPos(5, 700);
        PumpQueued(pumped_);  // returns once the menu has closed
        WaitForSingleObject(thread, kGiveUpMs);
        CloseHandle(thread);
        PumpQueued(pumped_);  // the chosen command
    }
};

TEST_F(TrayMenu, RightClickShowsTheTwoItemsAtThePointer) {
    MenuPlayer player;
    player.keys = {VK_ESCAPE};
    RightClick(102, player);
    ASSERT_TRUE(player.found) << "no popup menu appeared";
    ASSERT_EQ(player.items.size(), 2u);
    EXPECT_EQ(player.items[0].first, 101u);
    EXPECT_EQ(player.items[0].second, "Keyboard Content");
    EXPECT_EQ(player.items[1].first, 102u);
    EXPECT_EQ(player.items[1].second, "Mouse Content");
    EXPECT_EQ(player.rect.left, 300);
    EXPECT_EQ(player.rect.top, 200);
    EXPECT_TRUE(Recorded().launches.empty()) << "a cancelled menu starts nothing";
}

TEST_F(TrayMenu, ChosenItemStartsItsControlPanel) {
    struct Case {
        WPARAM icon;
        std::vector<WPARAM> keys;
        const char* command_line;
    } cases[] = {
        {102, {VK_DOWN, VK_RETURN}, "Control.exe keyboard"},
        {100, {VK_DOWN, VK_DOWN, VK_RETURN}, "Control.exe mouse"},
    };
    for (const Case& c : cases) {
        MenuPlayer player;
        player.keys = c.keys;
        RightClick(c.icon, player);
        ASSERT_TRUE(player.found) << "no popup menu appeared";
        ASSERT_EQ(Recorded().launches.size(), 1u) << c.command_line;
        EXPECT_EQ(Recorded().launches[0].command_line, c.command_line);
        EXPECT_EQ(Recorded().launches[0].show, 10u);
    }
}

}  // namespace
