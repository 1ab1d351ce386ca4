#include <gtest/gtest.h>

#include "agent/logic/event_route.h"
#include "agent/logic/lock_byte.h"

namespace {

TEST(LockByte, NonZeroValuesLockWithBitSevenAndAreWrittenBackAsOne) {
    EXPECT_EQ(LockByteFromValue(0), 0);
    EXPECT_EQ(LockByteFromValue(1), 0x81);
    EXPECT_EQ(LockByteFromValue(256), 0x80);
    EXPECT_EQ(UsbLockWrittenBack(LockByteFromValue(256)), 1u);
    EXPECT_EQ(UsbLockWrittenBack(LockByteFromValue(0)), 0u);
}

TEST(EventRoute, EachCodeGoesItsWay) {
    EXPECT_EQ(RouteFilterEvent(0), EventRoute::FetchStatusTable);
    EXPECT_EQ(RouteFilterEvent(99), EventRoute::StatusReport);
    EXPECT_EQ(RouteFilterEvent(100), EventRoute::Ignore);
    EXPECT_EQ(RouteFilterEvent(101), EventRoute::Ignore);
    EXPECT_EQ(RouteFilterEvent(1), EventRoute::HotKey);
    EXPECT_EQ(RouteFilterEvent(50), EventRoute::HotKey);
    EXPECT_EQ(RouteFilterEvent(255), EventRoute::HotKey);
}

TEST(EventRoute, StatusReportsStepTheWheelByOne) {
    EXPECT_EQ(WheelDeltaOfStatusReport(0), 0);
    EXPECT_EQ(WheelDeltaOfStatusReport(1), -1);
    EXPECT_EQ(WheelDeltaOfStatusReport(2), 1);
    EXPECT_EQ(WheelDeltaOfStatusReport(255), 1);
}

TEST(EventRoute, TheMaskTakesOnlyTheBatteryBitOfEachRecord) {
    RF_DATA table = {};
    for (RF_RECORD& record : table.Record) {
        record.State = 0xFF;
        record.Flags = RF_FLAG_LOCK;
    }
    table.Record[3].Flags |= RF_FLAG_BATTERY_LOW;
    EXPECT_EQ(LowBatteryMask(table), 0x08);
    table.Record[7].Flags = RF_FLAG_BATTERY_LOW;
    EXPECT_EQ(LowBatteryMask(table), 0x88);
}

TEST(HotKeyCheck, OnlyOneToTwentyThreeIsAHotKeyWhateverTheWidth) {
    EXPECT_FALSE(IsHotKeyCode(0));
    EXPECT_TRUE(IsHotKeyCode(1));
    EXPECT_TRUE(IsHotKeyCode(23));
    EXPECT_FALSE(IsHotKeyCode(24));
    EXPECT_FALSE(IsHotKeyCode(50));
    EXPECT_FALSE(IsHotKeyCode(0x100000001ull)) << "a wide parameter must not be cut to a valid code";
    EXPECT_FALSE(IsHotKeyCode(static_cast<uint64_t>(-1)));
}

}  // namespace
