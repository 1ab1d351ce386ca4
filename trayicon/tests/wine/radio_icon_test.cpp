// The radio icon: the battery reports and the activity that make it blink, and the timer ticks
// that end the blink. The tests tick the window's clock themselves, one WM_TIMER at a time, so
// that what they see does not depend on how fast the machine runs; one test lets the window's
// own timer do it.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/private_messages.h"
#include "trayicon/tests/wine/tray_fixture.h"

namespace {

using tray_test::CallsFor;
using tray_test::kBlinkTimer;
using tray_test::kFirstFormSize;
using tray_test::kRadioIcon;
using tray_test::NotifyCall;
using tray_test::Recorded;
using tray_test::TrayWindow;

std::vector<NotifyCall> RadioChangesSince(size_t from) {
    return CallsFor(NIM_MODIFY, kRadioIcon, from);
}

class RadioIcon : public TrayWindow {
protected:
    void SetUp() override {
        TrayWindow::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(KillTimer(window_, kBlinkTimer)) << "the window keeps no blink timer";
    }

    // Sends WM_TIMER to the window one tick at a time until the radio icon changes; the number
    // of ticks that took, or 0 when twenty ticks changed nothing.
    unsigned TicksUntilRadioChange() {
        size_t from = Recorded().notifications.size();
        for (unsigned tick = 1; tick <= 20; ++tick) {
            SendMessageA(window_, WM_TIMER, kBlinkTimer, 0);
            if (!RadioChangesSince(from).empty()) return tick;
        }
        return 0;
    }

    void Ticks(unsigned count) {
        for (unsigned tick = 0; tick < count; ++tick) SendMessageA(window_, WM_TIMER, kBlinkTimer, 0);
    }

    // Posts a message and returns the one change of the radio icon it made; more or fewer fail
    // the test.
    NotifyCall PostForRadioChange(UINT message, WPARAM wparam) {
        size_t from = Recorded().notifications.size();
        Post(message, wparam);
        std::vector<NotifyCall> changes = RadioChangesSince(from);
        EXPECT_EQ(changes.size(), 1u) << "changes of the radio icon";
        return changes.size() == 1 ? changes[0] : NotifyCall{};
    }

    NotifyCall LastRadioChange() {
        std::vector<NotifyCall> changes = RadioChangesSince(0);
        return changes.empty() ? NotifyCall{} : changes.back();
    }
};

TEST_F(RadioIcon, LowBatteryShowsRedWavesThenTheDarkRedDot) {
    NotifyCall shown = PostForRadioChange(WM_TRAY_BATTERY, 0x05);
    EXPECT_EQ(shown.flags, static_cast<UINT>(NIF_ICON | NIF_TIP));
    EXPECT_EQ(shown.size, kFirstFormSize);
    EXPECT_EQ(shown.icon_resource, 146);
    EXPECT_EQ(shown.tooltip, "Battery Low:\nKeyboard\nMouse\n");

    EXPECT_EQ(TicksUntilRadioChange(), 5u) << "the blink ends on the fifth tick";
    NotifyCall idle = LastRadioChange();
    EXPECT_EQ(idle.icon_resource, 145);
    EXPECT_EQ(idle.tooltip, "Battery Low:\nKeyboard\nMouse\n");
    EXPECT_EQ(TicksUntilRadioChange(), 0u) << "an idle icon stays idle";
}

TEST_F(RadioIcon, NormalBatteryShowsGreenWavesThenTheBlueDot) {
    NotifyCall shown = PostForRadioChange(WM_TRAY_BATTERY, 0);
    EXPECT_EQ(shown.icon_resource, 131);
    EXPECT_EQ(shown.tooltip, "Battery Normal");

    EXPECT_EQ(TicksUntilRadioChange(), 5u);
    NotifyCall idle = LastRadioChange();
    EXPECT_EQ(idle.icon_resource, 130);
    EXPECT_EQ(idle.tooltip, "Battery Normal");
}

TEST_F(RadioIcon, AllEightLowIsCutAtSixtyThreeCharacters) {
    NotifyCall shown = PostForRadioChange(WM_TRAY_BATTERY, 0xFF);
    EXPECT_EQ(shown.tooltip_bytes, 63u);
    EXPECT_EQ(shown.tooltip, std::string("Battery Low:\nKeyboard\nTen Key\nMouse\nGame Pad 1\nGame Pad 2\n"
                                         "88 Key Keyboard\nSpace Ball\nTouch Pad\n").substr(0, 63));
}

TEST_F(RadioIcon, StreamOfActivityKeepsTheActiveFormUntilItStops) {
    EXPECT_EQ(PostForRadioChange(WM_TRAY_ACTIVITY, 0).icon_resource, 131);
    size_t from = Recorded().notifications.size();
    // Four ticks between two activities: each one starts the countdown again.
    for (int activity = 0; activity < 10; ++activity) {
        Ticks(4);
        Post(WM_TRAY_ACTIVITY, 0);
    }
    EXPECT_TRUE(RadioChangesSince(from).empty()) << "only the first activity changes the icon";

    EXPECT_EQ(TicksUntilRadioChange(), 5u) << "idle on the fifth tick after the last activity";
    EXPECT_EQ(LastRadioChange().icon_resource, 130);
}

TEST_F(RadioIcon, ActivityAfterALowBatteryReportBlinksRed) {
    Post(WM_TRAY_BATTERY, 0x80);
    EXPECT_EQ(TicksUntilRadioChange(), 5u);
    EXPECT_EQ(LastRadioChange().icon_resource, 145);
    NotifyCall shown = PostForRadioChange(WM_TRAY_ACTIVITY, 0);
    EXPECT_EQ(shown.icon_resource, 146);
    EXPECT_EQ(shown.tooltip, "Battery Low:\nTouch Pad\n");
}

// The window's own timer, as the agent runs it: waited for, however long the machine takes.
TEST_F(TrayWindow, ItsOwnTimerEndsTheBlink) {
    size_t from = Recorded().notifications.size();
    Post(WM_TRAY_BATTERY, 0);
    bool idle = fixtures::PumpUntil([&] { return RadioChangesSince(from).size() >= 2; }, tray_test::kGiveUpMs,
                                 tray_test::RememberQuit(pumped_));
    ASSERT_TRUE(idle) << "the radio icon never went idle";
    EXPECT_EQ(RadioChangesSince(from)[1].icon_resource, 130);
}

}  // namespace
