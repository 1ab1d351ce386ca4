// The "Options" page applied while the real keyagent.exe runs: its popup window, told of the
// change, reloads the settings and sends the new key-disable flags to the companion filter. The
// companion is its stand-in's test variant, which tells what it was last sent.
#include <gtest/gtest.h>

#include "common/control_interface.h"
#include "keypages/tests/wine/page_controls.h"
#include "keypages/tests/wine/pages_fixture.h"
#include "outside/lvxnftr/companion_interface.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/sheets/page_input.h"
#include "tools/winetest/device_io.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/driver_service.h"

namespace kp_test {
namespace {

class WithRealAgent : public KeyboardPages {
protected:
    WithRealAgent() : companion_(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME)) {}
    void SetUp() override {
        ASSERT_TRUE(companion_.running()) << companion_.error();
        KeyboardPages::SetUp();
        DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_SKYREL);
    }
    void TearDown() override {
        KeyboardPages::TearDown();
        DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_SKYREL);
    }

    DISABLE_KEYS_INPUT DisabledKeys() {
        winetest::DeviceHandle device(KB_COMPANION_USER_PATH);
        EXPECT_TRUE(device.valid()) << "error " << device.open_error();
        return winetest::ReceiveRecord<LVX_KEPT_STATE>(device, IOCTL_LVX_TEST_GET_STATE).DisabledKeys;
    }

    // True once the companion keeps Caps Lock as `caps_lock`: the agent's send at start comes
    // some time after its main window.
    bool WaitForCapsLock(uint32_t caps_lock) {
        const DWORD start = GetTickCount();
        do {
            if (DisabledKeys().CapsLock == caps_lock) return true;
            Sleep(20);
        } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
        return false;
    }

    winsupport::DriverService companion_;
};

TEST_F(WithRealAgent, ApplyingTheOptionsPageMakesThePopupSendTheNewKeyFlags) {
    WriteNumber(HKEY_LOCAL_MACHINE, kOptionKey, "Caps Lock", 1);
    agenttest::AgentProcess agent;
    ASSERT_TRUE(agent.Start());
    ASSERT_NE(agent.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(WaitForCapsLock(1)) << "the agent never sent the flags it read at start";

    OpenSheet(kOptionsPage);
    HWND page = sheet().Page(kOptionsPage);
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Checked(page, kCapsLock));
    Click(page, kCapsLock);
    Click(page, kLeftWindow);
    Click(page, kApplication);
    sheet().PressApply();

    // The page sends its message, so the popup has reloaded by the time Apply returns.
    const DISABLE_KEYS_INPUT keys = DisabledKeys();
    EXPECT_EQ(keys.CapsLock, 0u);
    EXPECT_EQ(keys.LeftWindow, 1u);
    EXPECT_EQ(keys.RightWindow, 0u);
    EXPECT_EQ(keys.Application, 1u);
    EXPECT_TRUE(agenttest::StopWithU(agent));
}

}  // namespace
}  // namespace kp_test
