#include "wheelhook/logic/wheel_functions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/private_messages.h"

namespace {

// Writes every call down as one line of text.
class RecordingPlatform final : public WheelPlatform {
public:
    std::vector<std::string> calls_;
    WindowId foreground_ = 0x50;
    WindowId cd_player_ = 0;

    void KeyDown(uint8_t key) override { calls_.push_back("down " + std::to_string(key)); }
    void KeyUp(uint8_t key) override { calls_.push_back("up " + std::to_string(key)); }
    void LeftButtonDown() override { calls_.push_back("left down"); }
    void LeftButtonUp() override { calls_.push_back("left up"); }
    WindowId ForegroundWindow() override { return foreground_; }
    WindowId FindWindowByClass(const char* class_name) override {
        calls_.push_back(std::string("find ") + class_name);
        return cd_player_;
    }
    void Post(WindowId window, uint32_t message, uint32_t wparam) override {
        calls_.push_back("post " + std::to_string(window) + " " + std::to_string(message) + " " +
                         std::to_string(wparam));
    }
    void Execute(const char* command, int show) override {
        calls_.push_back(std::string("run ") + command + " " + std::to_string(show));
    }
};

std::string Post(WindowId window, uint32_t message, uint32_t wparam) {
    return "post " + std::to_string(window) + " " + std::to_string(message) + " " +
           std::to_string(wparam);
}
std::string Down(int key) { return "down " + std::to_string(key); }
std::string Up(int key) { return "up " + std::to_string(key); }

using Calls = std::vector<std::string>;

class WheelFunctions : public testing::Test {
protected:
    WheelFunctions() : table_(kInitialWheelFunctionTable) { BindLaunchCommands(table_); }

    Calls Run(uint32_t function) {
        platform_.calls_.clear();
        RunWheelFunction(table_, function, context_, platform_);
        return platform_.calls_;
    }

    WheelFunctionTable table_;
    FunctionContext context_ = {0x70, "MMFRAME_MAIN", 0, 0};
    RecordingPlatform platform_;
};

TEST_F(WheelFunctions, EveryRowDoesWhatItsNameSays) {
    const WindowId fg = platform_.foreground_;
    const Calls single_keys[] = {
        {},                                          //  0 [unassigned]
        {Down(0x08), Up(0x08)},                      //  1 Backspace
        {Post(fg, 0x0112, 0xF060)},                  //  2 Close application
        {Down(0x2E), Up(0x2E)},                      //  3 Delete
        {"left down", "left up", "left down", "left up"},  // 4 Double click
        {Down(0x0D), Up(0x0D)},                      //  5 Enter
        {Down(0x1B), Up(0x1B)},                      //  6 Escape
    };
    for (uint32_t row = 0; row < 7; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Run(row), single_keys[row]);
    }
    for (uint32_t row = 7; row <= 18; ++row) {
        SCOPED_TRACE(row);
        const int key = 0x70 + static_cast<int>(row - 7);  // F1 to F12
        EXPECT_EQ(Run(row), (Calls{Down(key), Up(key)}));
    }
    EXPECT_EQ(Run(19), Calls{Post(fg, 0x0112, 0xF030)});
    EXPECT_EQ(Run(20), Calls{Post(fg, 0x0112, 0xF020)});
    EXPECT_EQ(Run(21), (Calls{Down(0x22), Up(0x22)}));
    EXPECT_EQ(Run(22), (Calls{Down(0x21), Up(0x21)}));
    EXPECT_EQ(Run(23), Calls{Post(fg, 0x0112, 0xF120)});
    EXPECT_EQ(Run(24), (Calls{Down(0x5B), Up(0x5B)}));
    EXPECT_EQ(Run(25), (Calls{Down(0x5B), Down(0x52), Up(0x52), Up(0x5B)})) << "Windows key + R";
    EXPECT_EQ(Run(26), (Calls{Down(0x5B), Down(0x46), Up(0x46), Up(0x5B)})) << "Windows key + F";
    for (uint32_t row : {kRowExplorer, kRowInternetExplorer, kRowNetscape}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Run(row), Calls{Post(0x70, WM_LAUNCH_FUNCTION, row)}) << "launched by the zoom window";
    }
}

