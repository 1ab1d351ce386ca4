// The simulator's words for reports, events, the status table and the HID side.
#include <gtest/gtest.h>

#include "tools/simulator/script/report_words.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ReportWords, ReportsOfEveryKind) {
    struct Case {
        Bytes report;
        const char* words;
    };
    const Case cases[] = {
        {{0x01, 0xE9, 0x00}, "consumer key \"Media Vol+\" pressed (usage 0x00E9)"},
        {{0x01, 0x24, 0x02}, "consumer key \"WWW Back\" pressed (usage 0x0224)"},
        {{0x01, 0x92, 0x01}, "consumer key \"Calculator\" pressed (usage 0x0192)"},
        {{0x01, 0x00, 0x00}, "consumer keys released"},
        {{0x01, 0x30, 0x00}, "consumer usage 0x0030 (not a hot key)"},
        {{0x01, 0xE9}, "consumer-key report, too short"},
        {{0x02, 0x81}, "system control \"Power key\" pressed"},
        {{0x02, 0x82}, "system control 0x82 (not a hot key)"},
        {{0x03, 0x02, 0x05, 0x34, 0xF2, 0x10}, "device status: Mouse linked, CH 6, ID 565, battery ok, lock on"},
        {{0x03, 0x00, 0x00, 0xFF, 0x0F, 0x01}, "device status: Keyboard linked, CH 1, ID 4096, battery low, lock off"},
        {{0x03, 0xFE, 0, 0, 0, 0x00}, "device status: every device unlinked, lock off"},
        {{0x03, 0xFF, 0, 0, 0, 0x10}, "device status: lock on"},
        {{0x03, 0x09, 0, 0, 0, 0x00}, "device status for index 9 (no such device kind)"},
        {{0x03, 0x02, 0x05}, "device-status report, too short"},
        {{0x04, 0, 0, 0, 0, 0x01}, "status report, auxiliary byte 0x01"},
        {{0x04, 0, 0, 0, 0}, "status report, auxiliary byte cleared"},
        {{0x04, 0}, "status report of 2 bytes (auxiliary byte kept)"},
        {{0x07, 0x01}, "report 7 (unknown report number)"},
        {{}, "empty report"},
    };
    for (const Case& c : cases) EXPECT_EQ(sim::DescribeReport(c.report), c.words) << sim::HexBytes(c.report);
}

TEST(ReportWords, EventsCarryTheirMeaningAndAuxByte) {
    struct Case {
        EVENT_RECORD event;
        const char* words;
    };
    const Case cases[] = {
        {{0, 0}, "event 0, aux 0: device status changed"},
        {{1, 0}, "event 1, aux 0: hot key \"WWW Back\""},
        {{13, 1}, "event 13, aux 1: hot key \"Media Vol+\""},
        {{18, 0}, "event 18, aux 0: hot key \"Calculator\""},
        {{19, 0}, "event 19, aux 0: hot key \"Power key\""},
        {{20, 0}, "event 20, aux 0: unknown event"},
        {{50, 0}, "event 50, aux 0: all consumer keys released"},
        {{99, 7}, "event 99, aux 7: status report"},
        {{100, 0}, "event 100, aux 0: receiver removed"},
        {{101, 0}, "event 101, aux 0: receiver added"},
    };
    for (const Case& c : cases) EXPECT_EQ(sim::DescribeEvent(c.event), c.words);
    EXPECT_EQ(sim::KeyNameForEvent(0), nullptr);
    EXPECT_EQ(sim::KeyNameForEvent(20), nullptr);
    EXPECT_STREQ(sim::DeviceKindName(7), "Writing Pad");
    EXPECT_EQ(sim::DeviceKindName(8), nullptr);
}

TEST(ReportWords, StatusTableShowsLinkedDevicesOnly) {
    RF_DATA table = {};
    std::vector<std::string> empty = sim::DescribeStatusTable(table);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0], "no device linked (nothing reported since the table was cleared), lock off");

    table.Record[DEVICE_KEYBOARD] = {0x81, 5, 0x234, 0x11};
    table.Record[DEVICE_MOUSE] = {0x81, 0, 0x00F, 0x10};
    table.Record[DEVICE_TEN_KEY_PAD] = {0x80, 9, 0x111, 0x11};
    std::vector<std::string> lines = sim::DescribeStatusTable(table);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Keyboard           CH 6, ID 565, battery low, lock on");
    EXPECT_EQ(lines[1], "Mouse              CH 1, ID 16, battery ok, lock on");

    RF_DATA cleared = {};
    for (RF_RECORD& r : cleared.Record) r.State = RF_STATE_REPORTED;
    EXPECT_EQ(sim::DescribeStatusTable(cleared)[0], "no device linked (the receiver has reported), lock off");
}

TEST(ReportWords, HidSideSaysWhatTheFilterDid) {
    EXPECT_EQ(sim::DescribeHidReport({1, 0xE9, 0}, {1, 0xE9, 0}), "HID driver receives 01 E9 00 (unchanged)");
    EXPECT_EQ(sim::DescribeHidReport({1, 0xE9, 0}, {1, 0, 0}), "HID driver receives 01 00 00 (hot key blanked)");
    EXPECT_EQ(sim::DescribeHidReport({1, 0xE9, 0}, {1, 0xEA, 0}), "HID driver receives 01 EA 00 (changed on the way up)");
    EXPECT_EQ(sim::DescribeHidReport({1, 0xE9, 0}, {1, 0}), "HID driver receives 01 00 (changed on the way up)");
}

}  // namespace
