// The hot keys' actions through the real keyagent.exe, with the outside applications played by
// the stand-ins: windows of their classes record what reaches them, and the programs the agent
// starts record their command lines. Each code is posted to the agent's main window as the
// readers post it; a code 0 posted after it comes back as the tray's activity only when the
// dispatcher is through with the code before.
//
// Not shown here: the volume keys (their own tests, against the real mixer); Search mode 1, which
// only hands a text to ShellExecuteA (the mode table is proven on the host,
// action_programs_test); My Computer modes 0 and 2 and the Home key without a browser, which
// start "Explorer.exe" and "iexplore.exe": Wine's ShellExecuteA always starts its own programs of
// those names, whatever App Paths or the agent's folder hold (docs/wine-notes.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "agent/tests/wine/action_standins.h"
#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "common/registry_names.h"
#include "common/window_classes.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/fixtures/thread_hook.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

using agenttest::AppEvent;
using agenttest::AppWindows;
using standins::StandInPrograms;

// The popup's longest display time, so that a popup shown is still up when the test looks.
constexpr uint32_t kLongestDelayPosition = 11;
// The agent's own pauses between keystrokes are 100 ms; a timer's granularity may shorten
// what a recorder sees by a little, never by half.
constexpr unsigned long kShortestPauseMs = 80;

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

class HotKeyActions : public testing::Test {
protected:
    void SetUp() override {
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
        for (const char* name : {KB_VAL_SHOW_SEARCH, KB_VAL_SHOW_MAIL, KB_VAL_SHOW_MEDIA, KB_VAL_SHOW_VOLUME,
                                 KB_VAL_SHOW_MY_COMPUTER, KB_VAL_SHOW_CALCULATOR})
            agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, name, 1);
        agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, kLongestDelayPosition);
    }
    void TearDown() override {
        if (main_) {
            EXPECT_TRUE(agenttest::StopWithU(agent_));
        }
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
    }

    void StartAgent() { StartAgent(agent_); }
    void StartAgent(agenttest::AgentProcess& agent) {
        tray_.Clear();
        ASSERT_TRUE(agent.Start());
        main_ = agent.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS));
    }

    // Posts `code` as the hot-key filter's reader does (or as the keyboard filter's reader), and
    // waits until the dispatcher is through with it. The tray's activity messages for it are
    // then in tray_ (the marker's own is not counted).
    int Press(unsigned code, bool from_keyboard_reader = false) {
        tray_.Clear();
        PostMessageA(main_, from_keyboard_reader ? WM_AGENT_KEYCODE : WM_AGENT_HOTKEY, code, 0);
        PostMessageA(main_, WM_AGENT_HOTKEY, 0, 0);
        const int expected = from_keyboard_reader ? 1 : 2;
        EXPECT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) >= expected; },
                                    winetest::SLOW_WAIT_LIMIT_MS))
            << "code " << code << " never ended";
        return tray_.Count(WM_TRAY_ACTIVITY) - 1;
    }

    bool PopupVisible() const { return IsWindowVisible(FindWindowA(KB_CLASS_AGENT_POPUP, nullptr)) != FALSE; }

    agenttest::AgentProcess agent_;
    agenttest::TestTray tray_;
    HWND main_ = nullptr;
};

struct Stroke {
    bool down;
    unsigned long key;
};

// A keystroke, but not the agent's own Shift, which earns it the foreground before it brings
// the browser forward, wherever that lands.
bool IsBrowserStroke(const AppEvent& event) {
    return event.what.find("key") != std::string::npos && event.wparam != VK_SHIFT;
}

std::vector<Stroke> Strokes(const std::vector<AppEvent>& events) {
    std::vector<Stroke> strokes;
    for (const AppEvent& event : events) strokes.push_back({event.what.find("down") != std::string::npos, event.wparam});
    return strokes;
}

void ExpectStrokes(const std::vector<AppEvent>& events, const std::vector<Stroke>& expected, const char* key) {
    const std::vector<Stroke> strokes = Strokes(events);
    std::string seen;
    for (const AppEvent& event : events) seen += " " + event.window + ":" + event.what + ":" + std::to_string(event.wparam);
    ASSERT_EQ(strokes.size(), expected.size()) << key << ", seen" << seen;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(strokes[i].down, expected[i].down) << key << " stroke " << i;
        EXPECT_EQ(strokes[i].key, expected[i].key) << key << " stroke " << i;
    }
    for (size_t i = 1; i < events.size(); ++i)
        EXPECT_GE(events[i].ms - events[i - 1].ms, kShortestPauseMs) << key << ": pause before stroke " << i;
}

