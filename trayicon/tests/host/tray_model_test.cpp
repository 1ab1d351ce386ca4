#include "trayicon/logic/tray_model.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace tray;

TEST(TrayIcons, RadioIconFollowsMaskAndForm) {
    struct Case {
        unsigned mask;
        bool active;
        unsigned resource;
    } cases[] = {
        {0x00, false, 130}, {0x00, true, 131}, {0x05, false, 145},
        {0x05, true, 146},  {0x80, true, 146}, {0xFF, false, 145},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BatteryIconResource(static_cast<std::uint8_t>(c.mask), c.active), c.resource)
            << "mask " << c.mask << " active " << c.active;
    }
}

// Drives the state machine with a script of messages and timer ticks and records the radio
// icon's forms: 'A' active, 'I' idle, '-' unchanged.
std::string RadioForms(TrayState& state, const char* script) {
    std::string forms;
    for (const char* step = script; *step; ++step) {
        RadioForm form = RadioForm::Unchanged;
        if (*step == 'a') form = OnActivity(state);
        if (*step == 'b') form = OnBattery(state, 0x05);
        if (*step == 't') form = OnTimerTick(state);
        forms += form == RadioForm::Active ? 'A' : form == RadioForm::Idle ? 'I' : '-';
    }
    return forms;
}

TEST(Blinking, FormsOverTimerTicks) {
    struct Case {
        const char* script;
        const char* forms;
    } cases[] = {
        // Five ticks without traffic end the active form; ticks while idle do nothing.
        {"attttttt", "A----I--"},
        // Activity while blinking keeps the active form and restarts the countdown.
        {"atttatttttt", "A--------I-"},
        // A stream of activity, one every tick, never lets it go idle.
        {"atatatatatatattttt", "A----------------I"},
        // A battery report always shows the active form, even while blinking, and restarts.
        {"atttbttttt", "A---A----I"},
        {"ttbttttt", "--A----I"},
        // After going idle the next activity shows the active form again.
        {"attttta", "A----IA"},
    };
    for (const Case& c : cases) {
        TrayState state;
        StartWindow(state);
        EXPECT_EQ(RadioForms(state, c.script), c.forms) << c.script;
    }
}

TEST(Blinking, BatteryReportKeepsTheLowEightBits) {
    TrayState state;
    OnBattery(state, 0x105);
    EXPECT_EQ(state.low_battery_mask, 0x05);
    IconChange shown = BatteryIcon(state, true);
    EXPECT_EQ(shown.id, 100u);
    EXPECT_EQ(shown.icon_resource, 146u);
    EXPECT_STREQ(shown.tooltip.text, "Battery Low:\nKeyboard\nMouse\n");
    OnBattery(state, 0x100);
    EXPECT_EQ(BatteryIcon(state, false).icon_resource, 130u);
    EXPECT_STREQ(BatteryIcon(state, false).tooltip.text, "Battery Normal");
}

TEST(Blinking, NewWindowStartsIdleButKeepsTheProcessMask) {
    TrayState state;
    OnBattery(state, 0x04);
    OnLockKeys(state, 3);
    StartWindow(state);
    EXPECT_FALSE(state.blinking);
    EXPECT_EQ(state.blink_counter, 0u);
    EXPECT_EQ(state.last_lock_state_shown, kNoLockStateShown);
    EXPECT_EQ(state.low_battery_mask, 0x04);
}

TEST(LockKeys, ShowsEachNewStateOnce) {
    TrayState state;
    StartWindow(state);
    IconChange six = OnLockKeys(state, 6);
    EXPECT_TRUE(six.needed);
    EXPECT_EQ(six.id, 103u);
    EXPECT_EQ(six.icon_resource, 143u);
    EXPECT_STREQ(six.tooltip.text, "NUM  CAPS  ");
    EXPECT_FALSE(OnLockKeys(state, 6).needed);
    IconChange zero = OnLockKeys(state, 0);
    EXPECT_TRUE(zero.needed);
    EXPECT_EQ(zero.icon_resource, 137u);
    EXPECT_STREQ(zero.tooltip.text, "");
}

TEST(LockKeys, FirstStateZeroIsShownToo) {
    TrayState state;
    StartWindow(state);
    EXPECT_TRUE(OnLockKeys(state, 0).needed);
}

TEST(LockKeys, StatesAboveSevenUseTheirLowThreeBits) {
    struct Case {
        std::uintptr_t state;
        unsigned resource;
        const char* tooltip;
    } cases[] = {
        {8, 137, ""},
        {0x0E, 143, "NUM  CAPS  "},
        {0xFF, 144, "NUM  CAPS  SCROLL"},
        {0xFFFFFFF9u, 138, "SCROLL"},
    };
    for (const Case& c : cases) {
        TrayState state;
        StartWindow(state);
        IconChange change = OnLockKeys(state, c.state);
        EXPECT_TRUE(change.needed);
        EXPECT_EQ(change.icon_resource, c.resource) << c.state;
        EXPECT_STREQ(change.tooltip.text, c.tooltip) << c.state;
    }
    TrayState state;
    StartWindow(state);
    OnLockKeys(state, 6);
    EXPECT_FALSE(OnLockKeys(state, 0x0E).needed) << "0x0E shows the same locks as 6";
}

TEST(Clicks, DoubleClickOpensTheAppletAndRightButtonTheMenu) {
    struct Case {
        unsigned mouse;
        ClickAction action;
    } cases[] = {
        {0x0203, ClickAction::OpenApplet}, {0x0204, ClickAction::ShowMenu}, {0x0200, ClickAction::None},
        {0x0201, ClickAction::None},       {0x0202, ClickAction::None},     {0x0205, ClickAction::None},
        {0x0206, ClickAction::None},       {0x10203, ClickAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OnIconMouse(c.mouse), c.action) << "mouse " << c.mouse;
    }
}

}  // namespace
