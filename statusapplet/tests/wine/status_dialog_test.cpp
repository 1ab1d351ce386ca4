// The status dialog against the real filter driver fed by the receiver simulator: what it
// shows of the status table, how it follows the table, the "USB Lock" it stores, and that its
// handle makes the filter keep hot keys from Windows while it is open.
#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/tests/wine/applet_fixture.h"

namespace {

using applet_test::AppletWithReceiver;
using applet_test::DeviceButton;
using applet_test::DialogView;
using applet_test::Tick;

constexpr uint8_t kBatteryLow = RF_FLAG_BATTERY_LOW;
constexpr uint8_t kIndexClearAll = RF_INDEX_CLEAR_ALL;

class StatusDialog : public AppletWithReceiver {};

void ExpectDetailsOff(const DialogView& view, const char* when) {
    EXPECT_FALSE(view.channel_enabled) << when;
    EXPECT_FALSE(view.id_enabled) << when;
    EXPECT_FALSE(view.battery_enabled) << when;
    EXPECT_EQ(view.battery, KB_IDB_BATTERY_NONE) << when;
}

TEST_F(StatusDialog, NothingLinkedLeavesEveryButtonAndTheLockBoxOff) {
    Open();
    const DialogView view = View();
    for (int kind = 0; kind < DEVICE_KIND_COUNT; ++kind) EXPECT_FALSE(view.button_enabled[kind]) << kind;
    EXPECT_FALSE(view.lock_enabled);
    ExpectDetailsOff(view, "nothing linked");
}

TEST_F(StatusDialog, LinkedKindsEnableTheirButtonsAndTheFirstIsChosen) {
    ReportDevice(DEVICE_MOUSE, 4, 0x010, kBatteryLow);
    ReportDevice(DEVICE_TEN_KEY_PAD, 0, 0x0FFF, 0);
    Open();
    DialogView view = View();
    for (int kind = 0; kind < DEVICE_KIND_COUNT; ++kind) {
        EXPECT_EQ(view.button_enabled[kind], kind == DEVICE_MOUSE || kind == DEVICE_TEN_KEY_PAD) << kind;
    }
    EXPECT_TRUE(view.lock_enabled) << "the receiver reported";
    EXPECT_TRUE(view.channel_enabled && view.id_enabled && view.battery_enabled);
    EXPECT_EQ(view.channel, "1") << "Ten Key Pad, the first linked record, on channel 0";
    EXPECT_EQ(view.id, "4096") << "id 0x0FFF";
    EXPECT_EQ(view.battery, KB_IDB_BATTERY_GOOD);

    Click(DeviceButton(dialog(), DEVICE_MOUSE));
    view = View();
    EXPECT_EQ(view.channel, "5");
    EXPECT_EQ(view.id, "17");
    EXPECT_EQ(view.battery, KB_IDB_BATTERY_LOW) << "the mouse reports its battery low";

    ReportDevice(DEVICE_MOUSE, 4, 0x010, 0);
    Tick(dialog());
    EXPECT_EQ(View().battery, KB_IDB_BATTERY_GOOD) << "the picture follows the battery bit";
}

TEST_F(StatusDialog, TheChosenDeviceGoingAwayEmptiesTheDisplay) {
    ReportDevice(DEVICE_MOUSE, 4, 0x010, kBatteryLow);
    Open();
    ASSERT_EQ(View().channel, "5");
    ReportDevice(kIndexClearAll, 0, 0, 0);
    Tick(dialog());
    DialogView view = View();
    ExpectDetailsOff(view, "the mouse unlinked");
    EXPECT_FALSE(view.button_enabled[DEVICE_MOUSE]);
    EXPECT_TRUE(view.lock_enabled) << "the receiver still reports";

    ReportDevice(DEVICE_MOUSE, 4, 0x010, 0);
    Tick(dialog());
    view = View();
    EXPECT_TRUE(view.button_enabled[DEVICE_MOUSE]);
    ExpectDetailsOff(view, "linked again but not chosen: the timer chooses nothing");

    Unplug(1);
    Tick(dialog());
    view = View();
    EXPECT_FALSE(view.button_enabled[DEVICE_MOUSE]) << "the receiver pulled out";
    EXPECT_FALSE(view.lock_enabled);
}

TEST_F(StatusDialog, TheKeyboardButtonHandsTheFocusToTheLockBox) {
    ReportDevice(DEVICE_KEYBOARD, 1, 0x001, 0);
    ReportDevice(DEVICE_MOUSE, 2, 0x002, 0);
    Open();
    auto focus = [&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(dialog_->thread_id(), &info);
        return info.hwndFocus;
    };
    Click(DeviceButton(dialog(), DEVICE_MOUSE));
    EXPECT_EQ(focus(), DeviceButton(dialog(), DEVICE_MOUSE));
    Click(DeviceButton(dialog(), DEVICE_KEYBOARD));
    EXPECT_EQ(View().channel, "2");
    EXPECT_EQ(focus(), dialog_->Control(KB_IDC_LOCK));
}

TEST_F(StatusDialog, ADoubleClickChoosesLikeAClick) {
    ReportDevice(DEVICE_KEYBOARD, 1, 0x001, 0);
    ReportDevice(DEVICE_MOUSE, 2, 0x002, 0);
    Open();
    ASSERT_EQ(View().channel, "2");
    HWND mouse = DeviceButton(dialog(), DEVICE_MOUSE);
    SendMessageA(mouse, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(mouse, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(View().channel, "3");
}

TEST_F(StatusDialog, TheFirstRefreshStoresUsbLockOnceAndThenOnlyAChange) {
    applet_test::DeleteUsbLock();
    ReportDevice(DEVICE_KEYBOARD, 1, 0x001, 0);
    Open();
    Tick(dialog());
    EXPECT_EQ(applet_test::StoredUsbLock(), 0) << "written by the first refresh";
    applet_test::StoreUsbLock(7);
    Tick(dialog());
    Tick(dialog());
    EXPECT_EQ(applet_test::StoredUsbLock(), 7) << "the same lock is not written again";
    ReportDevice(DEVICE_KEYBOARD, 1, 0x001, RF_FLAG_LOCK);
    Tick(dialog());
    EXPECT_EQ(applet_test::StoredUsbLock(), 1) << "the receiver locked";
    Tick(dialog());
    EXPECT_TRUE(View().lock_ticked);
}

// The box shows the lock of the table the refresh read, from the dialog's opening on; "USB Lock"
// is still written by the first timer refresh.
TEST_F(StatusDialog, TheLockBoxShowsTheReceiversLockAtTheRefreshThatReadsIt) {
    applet_test::DeleteUsbLock();
    ReportDevice(DEVICE_KEYBOARD, 1, 0x001, RF_FLAG_LOCK);
    Open();
    EXPECT_TRUE(View().lock_ticked) << "opened on a locked receiver";
    EXPECT_EQ(applet_test::StoredUsbLock(), -1) << "the opening writes nothing";
    Tick(dialog());
    EXPECT_EQ(applet_test::StoredUsbLock(), 1);
    ReportDevice(DEVICE_KEYBOARD, 1, 0x001, 0);
    Tick(dialog());
    EXPECT_FALSE(View().lock_ticked) << "unlocked at the tick that read it";
    EXPECT_EQ(applet_test::StoredUsbLock(), 0);
}

// The applet's handle only asks for the table: with the agent stopped, the keys stay Windows'.
TEST_F(StatusDialog, TheOpenAppletLeavesHotKeysToWindows) {
    const std::vector<uint8_t> volume_up = {0x01, 0xE9, 0x00};
    Open();
    Tick(dialog());
    EXPECT_EQ(FeedThrough(volume_up), volume_up) << "the applet took the key from Windows";
}

}  // namespace
