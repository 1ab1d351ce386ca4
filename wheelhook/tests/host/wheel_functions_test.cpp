#include "wheelhook/logic/wheel_functions.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/private_messages.h"

namespace {

// Writes every call down as one line of text.
class RecordingPlatform final : public WheelPlatform {
public:
    std::vector<std::string> calls;
    WindowId foreground = 0x50;
    WindowId cd_player = 0;

    void KeyDown(uint8_t key) override { calls.push_back("down " + std::to_string(key)); }
    void KeyUp(uint8_t key) override { calls.push_back("up " + std::to_string(key)); }
    void LeftButtonDown() override { calls.push_back("left down"); }
    void LeftButtonUp() override { calls.push_back("left up"); }
    WindowId ForegroundWindow() override { return foreground; }
    WindowId FindWindowByClass(const char* class_name) override {
        calls.push_back(std::string("find ") + class_name);
        return cd_player;
    }
    void Post(WindowId window, uint32_t message, uint32_t wParam) override {
        calls.push_back("post " + std::to_string(window) + " " + std::to_string(message) + " " +
                        std::to_string(wParam));
    }
    void Execute(const char* command, int show) override {
        calls.push_back(std::string("run ") + command + " " + std::to_string(show));
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
    WheelFunctions() : table(kInitialWheelFunctionTable) { BindLaunchCommands(table); }

    Calls Run(uint32_t function) {
        platform.calls.clear();
        RunWheelFunction(table, function, context, platform);
        return platform.calls;
    }

    WheelFunctionTable table;
    FunctionContext context = {0x70, "MMFRAME_MAIN", 0, 0};
    RecordingPlatform platform;
};

TEST_F(WheelFunctions, EveryRowDoesWhatItsNameSays) {
    const WindowId fg = platform.foreground;
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
    platform.foreground = 0x123;
    Run(20);
    EXPECT_EQ(context.SavedForeground, 0x123u);
    platform.foreground = 0x456;
    Run(4);
    EXPECT_EQ(context.SavedForeground, 0x456u);
}

TEST_F(WheelFunctions, CdPlayerIsStartedThenStoppedThenPlayed) {
    EXPECT_EQ(Run(kRowPlayStopCd), (Calls{"find MMFRAME_MAIN", "run CDPlayer.exe /play 5"}));
    EXPECT_EQ(context.CdPlaying, 1u);
    platform.cd_player = 0x99;
    EXPECT_EQ(Run(kRowPlayStopCd), (Calls{"find MMFRAME_MAIN", Post(0x99, 0x0111, 105)}));
    EXPECT_EQ(context.CdPlaying, 0u);
    EXPECT_EQ(Run(kRowPlayStopCd), (Calls{"find MMFRAME_MAIN", Post(0x99, 0x0111, 104)}));
    EXPECT_EQ(context.CdPlaying, 1u);
}

TEST_F(WheelFunctions, StoredFunctionOutsideTheTableDoesNothing) {
    for (uint32_t function : {31u, 40u, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(function);
        EXPECT_EQ(Run(function), Calls{});
        EXPECT_EQ(&WheelFunctionRow(table, function), &table.Rows[0]);
    }
}

TEST(LaunchFunction, RunsTheRowsCommandOfThisProcess) {
    WheelFunctionTable table = kInitialWheelFunctionTable;
    LaunchCommands commands = {};
    std::strcpy(commands.Explorer, "explorer.exe");
    std::strcpy(commands.InternetExplorer, "C:\\ie\\iexplore.exe");
    RecordingPlatform platform;

    RunLaunchFunction(table, kRowExplorer, commands, platform);
    EXPECT_EQ(platform.calls, Calls{}) << "before the settings are loaded no row has a command";

    BindLaunchCommands(table);
    RunLaunchFunction(table, kRowExplorer, commands, platform);
    RunLaunchFunction(table, kRowInternetExplorer, commands, platform);
    RunLaunchFunction(table, kRowNetscape, commands, platform);  // no App Paths entry: empty
    RunLaunchFunction(table, 5, commands, platform);             // not a launch row
    RunLaunchFunction(table, 99, commands, platform);
    EXPECT_EQ(platform.calls, (Calls{"run explorer.exe 1", "run C:\\ie\\iexplore.exe 1"}));
}

}  // namespace
