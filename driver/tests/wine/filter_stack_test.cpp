// keyfilter in a receiver's stack, driven by the receiver test bench: reports fed in at the
// bottom come out as events at "\\.\UVXNFLTR" and, blanked or not, at the HID side; receivers
// come and go; the removal waits for what is still inside; and every request the bench sent
// came back completed exactly once.
#include <cstring>

#include "driver/tests/wine/filter_in_stack.h"
#include "tools/winetest/device_io.h"

namespace {

using Bytes = std::vector<uint8_t>;
using drivertest::Expected;
using drivertest::FilterInStack;
using winetest::NT_STATUS_SUCCESS;

TEST_F(FilterInStack, WithNoReaderReportsPassUnchangedAndQueueNothing) {
    Plug(1);
    const Bytes reports[] = {{0x01, 0xE9, 0x00}, {0x01, 0x00, 0x00}, {0x02, 0x81}, {0x03, 0x02, 0x05, 0x34, 0xF2, 0x10},
                             {0x07, 0x01}};
    for (const Bytes& report : reports) EXPECT_EQ(FeedThrough(report), report);
    OpenReader();
    ExpectEvents({}, "reader opened after reports with no reader");
    EXPECT_EQ(Table().Record[2].State, 0x81) << "the table is kept with no reader too";
}

TEST_F(FilterInStack, EachReportKindWithAReader) {
    OpenReader();
    Plug(1);
    ExpectEvents({{EVENT_RECEIVER_ADDED, 0}}, "plugged in with a reader");
    struct Case {
        Bytes report;
        Bytes received;
        std::vector<Expected> events;
    };
    const Case cases[] = {
        {{0x01, 0xE9, 0x00}, {0x01, 0x00, 0x00}, {{13, 0}}},
        {{0x01, 0x24, 0x02}, {0x01, 0x00, 0x00}, {{1, 0}}},
        {{0x01, 0x92, 0x01}, {0x01, 0x00, 0x00}, {{18, 0}}},
        {{0x01, 0x00, 0x00}, {0x01, 0x00, 0x00}, {{EVENT_KEYS_RELEASED, 0}}},
        {{0x01, 0x30, 0x00}, {0x01, 0x30, 0x00}, {}},
        {{0x02, 0x81}, {0x02, 0x00}, {{EVENT_POWER_KEY, 0}}},
        {{0x02, 0x82}, {0x02, 0x82}, {}},
        {{0x03, 0x02, 0x05, 0x34, 0xF2, 0x10}, {0x03, 0x02, 0x05, 0x34, 0xF2, 0x10}, {{EVENT_STATUS_CHANGED, 0}}},
        {{0x05, 0x01, 0x02}, {0x05, 0x01, 0x02}, {{EVENT_STATUS_REPORT, 0}}},
        {{0x00}, {0x00}, {{EVENT_STATUS_REPORT, 0}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FeedThrough(c.report), c.received) << "report " << int(c.report[0]);
        ExpectEvents(c.events, "after a report");
    }
}

TEST_F(FilterInStack, DeviceStatusReportsFillTheTable) {
    OpenReader();
    Plug(1);
    FeedThrough({0x03, 0x02, 0x05, 0x34, 0xF2, 0x10});
    RF_DATA table = Table();
    EXPECT_EQ(table.Record[2].State, 0x81);
    EXPECT_EQ(table.Record[2].Channel, 5);
    EXPECT_EQ(table.Record[2].Id, 0x234);
    EXPECT_EQ(table.Record[2].Flags, 0x10);
    EXPECT_EQ(table.Record[0].State, 0x80);
    EXPECT_EQ(table.Record[0].Flags, 0x10);

    FeedThrough({0x03, 0x09, 0x01, 0x01, 0x01, 0x00});
    EXPECT_EQ(Table().Record[2].Flags, 0x10) << "index 9 only marks the table reported";

    FeedThrough({0x03, 0xFE, 0x00, 0x00, 0x00, 0x00});
    table = Table();
    for (const RF_RECORD& record : table.Record) {
        EXPECT_EQ(record.State, 0x80);
        EXPECT_EQ(record.Channel, 0);
        EXPECT_EQ(record.Id, 0);
        EXPECT_EQ(record.Flags & RF_FLAG_LOCK, 0);
    }
    ExpectEvents({{EVENT_RECEIVER_ADDED, 0}, {0, 0}, {0, 0}, {0, 0}}, "three status reports");
}

TEST_F(FilterInStack, AHandleThatOnlyOpensTakesNoKeys) {
    Plug(1);
    winetest::DeviceHandle status_display(KB_FILTER_USER_PATH);
    ASSERT_TRUE(status_display.valid()) << "error " << status_display.open_error();
    EXPECT_EQ(FeedThrough({0x01, 0xE9, 0x00}), (Bytes{0x01, 0xE9, 0x00})) << "Windows gets the key";
    OpenReader();
    EXPECT_EQ(FeedThrough({0x01, 0xE9, 0x00}), (Bytes{0x01, 0x00, 0x00})) << "a reader takes it";
    ExpectEvents({{13, 0}}, "only the key pressed while the reader listened");
}

TEST_F(FilterInStack, StatusReportWithNoReaderQueuesNothingButSetsTheAuxByteOfLaterEvents) {
    Plug(1);
    FeedThrough({0x04, 0x00, 0x00, 0x00, 0x00, 0x01});
    OpenReader();
    ExpectEvents({}, "a 6-byte status report with no reader");
    FeedThrough({0x01, 0xE9, 0x00});
    ExpectEvents({{13, 1}}, "a hot key after it");
    FeedThrough({0x04, 0x00, 0x00, 0x00, 0x00});
    FeedThrough({0x01, 0xE9, 0x00});
    ExpectEvents({{EVENT_STATUS_REPORT, 0}, {13, 0}}, "after a 5-byte status report");
}

TEST_F(FilterInStack, OtherTransfersAreLeftAlone) {
    OpenReader();
    Plug(1);
    Events();
    ExpectLeftAlone(BENCH_CONTROL_TRANSFER, {0x01, 0xE9, 0x00});
    ExpectLeftAlone(BENCH_NULL_BUFFER_TRANSFER, {});
}

// A transfer the USB stack failed still holds bytes in its buffer, and an output transfer
// carries what the host sent: neither is a report from the receiver.
TEST_F(FilterInStack, AFailedOrOutgoingTransferIsLeftAlone) {
    OpenReader();
    Plug(1);
    Events();
    EXPECT_NE(ExpectLeftAlone(BENCH_FAILED_TRANSFER, {0x01, 0xE9, 0x00}), NT_STATUS_SUCCESS) << "the bench failed it";
    ExpectLeftAlone(BENCH_OUTPUT_TRANSFER, {0x01, 0xE9, 0x00});
    EXPECT_EQ(FeedThrough({0x01, 0xE9, 0x00}), (Bytes{0x01, 0x00, 0x00})) << "the next good transfer is decoded";
    ExpectEvents({{13, 0}}, "a good transfer after them");
}

// The filter takes the power paging of the device below, whichever it is, and direct I/O of
// its own.
TEST_F(FilterInStack, ArrivalPutsADirectIoDeviceWithThePowerPagingOfTheDeviceBelow) {
    constexpr uint32_t kBufferedIo = 0x04, kDirectIo = 0x10, kPowerPagable = 0x2000;
    for (bool pagable : {false, true}) {
        BENCH_PLUG_RESULT result = {};
        ASSERT_TRUE(bench().Plug(1, &result, NT_STATUS_SUCCESS, false, pagable)) << "error " << bench().error();
        ASSERT_EQ(result.AddDeviceStatus, NT_STATUS_SUCCESS);
        ASSERT_TRUE(result.Attached);
        EXPECT_EQ(result.FilterType, KB_FILE_DEVICE_UNKNOWN);
        EXPECT_TRUE(result.FilterFlags & kDirectIo) << std::hex << result.FilterFlags;
        EXPECT_FALSE(result.FilterFlags & kBufferedIo) << "the buffered I/O of the device below is not copied";
        EXPECT_EQ((result.FilterFlags & kPowerPagable) != 0, pagable) << std::hex << result.FilterFlags;
        EXPECT_EQ(result.StartStatus, NT_STATUS_SUCCESS);
        Unplug(1);
    }
}

TEST_F(FilterInStack, ArrivalIsToldOnlyToAReader) {
    Plug(1);
    OpenReader();
    ExpectEvents({}, "plugged in before the reader opened");
    Plug(2);
    ExpectEvents({{EVENT_RECEIVER_ADDED, 0}}, "plugged in with a reader");
}

TEST_F(FilterInStack, LastRemovalClearsTheLinksAndTellsTheReader) {
    OpenReader();
    Plug(1);
    FeedThrough({0x03, 0x02, 0x05, 0x34, 0xF2, 0x11});
    Events();
    Unplug(1);
    ExpectEvents({{EVENT_STATUS_CHANGED, 0}, {EVENT_RECEIVER_REMOVED, 0}}, "the last receiver pulled out");
    RF_DATA table = Table();
    for (const RF_RECORD& record : table.Record) EXPECT_EQ(record.State, 0);
    EXPECT_EQ(table.Record[2].Channel, 5);
    EXPECT_EQ(table.Record[2].Id, 0x234);
    EXPECT_EQ(table.Record[2].Flags, 0x11);
    EXPECT_EQ(table.Record[0].Flags, 0x10);
}

TEST_F(FilterInStack, RemovingOneOfTwoReceiversChangesNothing) {
    OpenReader();
    Plug(1);
    Plug(2);
    FeedThrough({0x03, 0x00, 0x01, 0x02, 0x03, 0x00}, 2);
    Events();
    RF_DATA before = Table();
    Unplug(1);
    ExpectEvents({}, "one of two receivers pulled out");
    RF_DATA after = Table();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    FeedThrough({0x01, 0xE9, 0x00}, 2);
    ExpectEvents({{13, 0}}, "the other receiver still reports");
    Unplug(2);
    ExpectEvents({{EVENT_STATUS_CHANGED, 0}, {EVENT_RECEIVER_REMOVED, 0}}, "then the last one");
}

TEST_F(FilterInStack, RequestsPassDownUntilTheRemovalWhichWaitsForTransfers) {
    Plug(1);
    ExpectRequestsReachTheBottom(1);
    ExpectRemovalWaitsForTransfersInside(1);
}

TEST_F(FilterInStack, TheControlDeviceRefusesPlugAndPlayPowerAndInternalRequests) {
    ExpectControlDeviceRefusesStackRequests();
}

TEST_F(FilterInStack, AStartTheLowerDeviceFailsIsCompletedWithThatFailure) {
    OpenReader();
    ExpectAFailedStartToComeBackFailed();
    EXPECT_EQ(FeedThrough({0x01, 0xE9, 0x00}), (Bytes{0x01, 0x00, 0x00}));
}

}  // namespace
