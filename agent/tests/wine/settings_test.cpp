// The settings store through the real keyagent.exe: the receiver's lock applied at start, and
// the key-disable flags sent to the companion filter at start and after each reload. The
// companion is its stand-in's test variant, which tells what it was last sent.
#include <gtest/gtest.h>

#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "common/registry_names.h"
#include "common/window_classes.h"
#include "outside/lvxnftr/companion_interface.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/winetest/device_io.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/driver_service.h"

namespace {

using agenttest::AgentProcess;

class AgentSettings : public testing::Test {
protected:
    void SetUp() override {
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_SKYREL);
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_OPTION);
    }
    void TearDown() override {
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_SKYREL);
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_OPTION);
    }

    // Starts the agent and waits for the end of its main window's creation, which the tray
    // hears of last.
    void StartAgent(AgentProcess& agent) {
        tray_.Clear();
        ASSERT_TRUE(agent.Start());
        ASSERT_NE(agent.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS));
    }

    uint32_t UsbLock() {
        uint32_t value = 0xDEAD;
        EXPECT_TRUE(agenttest::ReadNumber(KB_REG_SKYREL, KB_VAL_USB_LOCK, &value)) << "no \"USB Lock\"";
        return value;
    }

    // What the companion filter's test variant was last sent.
    LVX_KEPT_STATE Kept() {
        winetest::DeviceHandle device(KB_COMPANION_USER_PATH);
        EXPECT_TRUE(device.valid()) << "error " << device.open_error();
        return winetest::ReceiveRecord<LVX_KEPT_STATE>(device, IOCTL_LVX_TEST_GET_STATE);
    }

    void SetKeys(uint32_t caps, uint32_t left, uint32_t right, uint32_t application) {
        agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_CAPS_LOCK, caps);
        agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_LEFT_WINDOW, left);
        agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_RIGHT_WINDOW, right);
        agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_APPLICATION, application);
    }

    agenttest::TestTray tray_;
};

class WithCompanion : public AgentSettings {
protected:
    WithCompanion() : companion_(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME)) {}
    void SetUp() override {
        ASSERT_TRUE(companion_.running()) << companion_.error();
        AgentSettings::SetUp();
    }

    winsupport::DriverService companion_;
};

TEST_F(WithCompanion, TheLockByteReachesTheCompanionAndTheValueIsWrittenBackAsZeroOrOne) {
    struct Case {
        uint32_t stored;
        uint8_t lock_byte;
        uint32_t written_back;
    };
    for (const Case& c : {Case{1, 0x81, 1}, Case{256, 0x80, 1}, Case{0, 0x00, 0}}) {
        agenttest::SetNumber(KB_REG_SKYREL, KB_VAL_USB_LOCK, c.stored);
        AgentProcess agent;
        StartAgent(agent);
        EXPECT_EQ(Kept().LockByte, c.lock_byte) << "USB Lock " << c.stored;
        EXPECT_EQ(UsbLock(), c.written_back) << "USB Lock " << c.stored;
        ASSERT_TRUE(agenttest::StopWithU(agent));
    }
}

TEST_F(WithCompanion, WithNoLockStoredTheKeyIsCreatedWithZero) {
    AgentProcess agent;
    StartAgent(agent);
    EXPECT_EQ(UsbLock(), 0u);
}

TEST_F(WithCompanion, KeyFlagsReachTheCompanionAtStartAndAfterEachReload) {
    SetKeys(1, 0, 1, 0);
    AgentProcess agent;
    StartAgent(agent);
    LVX_KEPT_STATE kept = Kept();
    EXPECT_EQ(kept.DisabledKeys.CapsLock, 1u);
    EXPECT_EQ(kept.DisabledKeys.LeftWindow, 0u);
    EXPECT_EQ(kept.DisabledKeys.RightWindow, 1u);
    EXPECT_EQ(kept.DisabledKeys.Application, 0u);

    SetKeys(0, 1, 0, 1);
    agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_OPTION);
    agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_LEFT_WINDOW, 1);
    agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_APPLICATION, 1);
    const HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    ASSERT_NE(popup, nullptr);
    SendMessageA(popup, WM_WININICHANGE, 0, 0);
    kept = Kept();
    EXPECT_EQ(kept.DisabledKeys.CapsLock, 1u) << "a value deleted since the start keeps what was read";
    EXPECT_EQ(kept.DisabledKeys.LeftWindow, 1u);
    EXPECT_EQ(kept.DisabledKeys.RightWindow, 1u);
    EXPECT_EQ(kept.DisabledKeys.Application, 1u);
}

TEST_F(AgentSettings, WithoutTheCompanionNothingIsSentAndTheValueStays) {
    for (uint32_t stored : {256u, 1u}) {
        agenttest::SetNumber(KB_REG_SKYREL, KB_VAL_USB_LOCK, stored);
        AgentProcess agent;
        StartAgent(agent);
        EXPECT_EQ(UsbLock(), stored);
        ASSERT_TRUE(agenttest::StopWithU(agent));
    }
}

// The agent's reader waits for a companion that comes later: once it has the device, the agent
// sends the lock and the keys as its start would have, and leaves "USB Lock" as it is.
TEST_F(AgentSettings, ACompanionThatComesAfterTheStartGetsTheLockAndTheKeys) {
    agenttest::SetNumber(KB_REG_SKYREL, KB_VAL_USB_LOCK, 256);
    SetKeys(1, 0, 0, 1);
    AgentProcess agent;
    StartAgent(agent);
    winsupport::DriverService companion(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME));
    ASSERT_TRUE(companion.running()) << companion.error();
    // The reader tries again every second, and may lag far behind that under Wine.
    LVX_KEPT_STATE kept = {};
    EXPECT_TRUE(fixtures::PumpUntil(
        [&] {
            kept = Kept();
            return kept.LockByte == 0x80 && kept.DisabledKeys.Application == 1;
        },
        winetest::SLOW_WAIT_LIMIT_MS))
        << "lock byte " << static_cast<int>(kept.LockByte);
    EXPECT_EQ(kept.DisabledKeys.CapsLock, 1u);
    EXPECT_EQ(kept.DisabledKeys.LeftWindow, 0u);
    EXPECT_EQ(UsbLock(), 256u) << "not written back";
    ASSERT_TRUE(agenttest::StopWithU(agent));
}

}  // namespace