TEST_F(HotKeyActions, BrowserKeysArriveInOrderWithTheirPausesAndThePopupConfirmsThem) {
    // The player in front: the agent brings the browser forward before it types.
    AppWindows apps({"IEFrame", "MPlayer"});
    ASSERT_TRUE(apps.ready());
    HWND player = FindWindowA("MPlayer", nullptr);
    SetForegroundWindow(player);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return GetForegroundWindow() == player; }, winetest::SLOW_WAIT_LIMIT_MS));
    StartAgent();
    struct Case {
        unsigned code;
        std::vector<Stroke> strokes;
    };
    const Case cases[] = {
        {1, {{true, VK_MENU}, {true, VK_LEFT}, {false, VK_LEFT}, {false, VK_MENU}}},
        {3, {{true, VK_ESCAPE}, {false, VK_ESCAPE}}},
        {6, {{true, VK_CONTROL}, {true, 'I'}, {false, 'I'}, {false, VK_CONTROL}}},
    };
    size_t seen = 0;
    for (const Case& c : cases) {
        Press(c.code);
        std::vector<AppEvent> keys = apps.WaitFor(IsBrowserStroke, seen + c.strokes.size());
        keys.erase(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(std::min(seen, keys.size())));
        ExpectStrokes(keys, c.strokes, ("code " + std::to_string(c.code)).c_str());
        seen += c.strokes.size();
    }
    for (const AppEvent& event : apps.Events()) {
        if (IsBrowserStroke(event)) {
            EXPECT_EQ(event.window, "IEFrame") << event.what << " " << event.wparam;
        }
    }
    EXPECT_TRUE(PopupVisible());
}

TEST_F(HotKeyActions, AnExplorerWindowInFrontTakesTheBrowserKeys) {
    AppWindows apps({"IEFrame", "ExploreWClass"});
    ASSERT_TRUE(apps.ready());
    StartAgent();
    HWND explorer = FindWindowA("ExploreWClass", nullptr);
    SetForegroundWindow(explorer);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return GetForegroundWindow() == explorer; }, winetest::SLOW_WAIT_LIMIT_MS));
    Press(4);
    const std::vector<AppEvent> keys = apps.WaitFor("key", 2);
    ExpectStrokes(keys, {{true, VK_F5}, {false, VK_F5}}, "F5");
    for (const AppEvent& event : keys) EXPECT_EQ(event.window, "ExploreWClass");
}

TEST_F(HotKeyActions, WithoutABrowserTheBrowserKeysAndUnknownCodesOnlyTellTheTray) {
    StartAgent();
    for (unsigned code : {1u, 0u, 24u}) {
        EXPECT_EQ(Press(code), 1) << "code " << code;
        EXPECT_FALSE(PopupVisible()) << "code " << code;
    }
    EXPECT_EQ(Press(24, true), 0) << "the keyboard filter's codes are no tray activity";
}

TEST_F(HotKeyActions, PlayPauseAlternatesForTheOriginalPlayer) {
    agenttest::SetNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, 1);
    AppWindows apps({"MPlayer"});
    ASSERT_TRUE(apps.ready());
    StartAgent();
    for (unsigned code : {7u, 7u, 7u, 8u}) Press(code);
    const std::vector<AppEvent> commands = apps.WaitFor("command", 4);
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].wparam, 502u);
    EXPECT_EQ(commands[1].wparam, 501u);
    EXPECT_EQ(commands[2].wparam, 502u);
    EXPECT_EQ(commands[3].wparam, 503u);
    EXPECT_TRUE(PopupVisible());
}

TEST_F(HotKeyActions, AMissingPlayerIsStartedOnlyByPlayPause) {
    agenttest::SetNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, 2);
    StandInPrograms programs;
    programs.Register("WMPlayer.exe");
    StartAgent();
    for (unsigned code : {8u, 9u, 10u}) Press(code);
    EXPECT_TRUE(programs.Started().empty());
    Press(7);
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "WMPlayer.exe|")) << started[0];
    EXPECT_NE(started[0].find("/play"), std::string::npos) << started[0];
}

