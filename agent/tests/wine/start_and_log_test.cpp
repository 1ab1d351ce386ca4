// What the agent does as it starts, and its log, through the real keyagent.exe.
#include <windows.h>

#include <dbt.h>
#include <gtest/gtest.h>

#include <regex>

#include "agent/logic/log_line.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "common/window_classes.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/fixtures/window_text.h"
#include "tools/winetest/test_support.h"

namespace {

using agenttest::AgentProcess;

class AgentStart : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(agent_.Start());
        main_ = agent_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        // The lock keys go to the tray at the end of the main window's creation.
        ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS));
    }

    agenttest::TestTray tray_;
    AgentProcess agent_;
    HWND main_ = nullptr;
};

TEST_F(AgentStart, WindowsAreHiddenAndTheTrayGetsTheLockKeysOnce) {
    EXPECT_FALSE(IsWindowVisible(main_));
    const HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    ASSERT_NE(popup, nullptr) << "no popup window";
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_EQ(fixtures::WindowText(main_), KB_CLASS_AGENT_MAIN);
    fixtures::PumpFor(200);
    EXPECT_EQ(tray_.Count(WM_TRAY_LOCKKEYS), 1);
    const WPARAM expected = (GetKeyState(VK_SCROLL) & 1) | (GetKeyState(VK_CAPITAL) & 1) << 1 | (GetKeyState(VK_NUMLOCK) & 1) << 2;
    EXPECT_EQ(tray_.messages().front().wParam, expected);
}

TEST_F(AgentStart, TheFirstLineGivesTheNotificationHandleAfterTheTime) {
    const std::vector<std::string> log = agenttest::ReadAgentLog(main_);
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(std::regex_match(log[0], std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9] "
                                                    "Register Device Notification handle = [0-9a-f]+")))
        << log[0];
}

TEST_F(AgentStart, TheLogKeepsItsNewestLinesBelowTheLimit) {
    const int sent = kAgentLogLimit + 10;
    for (int i = 0; i < sent; ++i) SendMessageA(main_, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    const std::vector<std::string> log = agenttest::ReadAgentLog(main_);
    EXPECT_EQ(log.size(), static_cast<size_t>(kAgentLogLimit - 1));
    for (const std::string& line : log) {
        ASSERT_NE(line.find(" Device Change"), std::string::npos) << "the oldest line should have gone: " << line;
    }
    const HWND box = FindWindowExA(main_, nullptr, "listbox", nullptr);
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), kAgentLogLimit - 2) << "the last line is selected";
}

TEST_F(AgentStart, MessagesTheDispatcherTakesTellTheTrayOnlyFromTheFilterReader) {
    fixtures::PumpFor(100);
    tray_.Clear();
    // 0, 24 and a code whose low bits would be a hot key are no hot keys; they still reach the
    // tray as activity.
    for (WPARAM code : {WPARAM(1), WPARAM(50), WPARAM(0), WPARAM(24), WPARAM(0x101)}) {
        PostMessageA(main_, WM_AGENT_HOTKEY, code, 0);
    }
    PostMessageA(main_, WM_AGENT_KEYCODE, 20, 0);
    PostMessageA(main_, WM_AGENT_KEYCODE, 1000, 0);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) >= 5; }, winetest::WAIT_LIMIT_MS));
    fixtures::PumpFor(300);
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 5);
    const std::vector<std::string> log = agenttest::ReadAgentLog(main_);
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[log.size() - 1].find("Key Code = 1000"), std::string::npos);
    EXPECT_NE(log[log.size() - 2].find("Key Code = 20"), std::string::npos);
    EXPECT_EQ(WaitForSingleObject(agent_.process(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the agent ended";
}

// Windows 98 sends events whose lParam is a number, and any process may post one: the agent reads
// no record for an event that carries none.
TEST_F(AgentStart, AnEventWithANumberInLParamIsOnlyLogged) {
    tray_.Clear();
    PostMessageA(main_, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 1);
    PostMessageA(main_, WM_AGENT_HOTKEY, 0, 0);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) > 0; }, winetest::WAIT_LIMIT_MS))
        << "the agent did not get past the event";
    const std::vector<std::string> log = agenttest::ReadAgentLog(main_);
    ASSERT_GE(log.size(), 2u);
    EXPECT_NE(log[log.size() - 2].find(" Device Change"), std::string::npos) << log[log.size() - 2];
}

}  // namespace
