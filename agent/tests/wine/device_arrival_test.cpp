// The receiver's interfaces arriving and going, as the real keyagent.exe's main window gets the
// device notifications: the log lines for each event, the install over present devices on
// Windows XP with the restart prompt 15 s after the second arrival that adds a filter, and on
// Windows 2000 the log alone. The bench's devices are no Plug and Play devices Wine announces,
// so the test sends the notification itself, with the broadcast record Windows sends; Wine
// carries the record across processes for the events whose wParam has bit 15 set, as Windows
// does for WM_DEVICECHANGE. A null lParam with such an event does not stay null on its way
// (docs/wine-notes.md), so the lines without a device name are proven on the host
// (filter_device_change_test.cpp).
#include <windows.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "agent/tests/wine/filter_install_prefix.h"
#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/device_node.h"
#include "tools/fixtures/message_pump.h"
#include "tools/winetest/test_support.h"

namespace {

using namespace std::string_literals;
using fixtures::DeviceNode;
using fixtures::ReceiverIds;

constexpr const char* kKeyboardInterface = "\\\\?\\HID#VID_1F3C&PID_3801&MI_00#7&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr const char* kHotKeyInterface = "\\\\?\\HID#VID_1F3C&PID_3801&MI_01&Col01#7&5e6f7a8b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr DWORD kRestartPromptDelayMs = 15000;

class DeviceArrival : public testing::Test {
protected:
    void TearDown() override {
        agenttest::SetProgramVersion("keyagent.exe", nullptr);
        DWORD exit_code;
        agenttest::RunToEnd("/uninstall", &exit_code);
    }

    // The agent under `version`, with the receiver's two interfaces as device nodes that hold
    // both filters, their services registered.
    void StartAgent(const char* version) {
        keyboard_ = std::make_unique<DeviceNode>(ReceiverIds("MI_00", "0100"));
        hotkey_ = std::make_unique<DeviceNode>(ReceiverIds("MI_01", "0100"));
        ASSERT_TRUE(keyboard_->created() && hotkey_->created());
        DWORD exit_code = 1;
        ASSERT_TRUE(agenttest::RunToEnd("/install", &exit_code));
        agenttest::SetProgramVersion("keyagent.exe", version);
        ASSERT_TRUE(agent_.Start());
        main_ = agent_.WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS));
        ASSERT_EQ(hotkey_->LowerFilters().bytes, "UVXNFTR\0\0"s);
    }

    // The notification with a device-interface record for `name` (none when null); the lines it
    // added to the log, without their times.
    std::vector<std::string> Notify(WPARAM event, const char* name) {
        std::vector<char> record;
        if (name) {
            record.assign(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) + std::strlen(name), 0);
            auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(record.data());
            header->dbcc_size = static_cast<DWORD>(record.size());
            header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
            std::memcpy(header->dbcc_name, name, std::strlen(name) + 1);
        }
        const size_t before = agenttest::ReadAgentLog(main_).size();
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutA(main_, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(name ? record.data() : nullptr),
                                      SMTO_NORMAL, winetest::SLOW_WAIT_LIMIT_MS, &answer),
                  0);
        EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
        std::vector<std::string> added;
        const std::vector<std::string> log = agenttest::ReadAgentLog(main_);
        for (size_t i = before; i < log.size(); ++i) added.push_back(log[i].substr(log[i].find(' ') + 1));
        return added;
    }

    filter_test::DriverFiles drivers_;
    agenttest::TestTray tray_;
    agenttest::AgentProcess agent_;
    HWND main_ = nullptr;
    std::unique_ptr<DeviceNode> keyboard_;
    std::unique_ptr<DeviceNode> hotkey_;
};

std::string Arrival(const char* name) { return "Device Arrival, device name="s + name; }

HWND FindRestartPrompt() { return FindWindowA("#32770", "System message"); }

TEST_F(DeviceArrival, EachEventWritesItsLines) {
    ASSERT_NO_FATAL_FAILURE(StartAgent("win2k"));
    EXPECT_EQ(Notify(DBT_DEVNODES_CHANGED, nullptr), std::vector<std::string>{"Device Change"});
    EXPECT_EQ(Notify(DBT_DEVICEARRIVAL, kHotKeyInterface), (std::vector<std::string>{Arrival(kHotKeyInterface), "Found MI_01"}));
    EXPECT_EQ(Notify(DBT_DEVICEQUERYREMOVE, kHotKeyInterface),
              std::vector<std::string>{"Device Query Remove device name="s + kHotKeyInterface});
    EXPECT_EQ(Notify(DBT_DEVICEREMOVEPENDING, kHotKeyInterface),
              std::vector<std::string>{"Device Remove Pending device name="s + kHotKeyInterface});
    EXPECT_EQ(Notify(DBT_DEVICEREMOVECOMPLETE, kKeyboardInterface),
              std::vector<std::string>{"Device Remove Complete device name="s + kKeyboardInterface});
    EXPECT_TRUE(Notify(DBT_CONFIGCHANGED, nullptr).empty());
    EXPECT_TRUE(agenttest::StopWithU(agent_));
}

TEST_F(DeviceArrival, OnWindows2000TheKeyboardInterfaceIsOnlyLogged) {
    ASSERT_NO_FATAL_FAILURE(StartAgent("win2k"));
    ASSERT_TRUE(hotkey_->SetLowerFilters(""));
    EXPECT_EQ(Notify(DBT_DEVICEARRIVAL, kKeyboardInterface), (std::vector<std::string>{Arrival(kKeyboardInterface), "Found MI_00"}));
    EXPECT_FALSE(hotkey_->LowerFilters().exists) << "the filters wait for the next start";
    EXPECT_TRUE(agenttest::StopWithU(agent_));
}

TEST_F(DeviceArrival, OnXpTheSecondArrivalThatAddsAFilterPromptsForARestart) {
    ASSERT_NO_FATAL_FAILURE(StartAgent("winxp"));
    ASSERT_TRUE(hotkey_->SetLowerFilters(""));
    EXPECT_EQ(Notify(DBT_DEVICEARRIVAL, kKeyboardInterface),
              (std::vector<std::string>{Arrival(kKeyboardInterface), "Found MI_00", "Found New Device, need re-boot"}));
    EXPECT_EQ(hotkey_->LowerFilters().bytes, "UVXNFTR\0\0"s);

    // The filter already there: no addition, nothing scheduled.
    EXPECT_EQ(Notify(DBT_DEVICEARRIVAL, kKeyboardInterface), (std::vector<std::string>{Arrival(kKeyboardInterface), "Found MI_00"}));

    ASSERT_TRUE(hotkey_->SetLowerFilters(""));
    const DWORD second = GetTickCount();
    EXPECT_EQ(Notify(DBT_DEVICEARRIVAL, kKeyboardInterface), (std::vector<std::string>{Arrival(kKeyboardInterface), "Found MI_00"}));
    EXPECT_EQ(hotkey_->LowerFilters().bytes, "UVXNFTR\0\0"s);
    HWND prompt = nullptr;
    ASSERT_TRUE(fixtures::PumpUntil([&] { return (prompt = FindRestartPrompt()) != nullptr; },
                                kRestartPromptDelayMs + winetest::SLOW_WAIT_LIMIT_MS));
    EXPECT_GE(GetTickCount() - second, kRestartPromptDelayMs - 500) << "the prompt waits its 15 s";
    PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(fixtures::PumpUntil([] { return FindRestartPrompt() == nullptr; }, winetest::WAIT_LIMIT_MS));
    EXPECT_TRUE(agenttest::StopWithU(agent_));
}

}  // namespace
