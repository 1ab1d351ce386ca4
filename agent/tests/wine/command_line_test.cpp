// The command-line table, through the real keyagent.exe.
#include <gtest/gtest.h>

#include "tools/fixtures/agent_process.h"
#include "agent/tests/wine/filter_install_prefix.h"
#include "agent/tests/wine/test_tray.h"
#include "common/window_classes.h"
#include "tools/winetest/test_support.h"

namespace {

using agenttest::AgentProcess;
using agenttest::CountWindows;
using agenttest::RunToEnd;

// An agent is running for every test of this suite, found through the test's own tray.
class WithAgentRunning : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CountWindows(KB_CLASS_AGENT_MAIN), 0) << "an agent of another test is still running";
        ASSERT_TRUE(agent_.Start());
        main_ = agent_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
    }

    agenttest::TestTray tray_;
    AgentProcess agent_;
    HWND main_ = nullptr;
};

TEST_F(WithAgentRunning, ASecondInstanceAndAnUpperCaseUExitAtOnceAndLeaveItRunning) {
    for (const char* tail : {"", "/U", "/u ", "anything"}) {
        DWORD exit_code = 1;
        ASSERT_TRUE(RunToEnd(tail, &exit_code)) << "\"" << tail << "\" did not end";
        EXPECT_EQ(exit_code, 0u) << tail;
        EXPECT_EQ(CountWindows(KB_CLASS_AGENT_MAIN), 1) << "after \"" << tail << "\"";
    }
    EXPECT_EQ(WaitForSingleObject(agent_.process(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST_F(WithAgentRunning, UStopsItWithTheFullShutDownAndNoWindowLeft) {
    tray_.Clear();
    DWORD exit_code = 1;
    ASSERT_TRUE(RunToEnd("/u", &exit_code));
    EXPECT_EQ(exit_code, 0u);
    DWORD agent_code = 1;
    ASSERT_TRUE(agent_.WaitForExit(winetest::SLOW_WAIT_LIMIT_MS, &agent_code)) << "WM_DESTROY did not stop the agent";
    EXPECT_EQ(agent_code, 0u);
    EXPECT_EQ(CountWindows(KB_CLASS_AGENT_MAIN), 0);
    EXPECT_EQ(CountWindows(KB_CLASS_AGENT_POPUP), 0);
    EXPECT_TRUE(IsWindow(tray_.window())) << "a tray window the agent found is not its to destroy";
}

TEST(AgentCommandLine, InstallTextsOfAnyCaseExitWithoutAWindow) {
    // With the drivers where "/install" wants them, its exit code says it did its work.
    filter_test::DriverFiles drivers;
    for (const char* tail : {"/install", "/INSTALL", "/uninstall", "/UnInstall"}) {
        AgentProcess run;
        ASSERT_TRUE(run.Start(tail));
        DWORD exit_code = 1;
        ASSERT_TRUE(run.WaitForExit(winetest::SLOW_WAIT_LIMIT_MS, &exit_code)) << tail;
        EXPECT_EQ(exit_code, 0u) << tail;
        EXPECT_EQ(CountWindows(KB_CLASS_AGENT_MAIN), 0) << tail;
    }
}

TEST(AgentCommandLine, ALeadingBlankOrAUWithNoAgentRunningStartsTheAgent) {
    struct Case {
        const char* tail;
        const char* separator;
    };
    for (const Case& c : {Case{"/install", "  "}, Case{"/u", " "}}) {
        agenttest::TestTray tray;
        AgentProcess agent;
        ASSERT_TRUE(agent.Start(c.tail, "", c.separator));
        EXPECT_NE(agent.WaitForMainWindow(), nullptr) << "\"" << c.separator << c.tail << "\" did not start the agent";
        EXPECT_TRUE(agenttest::StopWithU(agent));
    }
}

}  // namespace