TEST_F(WheelFunctions, MessageRowsRememberTheForegroundWindow) {
    platform_.foreground_ = 0x123;
    Run(20);
    EXPECT_EQ(context_.saved_foreground, 0x123u);
    platform_.foreground_ = 0x456;
    Run(4);
    EXPECT_EQ(context_.saved_foreground, 0x456u);
}

TEST_F(WheelFunctions, CdPlayerIsStartedThenStoppedThenPlayed) {
    EXPECT_EQ(Run(kRowPlayStopCd), (Calls{"find MMFRAME_MAIN", "run CDPlayer.exe /play 5"}));
    EXPECT_EQ(context_.cd_playing, 1u);
    platform_.cd_player_ = 0x99;
    EXPECT_EQ(Run(kRowPlayStopCd), (Calls{"find MMFRAME_MAIN", Post(0x99, 0x0111, 105)}));
    EXPECT_EQ(context_.cd_playing, 0u);
    EXPECT_EQ(Run(kRowPlayStopCd), (Calls{"find MMFRAME_MAIN", Post(0x99, 0x0111, 104)}));
    EXPECT_EQ(context_.cd_playing, 1u);
}

TEST_F(WheelFunctions, StoredFunctionOutsideTheTableDoesNothing) {
    for (uint32_t function : {31u, 40u, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(function);
        EXPECT_EQ(Run(function), Calls{});
        EXPECT_EQ(&WheelFunctionRow(table_, function), &table_.Rows[0]);
    }
}

void SetCommand(char (&command)[kCommandBufferSize], const std::string& text) {
    ASSERT_LT(text.size(), sizeof command);
    text.copy(command, text.size());
    command[text.size()] = '\0';
}

TEST(LaunchFunction, RunsTheRowsCommandOfThisProcess) {
    WheelFunctionTable table = kInitialWheelFunctionTable;
    LaunchCommands commands = {};
    SetCommand(commands.explorer, "explorer.exe");
    SetCommand(commands.internet_explorer, "C:\\ie\\iexplore.exe");
    RecordingPlatform platform;

    RunLaunchFunction(table, kRowExplorer, commands, platform);
    EXPECT_EQ(platform.calls_, Calls{}) << "before the settings are loaded no row has a command";

    BindLaunchCommands(table);
    RunLaunchFunction(table, kRowExplorer, commands, platform);
    RunLaunchFunction(table, kRowInternetExplorer, commands, platform);
    RunLaunchFunction(table, kRowNetscape, commands, platform);  // no App Paths entry: empty
    RunLaunchFunction(table, 5, commands, platform);             // not a launch row
    RunLaunchFunction(table, 99, commands, platform);
    EXPECT_EQ(platform.calls_, (Calls{"run explorer.exe 1", "run \"C:\\ie\\iexplore.exe\" 1"}));
}

// A registered path below "C:\Program Files" would otherwise start "C:\Program.exe" if there is
// one; the longest path a command buffer holds still fits with its quotes.
TEST(LaunchFunction, ARegisteredPathRunsQuotedOnce) {
    WheelFunctionTable table = kInitialWheelFunctionTable;
    BindLaunchCommands(table);
    LaunchCommands commands = {};
    SetCommand(commands.internet_explorer, "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
    SetCommand(commands.netscape, "\"C:\\Program Files\\Netscape\\netscape.exe\"");
    RecordingPlatform platform;
    RunLaunchFunction(table, kRowInternetExplorer, commands, platform);
    RunLaunchFunction(table, kRowNetscape, commands, platform);
    const std::string longest(kCommandBufferSize - 1, 'p');
    SetCommand(commands.netscape, longest);
    RunLaunchFunction(table, kRowNetscape, commands, platform);
    EXPECT_EQ(platform.calls_, (Calls{"run \"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" 1",
                                      "run \"C:\\Program Files\\Netscape\\netscape.exe\" 1",
                                      "run \"" + longest + "\" 1"}));
}

}  // namespace
