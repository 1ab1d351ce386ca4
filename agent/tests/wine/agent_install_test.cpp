// "/install", "/uninstall" and the filter check at start through the real keyagent.exe, against
// device nodes made in the prefix; keyagent.exe's own Windows version picks its platform path.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "agent/logic/filter_list.h"
#include "agent/logic/filter_services.h"
#include "agent/tests/wine/filter_install_prefix.h"
#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "common/window_classes.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/device_node.h"
#include "tools/fixtures/message_pump.h"
#include "tools/winetest/test_support.h"

namespace {

using namespace std::string_literals;
using fixtures::DeviceNode;
using fixtures::ReceiverIds;

constexpr const char* kAgent = "keyagent.exe";

class AgentInstall : public testing::Test {
protected:
    void TearDown() override {
        agenttest::SetProgramVersion(kAgent, nullptr);
        DWORD exit_code;
        agenttest::RunToEnd("/uninstall", &exit_code);
    }

    std::unique_ptr<DeviceNode> Node(const std::string& ids) {
        auto node = std::make_unique<DeviceNode>(ids);
        EXPECT_TRUE(node->created());
        return node;
    }

    // keyagent.exe with `command` under `version` (null: the prefix's), to its end, as a user runs it.
    void RunAgentCommand(const char* version, const char* command) {
        agenttest::SetProgramVersion(kAgent, version);
        DWORD exit_code = 99;
        ASSERT_TRUE(agenttest::RunToEnd(command, &exit_code)) << command;
        EXPECT_EQ(exit_code, 0u) << command;
        EXPECT_EQ(agenttest::CountWindows(KB_CLASS_AGENT_MAIN), 0) << command << " left a window";
    }

    filter_test::DriverFiles drivers_;
};

bool AllServiceKeys(bool exist) {
    for (const FilterService& service : kFilterServices) {
        if (filter_test::ServiceKeyExists(service) != exist) return false;
    }
    return true;
}

TEST_F(AgentInstall, InstallThenUninstallLeavesTheListsAsTheyWere) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0210"));
    auto stranger = Node("HID\\VID_1F3C&PID_3802&REV_0100&MI_01\0"s);
    ASSERT_TRUE(keyboard->SetLowerFilters("kbdhid\0\0"s));

    RunAgentCommand(nullptr, "/install");
    EXPECT_TRUE(AllServiceKeys(true));
    EXPECT_EQ(keyboard->LowerFilters().bytes, "LVXNFTR\0kbdhid\0\0"s);
    EXPECT_EQ(hotkey->LowerFilters().bytes, "UVXNFTR\0\0"s);
    EXPECT_FALSE(stranger->LowerFilters().exists);

    RunAgentCommand(nullptr, "/uninstall");
    EXPECT_TRUE(AllServiceKeys(false));
    EXPECT_EQ(keyboard->LowerFilters().bytes, "kbdhid\0\0"s);
    EXPECT_FALSE(hotkey->LowerFilters().exists);
    EXPECT_FALSE(stranger->LowerFilters().exists);
}

TEST_F(AgentInstall, TheAgentsWindowsVersionPicksWhereTheListGoes) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    ASSERT_TRUE(keyboard->CreateHardwareKey());

    RunAgentCommand("win98", "/install");
    const fixtures::StoredList key_list = keyboard->HardwareKeyLowerFilters();
    EXPECT_EQ(NormaliseFilterList(key_list.bytes.data(), key_list.bytes.size()), "LVXNFTR\0\0"s);
    EXPECT_FALSE(keyboard->LowerFilters().exists);
    RunAgentCommand("win98", "/uninstall");
    EXPECT_FALSE(keyboard->HardwareKeyLowerFilters().exists);

    RunAgentCommand("winxp", "/install");
    EXPECT_EQ(keyboard->LowerFilters().bytes, "LVXNFTR\0\0"s);
    EXPECT_FALSE(keyboard->HardwareKeyLowerFilters().exists);
}

// A setup runs "/install" and can only tell from its exit code whether the filters were
// installed: with no receiver plugged in yet that is a success (the agent writes the filters
// when it comes), with a driver file missing it is not.
TEST_F(AgentInstall, TheInstallsExitCodeSaysWhetherTheFiltersWereInstalled) {
    DWORD exit_code = 99;
    ASSERT_TRUE(agenttest::RunToEnd("/install", &exit_code));
    EXPECT_EQ(exit_code, 0u) << "no receiver plugged in";
    if (!drivers_.Remove(kFilterServices[1])) GTEST_SKIP() << "the prefix has its own uvxnftr.sys";
    ASSERT_TRUE(agenttest::RunToEnd("/install", &exit_code));
    EXPECT_EQ(exit_code, static_cast<DWORD>(ERROR_INSTALL_FAILURE)) << "uvxnftr.sys missing";
}

// The filter check's line, from the log of an agent that runs until the test stops it.
std::string FilterCheckLine() {
    agenttest::TestTray tray;
    agenttest::AgentProcess agent;
    if (!agent.Start()) return "no agent";
    const HWND main_window = agent.WaitForMainWindow();
    if (main_window == nullptr) return "no main window";
    // The lock keys reach the tray at the end of the creation, after the check.
    if (!fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS))
        return "the creation did not end";
    for (const std::string& line : agenttest::ReadAgentLog(main_window)) {
        if (line.find(" Filter Driver ") != std::string::npos) return line.substr(line.find(' ') + 1);
    }
    return "no filter check line";
}

TEST_F(AgentInstall, TheCheckAtStartLogsWhetherTheReceiverHasBothFilters) {
    EXPECT_EQ(FilterCheckLine(), "Filter Driver doesn't exist");
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0100"));
    RunAgentCommand(nullptr, "/install");
    EXPECT_EQ(FilterCheckLine(), "Filter Driver exist");
}

// "/uninstall" takes the services away and leaves the driver files: the next ordinary start must
// not write the filters back, or the receiver's stacks would not start after the next restart.
TEST_F(AgentInstall, AStartAfterAnUninstallWritesNoFilterWithoutItsService) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0100"));
    RunAgentCommand(nullptr, "/install");
    RunAgentCommand(nullptr, "/uninstall");
    EXPECT_EQ(FilterCheckLine(), "Filter Driver doesn't exist");
    EXPECT_FALSE(keyboard->LowerFilters().exists);
    EXPECT_FALSE(hotkey->LowerFilters().exists);
}

}  // namespace
