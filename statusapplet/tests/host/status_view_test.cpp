#include "statusapplet/logic/status_view.h"

#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"

namespace {

using applet::BuildView;
using applet::FirstLinked;
using applet::kNoDevice;
using applet::SelectionAfterRefresh;
using applet::StatusView;

RF_RECORD Linked(uint8_t channel, uint16_t id, uint8_t flags) {
    return RF_RECORD{RF_STATE_REPORTED | RF_STATE_LINKED, channel, id, flags};
}

TEST(StatusView, TheFirstLinkedRecordIsTheLowestIndex) {
    RF_DATA table = {};
    EXPECT_EQ(FirstLinked(table), kNoDevice);
    table.Record[2] = Linked(0, 0, 0);
    table.Record[1] = Linked(0, 0, 0);
    EXPECT_EQ(FirstLinked(table), DEVICE_TEN_KEY_PAD) << "records 1 and 2 linked";
    table.Record[0].State = RF_STATE_REPORTED;
    EXPECT_EQ(FirstLinked(table), DEVICE_TEN_KEY_PAD) << "reported is not linked";
}

TEST(StatusView, ADeviceNoLongerLinkedIsLetGo) {
    RF_DATA table = {};
    table.Record[DEVICE_MOUSE] = Linked(0, 0, 0);
    EXPECT_EQ(SelectionAfterRefresh(table, DEVICE_MOUSE), DEVICE_MOUSE);
    table.Record[DEVICE_MOUSE].State = RF_STATE_REPORTED;
    EXPECT_EQ(SelectionAfterRefresh(table, DEVICE_MOUSE), kNoDevice);
    EXPECT_EQ(SelectionAfterRefresh(table, kNoDevice), kNoDevice);
}

TEST(StatusView, ButtonsFollowTheirRecordsAndTheLockBoxAnyReportedRecord) {
    RF_DATA table = {};
    StatusView view = BuildView(table, kNoDevice, RF_FLAG_LOCK);
    for (bool enabled : view.button_enabled) EXPECT_FALSE(enabled);
    EXPECT_FALSE(view.lock_enabled);

    table.Record[DEVICE_KEYBOARD].State = RF_STATE_REPORTED;
    table.Record[DEVICE_SPACE_BALL] = Linked(0, 0, 0);
    table.Record[DEVICE_GAMEPAD_A].State = 0x02;  // a state bit other than "linked" also counts
    view = BuildView(table, DEVICE_SPACE_BALL, RF_FLAG_LOCK);
    for (int index = 0; index < DEVICE_KIND_COUNT; ++index) {
        EXPECT_EQ(view.button_enabled[index], index == DEVICE_SPACE_BALL || index == DEVICE_GAMEPAD_A) << index;
    }
    EXPECT_EQ(view.pressed, DEVICE_SPACE_BALL);
    EXPECT_TRUE(view.lock_enabled);
    EXPECT_TRUE(view.lock_ticked);
    EXPECT_FALSE(BuildView(table, DEVICE_SPACE_BALL, 0xEF & ~RF_FLAG_LOCK).lock_ticked) << "only bit 4 counts";
}

TEST(StatusView, TheChosenDeviceShowsChannelAndIdPlusOneAndItsBattery) {
    RF_DATA table = {};
    table.Record[DEVICE_MOUSE] = Linked(0, 0x0FFF, 0x00);
    StatusView view = BuildView(table, DEVICE_MOUSE, 0);
    EXPECT_TRUE(view.details_enabled);
    EXPECT_STREQ(view.channel_text, "1");
    EXPECT_STREQ(view.id_text, "4096");
    EXPECT_EQ(view.battery_bitmap, KB_IDB_BATTERY_GOOD);

    table.Record[DEVICE_MOUSE] = Linked(255, 0xFFFF, RF_FLAG_BATTERY_LOW | RF_FLAG_LOCK);
    view = BuildView(table, DEVICE_MOUSE, 0);
    EXPECT_STREQ(view.channel_text, "256");
    EXPECT_STREQ(view.id_text, "65536") << "a table from another program may set every bit";
    EXPECT_EQ(view.battery_bitmap, KB_IDB_BATTERY_LOW);
}

TEST(StatusView, WithNoDeviceChosenTheDetailsAreOffAndTheBatteryEmpty) {
    RF_DATA table = {};
    table.Record[DEVICE_MOUSE] = Linked(3, 7, RF_FLAG_BATTERY_LOW);
    StatusView view = BuildView(table, kNoDevice, 0);
    EXPECT_FALSE(view.details_enabled);
    EXPECT_EQ(view.battery_bitmap, KB_IDB_BATTERY_NONE);
    EXPECT_EQ(view.pressed, kNoDevice);
}

}  // namespace