// A fresh agent with the CD Player chosen ("Select" 0) knows no path for it until the media-select
// window has looked: the key looks for the player itself before it starts it.
TEST_F(HotKeyActions, TheCdPlayersPathIsLookedForBeforeItIsStarted) {
    agenttest::SetNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, 0);
    StandInPrograms programs;
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    ASSERT_TRUE(programs.Place(std::string(windows) + "\\CDPlayer.exe"));
    StartAgent();
    Press(7);
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "CDPlayer.exe|")) << started[0];
    EXPECT_NE(started[0].find("/play"), std::string::npos) << started[0];
}

// On ME the key starts the player that comes with it instead of opening the list, and from then
// on the media keys drive that player; the chosen player stored stays as it was.
TEST_F(HotKeyActions, OnMeMediaSelectStartsWindowsMediaPlayer7AndTheMediaKeysFollowIt) {
    agenttest::SetNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, 1);
    StandInPrograms programs;
    programs.Register("wmplayer.exe");
    AppWindows apps({"MPlayer", "WMPlayerApp"});
    ASSERT_TRUE(apps.ready());
    // Wine takes a program's version as its process starts.
    agenttest::SetProgramVersion("keyagent.exe", "winme");
    StartAgent();
    agenttest::SetProgramVersion("keyagent.exe", nullptr);

    Press(14);
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "wmplayer.exe|")) << started[0];
    EXPECT_EQ(FindWindowA(KB_CLASS_MEDIA_SELECT, nullptr), nullptr);
    Press(10);
    const std::vector<AppEvent> commands = apps.WaitFor("command", 1);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, "WMPlayerApp");
    EXPECT_EQ(commands[0].wparam, 0x1802Bu);
    uint32_t select = 0xDEAD;
    EXPECT_TRUE(agenttest::ReadNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, &select));
    EXPECT_EQ(select, 1u);
}

// "Select" is an index into the four players: a larger one drives none of them.
TEST_F(HotKeyActions, ASelectAboveThreeDrivesNoPlayer) {
    StandInPrograms programs;
    programs.Register("WMPlayer.exe");
    AppWindows apps({"SJE_CdPlayerClass", "MPlayer", "Media Player 2", "WMPlayerApp"});
    ASSERT_TRUE(apps.ready());
    for (uint32_t select : {4u, 0x7FFFFFFFu}) {
        agenttest::SetNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, select);
        agenttest::AgentProcess agent;
        StartAgent(agent);
        for (unsigned code : {7u, 8u, 9u, 10u}) Press(code);
        EXPECT_TRUE(PopupVisible()) << "Select " << select;
        main_ = nullptr;
        ASSERT_TRUE(agenttest::StopWithU(agent));
    }
    for (const AppEvent& event : apps.Events())
        EXPECT_TRUE(event.what == "foreground") << event.window << " got " << event.what << " " << event.wparam;
    EXPECT_TRUE(programs.Started().empty());
}

class MediaSelect : public HotKeyActions {
protected:
    void SetUp() override {
        HotKeyActions::SetUp();
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof windows);
        program_files_ = std::string(windows, 3) + "Program Files\\";
    }
    void TearDown() override {
        HotKeyActions::TearDown();
        for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) RemoveDirectoryA(it->c_str());
    }
    std::string Folder(const std::string& name) {
        const std::string folder = program_files_ + name;
        CreateDirectoryA(folder.c_str(), nullptr);
        folders_.push_back(folder);
        return folder + "\\";
    }
    static int ListCount(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }
    // The players found in the prefix before the test adds any.
    int PlayersAlreadyThere() {
        int count = 0;
        char windows[MAX_PATH];
        GetWindowsDirectoryA(windows, sizeof windows);
        if (GetFileAttributesA((program_files_ + "Windows Media Player\\wmplayer.exe").c_str()) != INVALID_FILE_ATTRIBUTES)
            ++count;
        return count;
    }

    std::string program_files_;
    std::vector<std::string> folders_;
};

