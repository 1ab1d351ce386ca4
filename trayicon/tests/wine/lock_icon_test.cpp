// The lock-key icon: each new lock state the agent posts is shown, a repeated one is not.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include <gtest/gtest.h>

#include "common/private_messages.h"
#include "trayicon/tests/wine/tray_fixture.h"

namespace {

using tray_test::CallsFor;
using tray_test::kLockIcon;
using tray_test::NotifyCall;
using tray_test::Recorded;
using tray_test::TrayWindow;

TEST_F(TrayWindow, LockKeysShowEachNewState) {
    struct Step {
        WPARAM state;
        bool changes;
        int icon;
        const char* tip;
    } steps[] = {
        {6, true, 143, "NUM  CAPS  "},
        {6, false, 0, nullptr},
        {0, true, 137, ""},
        {7, true, 144, "NUM  CAPS  SCROLL"},
        {1, true, 138, "SCROLL"},
        // Above 7 only the low three bits count: 0x0E shows Num and Caps, 9 the same as 1.
        {9, false, 0, nullptr},
        {0x0E, true, 143, "NUM  CAPS  "},
    };
    for (const Step& step : steps) {
        size_t from = Recorded().notifications.size();
        Post(WM_TRAY_LOCKKEYS, step.state);
        std::vector<NotifyCall> calls = CallsFor(NIM_MODIFY, kLockIcon, from);
        if (!step.changes) {
            EXPECT_TRUE(calls.empty()) << "state " << step.state;
            continue;
        }
        ASSERT_EQ(calls.size(), 1u) << "state " << step.state;
        EXPECT_EQ(calls[0].flags, static_cast<UINT>(NIF_ICON | NIF_TIP));
        EXPECT_EQ(calls[0].icon_resource, step.icon) << "state " << step.state;
        EXPECT_EQ(calls[0].tooltip, step.tip) << "state " << step.state;
    }
}

}  // namespace
