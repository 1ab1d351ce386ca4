// The real trayicon.dll loaded into this test process. What it asks of the notification area
// and which programs it starts are seen by replacing the Shell_NotifyIconA and WinExec entries
// of the loaded DLL's import table (shell_recorder.h): the DLL is the one that ships, untouched
// on disk. The tray window runs on this thread, so the tests pump its messages themselves.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include <gtest/gtest.h>

#include "common/private_messages.h"
#include "common/window_classes.h"
#include "trayicon/tests/wine/icon_pixels.h"
#include "trayicon/tests/wine/shell_recorder.h"

namespace {

using tray_test::ExecCall;
using tray_test::NotifyCall;
using tray_test::Recorded;

using InitFunction = HWND(WINAPI*)();
using ExitFunction = BOOL(WINAPI*)();

const std::vector<unsigned> kTrayIcons = {147, 130, 131, 145, 146, 137, 138, 139, 140, 141, 142, 143, 144};

// Long enough for any machine; a test that waits this long has failed.
constexpr DWORD kGiveUpMs = 10000;
// The first form of NOTIFYICONDATAA, which every supported Windows takes: a 64-byte tooltip
// after the window, id, flags, message and icon (88 bytes on i686; 104 with x86_64's 8-byte
// handles and their alignment).
#ifdef _WIN64
constexpr DWORD kFirstFormSize = 104;
#else
constexpr DWORD kFirstFormSize = 88;
#endif

struct Pumped {
    bool quit = false;
    WPARAM quit_code = 0;
};

// Dispatches one queued message, remembering a WM_QUIT; false when the queue is empty.
bool DispatchOne(Pumped& pumped) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        pumped.quit = true;
        pumped.quit_code = msg.wParam;
    } else {
        DispatchMessageA(&msg);
    }
    return true;
}

// Dispatches what is queued now (posted messages, and a timer that is due).
void PumpQueued(Pumped& pumped) {
    while (DispatchOne(pumped)) {
    }
}

// Dispatches messages until `done` holds or kGiveUpMs pass.
template <typename Done>
bool PumpUntil(Pumped& pumped, Done done) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (DispatchOne(pumped)) continue;
        if (GetTickCount() - start > kGiveUpMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

std::vector<NotifyCall> CallsFor(DWORD message, UINT id, size_t from = 0) {
    std::vector<NotifyCall> calls;
    const auto& all = Recorded().notifications;
    for (size_t i = from; i < all.size(); ++i) {
        if (all[i].message == message && all[i].id == id) calls.push_back(all[i]);
    }
    return calls;
}

// Wine's notification area takes about two seconds to answer when its last icon goes away.
// An icon of the test's own, kept for the whole run, spares every test that wait.
class KeepNotificationAreaBusy : public testing::Environment {
public:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TRAYTESTKEEPER";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
        NOTIFYICONDATAA data = Data();
        data.uFlags = NIF_ICON;
        data.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
        Shell_NotifyIconA(NIM_ADD, &data);
    }
    void TearDown() override {
        NOTIFYICONDATAA data = Data();
        Shell_NotifyIconA(NIM_DELETE, &data);
        DestroyWindow(window_);
    }

private:
    NOTIFYICONDATAA Data() const {
        NOTIFYICONDATAA data = {};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = window_;
        data.uID = 1;
        return data;
    }
    HWND window_ = nullptr;
};
const testing::Environment* const g_keeper = testing::AddGlobalTestEnvironment(new KeepNotificationAreaBusy);

class TrayWindow : public testing::Test {
protected:
    void SetUp() override {
        dll_ = LoadLibraryA("trayicon.dll");
        ASSERT_NE(dll_, nullptr) << "LoadLibraryA, error " << GetLastError();
        catalog_ = new tray_test::IconCatalog(dll_, kTrayIcons);
        ASSERT_TRUE(tray_test::InstallShellRecorder(dll_, catalog_));
        init_ = reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(dll_, MAKEINTRESOURCEA(1))));
        exit_ = reinterpret_cast<ExitFunction>(reinterpret_cast<void*>(GetProcAddress(dll_, MAKEINTRESOURCEA(2))));
        ASSERT_NE(init_, nullptr);
        ASSERT_NE(exit_, nullptr);
        window_ = init_();
        ASSERT_NE(window_, nullptr) << "Init_StatusTray, error " << GetLastError();
    }

    void TearDown() override {
        if (exit_ && IsWindow(window_)) exit_();
        Pumped pumped;
        PumpQueued(pumped);  // the WM_QUIT of the destroyed window
        if (dll_) FreeLibrary(dll_);
        delete catalog_;
    }

    // Posts a message to the tray window and dispatches it.
    void Post(UINT message, WPARAM wparam, LPARAM lparam = 0) {
        ASSERT_TRUE(PostMessageA(window_, message, wparam, lparam));
        PumpQueued(pumped_);
    }

    // Waits for the next change of the radio icon after `from` notifications.
    NotifyCall NextRadioChange(size_t from) {
        bool seen = PumpUntil(pumped_, [&] { return !CallsFor(NIM_MODIFY, 100, from).empty(); });
        EXPECT_TRUE(seen) << "the radio icon did not change";
        std::vector<NotifyCall> calls = CallsFor(NIM_MODIFY, 100, from);
        return calls.empty() ? NotifyCall{} : calls.front();
    }

    HMODULE dll_ = nullptr;
    tray_test::IconCatalog* catalog_ = nullptr;
    InitFunction init_ = nullptr;
    ExitFunction exit_ = nullptr;
    HWND window_ = nullptr;
    Pumped pumped_;
};