// The search builds each path in an 80-character field: a folder whose path doesn't fit is
// passed over, its player not listed, and nothing is cut or overrun.
TEST_F(MediaSelect, TheKeyWalksTheListOfPlayersFoundAndEnterChoosesOne) {
    StandInPrograms programs;
    ASSERT_EQ(PlayersAlreadyThere(), 1) << "this prefix is expected to hold Wine's wmplayer.exe only";
    const std::string players = Folder("kb-players");
    ASSERT_TRUE(programs.Place(players + "MPlayer.exe"));
    const std::string too_long = Folder(std::string(60, 'L'));
    ASSERT_TRUE(programs.Place(too_long + "MPlayer2.EXE"));
    StartAgent();

    Press(14);
    HWND window = FindWindowA(KB_CLASS_MEDIA_SELECT, nullptr);
    ASSERT_NE(window, nullptr);
    HWND list = GetDlgItem(window, 100);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListCount(list), 2) << "the original player and Wine's player; not the one too deep";
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    Press(14);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    Press(14);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(PopupVisible()) << "Media Select shows no popup";

    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "MPlayer.exe|")) << started[0];
    EXPECT_TRUE(fixtures::PumpUntil([&] { return !IsWindow(window); }, winetest::SLOW_WAIT_LIMIT_MS));
    uint32_t select = 0xDEAD;
    EXPECT_TRUE(agenttest::ReadNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, &select));
    EXPECT_EQ(select, 1u);
}

TEST_F(HotKeyActions, TheWordKeyWhileWordRunsOnlyShowsThePopup) {
    StandInPrograms programs;
    programs.Register("Winword.exe");
    AppWindows apps({"OpusApp"});
    ASSERT_TRUE(apps.ready());
    StartAgent();
    EXPECT_EQ(Press(20, true), 0);
    EXPECT_TRUE(PopupVisible());
    EXPECT_TRUE(programs.Started().empty());
    for (const AppEvent& event : apps.Events()) EXPECT_EQ(event.what, "foreground") << event.what;
}

TEST_F(HotKeyActions, AnOfficeProgramThatCannotBeStartedTurnsThePopupToNotFound) {
    StartAgent();
    Press(20, true);
    EXPECT_TRUE(PopupVisible()) << "the popup shows \"Word not found\"";
}

// The wait for the started program's window is bounded: a program that never makes one holds
// the agent for that long, not for ever.
TEST_F(HotKeyActions, AnOfficeProgramThatNeverShowsItsWindowReleasesTheAgent) {
    StandInPrograms programs;
    programs.Register("Excel.exe");
    StartAgent();
    const DWORD start = GetTickCount();
    Press(21, true);
    const DWORD waited = GetTickCount() - start;
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "Excel.exe|")) << started[0];
    EXPECT_GE(waited, 9000u) << "the agent waited for the window";
    EXPECT_TRUE(PopupVisible());
}

TEST_F(HotKeyActions, TheCalculatorKeyBringsAMinimisedCalculatorBack) {
    AppWindows apps({"SciCalc"});
    ASSERT_TRUE(apps.ready());
    HWND calculator = FindWindowA("SciCalc", nullptr);
    ShowWindow(calculator, SW_MINIMIZE);
    StartAgent();
    const size_t before = apps.WaitFor("foreground", 0).size();
    Press(18);
    EXPECT_GT(apps.WaitFor("foreground", before + 1).size(), before);
    EXPECT_FALSE(IsIconic(calculator));
    EXPECT_TRUE(PopupVisible());
}

TEST_F(HotKeyActions, WithoutACalculatorCalcExeFromTheAgentsFolderIsStarted) {
    StandInPrograms programs;
    ASSERT_TRUE(programs.Place(winsupport::BuildFile("Calc.exe")));
    StartAgent();
    Press(18);
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "Calc.exe|")) << started[0];
}

TEST_F(HotKeyActions, TheMailKeyStartsTheDefaultMailProgram) {
    StandInPrograms programs;
    programs.Register("msimn.exe");
    StartAgent();
    Press(16);
    const std::vector<std::string> started = programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_TRUE(StartsWith(started[0], "msimn.exe|")) << started[0];
}

