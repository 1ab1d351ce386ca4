// The browser keys and the program keys on a desk that records every call and plays the
// foreground lock of Windows 2000 and XP, which Wine doesn't enforce.
#include "agent/logic/desk_actions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr DeskWindow kBrowser = 1;
constexpr DeskWindow kEditor = 2;
constexpr DeskWindow kCalculator = 3;

class RecordingDesk : public ActionDesk {
public:
    DeskWindow foreground = kEditor;
    bool grants_foreground = true;  // Windows 2000 and XP refuse it to a program in the background
    std::map<std::string, DeskWindow> windows = {{"IEFrame", kBrowser}, {"Notepad", kEditor}};
    std::vector<std::string> calls;
    uint32_t paused_ms = 0;

    DeskWindow Foreground() override { return foreground; }
    DeskWindow FindByClass(const char* window_class) override {
        const auto found = windows.find(window_class);
        return found == windows.end() ? 0 : found->second;
    }
    bool HasClass(DeskWindow window, const char* window_class) override { return FindByClass(window_class) == window; }
    void BringForward(DeskWindow window) override {
        calls.push_back("forward " + std::to_string(window));
        if (grants_foreground) foreground = window;
    }
    void ShowRestored(DeskWindow window) override { calls.push_back("restore " + std::to_string(window)); }
    void Key(uint8_t virtual_key, bool release) override {
        calls.push_back(std::string(release ? "up " : "down ") + std::to_string(virtual_key) + " at " +
                        std::to_string(foreground));
    }
    void Pause(uint32_t ms) override { paused_ms += ms; }
    void StartProgram(const char* command_line) override {
        calls.push_back(std::string("start ") + command_line);
        if (std::strcmp(command_line, "Calc.exe") == 0) windows["SciCalc"] = kCalculator;
    }
    void ShellOpen(const char* file) override { calls.push_back(std::string("open ") + file); }
    void OpenMyComputer() override { calls.push_back("my computer"); }
};

TEST(BrowserKeys, WithTheForegroundRefusedNoKeyReachesTheProgramInFront) {
    RecordingDesk desk;
    desk.grants_foreground = false;
    EXPECT_FALSE(PerformBrowserKey(desk, 0)) << "no popup for keys not typed";
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"down 16 at 2", "up 16 at 2", "forward 1"}))
        << "only the agent's own Shift, which earns a program the foreground";

    desk.calls.clear();
    desk.grants_foreground = true;
    EXPECT_TRUE(PerformBrowserKey(desk, 0));
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"down 16 at 2", "up 16 at 2", "forward 1", "down 18 at 1",
                                                    "down 37 at 1", "up 37 at 1", "up 18 at 1"}));
}

TEST(BrowserKeys, ABrowserLostMidwayGetsNoFurtherKeyAndNothingStaysHeld) {
    RecordingDesk desk;
    desk.foreground = kBrowser;
    struct LosesFocus : RecordingDesk {
        void Key(uint8_t virtual_key, bool release) override {
            RecordingDesk::Key(virtual_key, release);
            foreground = kEditor;  // the user clicks another program after the first key
        }
    } losing;
    losing.foreground = kBrowser;
    EXPECT_FALSE(PerformBrowserKey(losing, 5));
    EXPECT_EQ(losing.calls, (std::vector<std::string>{"down 17 at 1", "up 17 at 2"}))
        << "Ctrl is let go, the letter I never typed";
    EXPECT_TRUE(PerformBrowserKey(desk, 3));
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"down 116 at 1", "up 116 at 1"})) << "in front already: no Shift";
}

// A program key starts its program and returns at once; only the Calculator, started when it
// is missing, is given the second it takes to make its window.
TEST(ProgramKeys, StartsReturnAtOnceAndOnlyTheCalculatorWaitsItsSecond) {
    KeyboardSettings settings{};
    std::strcpy(settings.MailCustom, "\"c:\\mail\\mail.exe\" /compose");
    settings.MailMode = 1;
    RecordingDesk desk;
    PerformProgramStart(desk, MailAction(settings));
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"start \"c:\\mail\\mail.exe\" /compose"}));
    EXPECT_EQ(desk.paused_ms, 0u);

    desk.calls.clear();
    PerformProgramStart(desk, CalculatorAction(KeyboardSettings{}));
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"start Calc.exe", "down 16 at 2", "up 16 at 2", "restore 3",
                                                    "forward 3"}));
    EXPECT_EQ(desk.paused_ms, kCalculatorStartWaitMs);
}

}  // namespace