TEST(TrayLibrary, ClassLivesExactlyWhileTheLibraryIsLoaded) {
    ASSERT_EQ(GetModuleHandleA("trayicon.dll"), nullptr);
    HMODULE dll = LoadLibraryA("trayicon.dll");
    ASSERT_NE(dll, nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(dll, KB_CLASS_STATUS_TRAY, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(wc.lpszMenuName, nullptr);
    EXPECT_NE(wc.hIcon, nullptr);
    EXPECT_NE(wc.hIconSm, nullptr);

    ASSERT_TRUE(FreeLibrary(dll));
    EXPECT_EQ(GetModuleHandleA("trayicon.dll"), nullptr);
    EXPECT_FALSE(GetClassInfoExA(dll, KB_CLASS_STATUS_TRAY, &wc));
}

TEST(TrayLibrary, ExportsHaveTheirNamesAtTheirOrdinals) {
    HMODULE dll = LoadLibraryA("trayicon.dll");
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(GetProcAddress(dll, "Init_StatusTray"), GetProcAddress(dll, MAKEINTRESOURCEA(1)));
    EXPECT_EQ(GetProcAddress(dll, "Exit_StatusTray"), GetProcAddress(dll, MAKEINTRESOURCEA(2)));
    EXPECT_NE(GetProcAddress(dll, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_NE(GetProcAddress(dll, MAKEINTRESOURCEA(2)), nullptr);
    FreeLibrary(dll);
}

TEST_F(TrayWindow, IconPicturesAreSixteenPixelsAndAllDifferent) {
    const auto& entries = catalog_->Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].second.width, 16) << entries[i].first;
        EXPECT_EQ(entries[i].second.height, 16) << entries[i].first;
        for (size_t j = i + 1; j < entries.size(); ++j) {
            EXPECT_FALSE(entries[i].second == entries[j].second) << entries[i].first << " and " << entries[j].first;
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

TEST_F(TrayWindow, LowBatteryShowsRedWavesThenTheDarkRedDot) {
    size_t from = Recorded().notifications.size();
    Post(WM_TRAY_BATTERY, 0x05);
    std::vector<NotifyCall> shown = CallsFor(NIM_MODIFY, 100, from);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].flags, static_cast<UINT>(NIF_ICON | NIF_TIP));
    EXPECT_EQ(shown[0].size, kFirstFormSize);
    EXPECT_EQ(shown[0].icon_resource, 146);
    EXPECT_EQ(shown[0].tooltip, "Battery Low:\nKeyboard\nMouse\n");

    DWORD posted = GetTickCount();
    NotifyCall idle = NextRadioChange(from + 1);
    EXPECT_GE(GetTickCount() - posted, 400u) << "five ticks of 100 ms";
    EXPECT_EQ(idle.icon_resource, 145);
    EXPECT_EQ(idle.tooltip, "Battery Low:\nKeyboard\nMouse\n");
}

TEST_F(TrayWindow, NormalBatteryShowsGreenWavesThenTheBlueDot) {
    size_t from = Recorded().notifications.size();
    Post(WM_TRAY_BATTERY, 0);
    NotifyCall active = NextRadioChange(from);
    EXPECT_EQ(active.icon_resource, 131);
    EXPECT_EQ(active.tooltip, "Battery Normal");
    NotifyCall idle = NextRadioChange(from + 1);
    EXPECT_EQ(idle.icon_resource, 130);
    EXPECT_EQ(idle.tooltip, "Battery Normal");
}

TEST_F(TrayWindow, AllEightLowIsCutAtSixtyThreeCharacters) {
    size_t from = Recorded().notifications.size();
    Post(WM_TRAY_BATTERY, 0xFF);
    NotifyCall shown = NextRadioChange(from);
    EXPECT_EQ(shown.tooltip_bytes, 63u);
    EXPECT_EQ(shown.tooltip, std::string("Battery Low:\nKeyboard\nTen Key\nMouse\nGame Pad 1\nGame Pad 2\n"
                                         "88 Key Keyboard\nSpace Ball\nTouch Pad\n").substr(0, 63));
}

TEST_F(TrayWindow, StreamOfActivityKeepsTheActiveFormUntilItStops) {
    size_t from = Recorded().notifications.size();
    DWORD start = GetTickCount(), last_post = 0;
    // One activity about every 100 ms for 1.5 s, always posted before the tray sees five ticks.
    bool first = true;
    while (GetTickCount() - start < 1500) {
        if (first || GetTickCount() - last_post >= 100) {
            ASSERT_TRUE(PostMessageA(window_, WM_TRAY_ACTIVITY, 0, 0));
            last_post = GetTickCount();
            first = false;
        }
        PumpQueued(pumped_);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    PumpQueued(pumped_);
    std::vector<NotifyCall> during = CallsFor(NIM_MODIFY, 100, from);
    ASSERT_EQ(during.size(), 1u) << "only the first activity changes the icon";
    EXPECT_EQ(during[0].icon_resource, 131);

    DWORD stopped = GetTickCount();
    NotifyCall idle = NextRadioChange(from + 1);
    EXPECT_EQ(idle.icon_resource, 130);
    EXPECT_GE(GetTickCount() - stopped + 100, 400u);
}

TEST_F(TrayWindow, ActivityAfterALowBatteryReportBlinksRed) {
    Post(WM_TRAY_BATTERY, 0x80);
    size_t idle_at = Recorded().notifications.size();
    NotifyCall idle = NextRadioChange(idle_at);
    EXPECT_EQ(idle.icon_resource, 145);
    size_t from = Recorded().notifications.size();
    Post(WM_TRAY_ACTIVITY, 0);
    std::vector<NotifyCall> shown = CallsFor(NIM_MODIFY, 100, from);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon_resource, 146);
    EXPECT_EQ(shown[0].tooltip, "Battery Low:\nTouch Pad\n");
}

TEST_F(TrayWindow, LockKeysShowEachNewState) {
    struct Step {
        WPARAM state;
        bool changes;
        int icon;
        const char* tip;
    } steps[] = {
        {6, true, 143, "NUM  CAPS  "},
        {6, false, 0, nullptr},
        {0, true, 137, ""},
        {7, true, 144, "NUM  CAPS  SCROLL"},
        {1, true, 138, "SCROLL"},
        // Above 7 only the low three bits count: 0x0E shows Num and Caps, 9 the same as 1.
        {9, false, 0, nullptr},
        {0x0E, true, 143, "NUM  CAPS  "},
    };
    for (const Step& step : steps) {
        size_t from = Recorded().notifications.size();
        Post(WM_TRAY_LOCKKEYS, step.state);
        std::vector<NotifyCall> calls = CallsFor(NIM_MODIFY, 103, from);
        if (!step.changes) {
            EXPECT_TRUE(calls.empty()) << "state " << step.state;
            continue;
        }
        ASSERT_EQ(calls.size(), 1u) << "state " << step.state;
        EXPECT_EQ(calls[0].flags, static_cast<UINT>(NIF_ICON | NIF_TIP));
        EXPECT_EQ(calls[0].icon_resource, step.icon) << "state " << step.state;
        EXPECT_EQ(calls[0].tooltip, step.tip) << "state " << step.state;
    }
}

TEST_F(TrayWindow, ReservedMessageDoesNothing) {
    size_t before = Recorded().notifications.size();
    EXPECT_EQ(SendMessageA(window_, WM_TRAY_RESERVED, 1, 2), 0);
    PumpQueued(pumped_);
    EXPECT_EQ(Recorded().notifications.size(), before);
    EXPECT_TRUE(Recorded().launches.empty());
}

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
        for (WPARAM key : player->keys) {
            PostMessageA(menu_window, WM_KEYDOWN, key, 0);
            Sleep(50);
        }
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
    EXPECT_TRUE(exit_());
    EXPECT_FALSE(IsWindow(window_));
    ExpectIconsDeleted(window_, from);
    PumpQueued(pumped_);
    EXPECT_TRUE(pumped_.quit) << "destroying the tray ends the owner's message loop";

    // No more ticks reach the destroyed window's icons.
    Sleep(300);
    PumpQueued(pumped_);
    EXPECT_EQ(Recorded().notifications.size(), from + 3);
}

}  // namespace