TEST_F(HotKeyActions, CustomMailAndMyComputerCommandsAreRun) {
    StandInPrograms programs;
    const std::string mailer = programs.Register("mailer.exe");
    const std::string browser = programs.Register("drives.exe");
    agenttest::SetNumber(KB_REG_KEYBOARD_MAIL, KB_VAL_VALUE, 1);
    const std::string mail = "\"" + mailer + "\" /compose";
    agenttest::SetBytes(KB_REG_KEYBOARD_MAIL, KB_VAL_CUSTOM, REG_SZ, mail.c_str(), static_cast<DWORD>(mail.size()) + 1);
    agenttest::SetNumber(KB_REG_KEYBOARD_MY_COMPUTER, KB_VAL_VALUE, 1);
    const std::string drives = "\"" + browser + "\" C:\\";
    agenttest::SetBytes(KB_REG_KEYBOARD_MY_COMPUTER, KB_VAL_CUSTOM, REG_SZ, drives.c_str(),
                        static_cast<DWORD>(drives.size()) + 1);
    StartAgent();
    Press(16);
    ASSERT_EQ(programs.WaitForStarted(1, winetest::SLOW_WAIT_LIMIT_MS).size(), 1u);
    Press(17);
    const std::vector<std::string> started = programs.WaitForStarted(2, winetest::SLOW_WAIT_LIMIT_MS);
    ASSERT_EQ(started.size(), 2u);
    EXPECT_TRUE(StartsWith(started[0], "mailer.exe|")) << started[0];
    EXPECT_NE(started[0].find("/compose"), std::string::npos) << started[0];
    EXPECT_TRUE(StartsWith(started[1], "drives.exe|")) << started[1];
    EXPECT_TRUE(PopupVisible());
}

// Wine's explorer.exe owns the taskbar window, whose WM_COMMAND handler would open its own
// start menu: a hook in explorer's thread records the commands and takes them away.
class TaskbarWatch {
public:
    explicit TaskbarWatch(HWND taskbar) : hook_("taskbar_hook.dll", "TaskbarGetMessage", taskbar) {
        char directory[MAX_PATH];
        GetTempPathA(sizeof directory, directory);
        record_ = std::string(directory) + "kb-taskbar-messages.txt";
        DeleteFileA(record_.c_str());
        if (!hook_.module()) return;
        using SetRecord = void (*)(const char*);
        auto set_record = reinterpret_cast<SetRecord>(reinterpret_cast<void (*)()>(GetProcAddress(hook_.module(), "SetTaskbarRecord")));
        if (!set_record || !hook_.set()) return;
        set_record(record_.c_str());
        const UINT ready = RegisterWindowMessageA("KbTaskbarHookReady");
        const DWORD start = GetTickCount();
        do {
            PostMessageA(taskbar, ready, 0, 0);
            Sleep(50);
        } while (Lines().empty() && GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
        ready_ = !Lines().empty() && Lines()[0] == "ready";
    }
    ~TaskbarWatch() {
        DeleteFileA(record_.c_str());
    }
    bool ready() const { return ready_; }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        if (FILE* file = std::fopen(record_.c_str(), "r")) {
            char line[64];
            while (std::fgets(line, sizeof line, file)) lines.push_back(std::string(line, std::strcspn(line, "\r\n")));
            std::fclose(file);
        }
        return lines;
    }
    std::vector<std::string> Commands(size_t count) const {
        std::vector<std::string> commands;
        const DWORD start = GetTickCount();
        do {
            commands.clear();
            for (const std::string& line : Lines())
                if (StartsWith(line, "command ")) commands.push_back(line);
            if (commands.size() >= count) break;
            Sleep(20);
        } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
        return commands;
    }

private:
    std::string record_;
    ThreadHook hook_;
    bool ready_ = false;
};

TEST_F(HotKeyActions, ThePowerKeyAsksTheTaskbarForTheShutDownDialog) {
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    ASSERT_NE(taskbar, nullptr) << "Wine's explorer.exe makes the taskbar window";
    TaskbarWatch watch(taskbar);
    ASSERT_TRUE(watch.ready()) << "the hook never ran in the taskbar's thread";
    StartAgent();
    EXPECT_EQ(Press(19), 1);
    const std::vector<std::string> commands = watch.Commands(2);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], "command 306");
    EXPECT_EQ(commands[1], "command 506");
    EXPECT_FALSE(PopupVisible());
}

}  // namespace
