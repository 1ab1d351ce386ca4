// The bench proven with its own pass-through filter: reports fed at the bottom reach the HID
// side through the filter (which adds 1 to byte 1), several receivers live side by side,
// requests pass down to the physical device, and every request comes back exactly once.
#include <gtest/gtest.h>

#include "tools/fixtures/bench_test.h"

namespace {

using simtest::Bytes;
using winetest::NT_STATUS_DEVICE_CONFIGURATION_ERROR;
using winetest::NT_STATUS_SUCCESS;

class BenchWithFixture : public simtest::BenchTest {
protected:
    BenchWithFixture() : BenchTest("KBPASS", "kbpass.sys") {}
};

TEST_F(BenchWithFixture, ReportTravelsUpThroughTheFilter) {
    Plug(1);
    EXPECT_EQ(FeedThrough({0x03, 0x02, 0x05, 0x34, 0xF2, 0x10}), (std::vector<uint8_t>{0x03, 0x03, 0x05, 0x34, 0xF2, 0x10}));
    Unplug(1);
}

TEST_F(BenchWithFixture, ManyReportsKeepTheirOrderAndTransfersStayInFlight) {
    Plug(1);
    std::vector<BENCH_REPORT> reports;
    for (int i = 0; i < 300; ++i) reports.push_back(sim::MakeReport(1, {0x01, static_cast<uint8_t>(i), 0x00}));
    ASSERT_EQ(bench().Feed(reports.data(), reports.size()), reports.size());
    std::vector<BENCH_HID_RECORD> hid = bench().TakeHid();
    ASSERT_EQ(hid.size(), reports.size());
    for (size_t i = 0; i < hid.size(); ++i) {
        EXPECT_EQ(hid[i].Bytes[1], static_cast<uint8_t>(i + 1)) << "report " << i;
    }
    BENCH_STATS stats = {};
    ASSERT_TRUE(bench().Stats(&stats));
    EXPECT_EQ(stats.TransfersPending, BENCH_TRANSFERS_IN_FLIGHT);
}

TEST_F(BenchWithFixture, TwoReceiversEachGetTheirOwnReports) {
    Plug(1);
    Plug(2);
    BENCH_REPORT reports[] = {sim::MakeReport(2, {0x01, 0x20}), sim::MakeReport(1, {0x01, 0x10}),
                              sim::MakeReport(2, {0x01, 0x21})};
    ASSERT_EQ(bench().Feed(reports, 3), 3u);
    Unplug(2);
    EXPECT_EQ(bench().Feed(&reports[0], 1), 0u) << "a receiver that was pulled out takes no report";
    ASSERT_EQ(bench().Feed(&reports[1], 1), 1u);
    std::vector<BENCH_HID_RECORD> hid = bench().TakeHid();
    ASSERT_EQ(hid.size(), 4u);
    EXPECT_EQ(hid[0].Receiver, 2);
    EXPECT_EQ(hid[0].Bytes[1], 0x21);
    EXPECT_EQ(hid[1].Receiver, 1);
    EXPECT_EQ(hid[1].Bytes[1], 0x11);
    EXPECT_EQ(hid[2].Receiver, 2);
    EXPECT_EQ(hid[3].Receiver, 1);
}

TEST_F(BenchWithFixture, RequestsOfEveryKindPassDownToThePhysicalDevice) {
    Plug(1);
    for (uint32_t probe = 0; probe < BENCH_PROBE_COUNT; ++probe) {
        BENCH_PROBE_RESULT result = {};
        ASSERT_TRUE(bench().Probe(1, probe, &result));
        EXPECT_EQ(result.Status, NT_STATUS_SUCCESS) << "probe " << probe;
        EXPECT_EQ(result.Information, BENCH_PROBE_ANSWER + probe) << "probe " << probe;
    }
}

TEST_F(BenchWithFixture, OtherTransfersAreSentOnceAndComeBack) {
    Plug(1);
    ASSERT_TRUE(bench().FeedOne(1, {0x01, 0xE9, 0x00}, BENCH_CONTROL_TRANSFER));
    ASSERT_TRUE(bench().FeedOne(1, {0x01, 0xE9, 0x00}, BENCH_NULL_BUFFER_TRANSFER));
    std::vector<BENCH_HID_RECORD> hid = bench().TakeHid();
    ASSERT_EQ(hid.size(), 2u);
    EXPECT_EQ(hid[0].Kind, BENCH_CONTROL_TRANSFER);
    EXPECT_EQ(Bytes(hid[0]), (std::vector<uint8_t>{0x01, 0xE9, 0x00})) << "the fixture marks interrupt transfers only";
    EXPECT_EQ(hid[1].Kind, BENCH_NULL_BUFFER_TRANSFER);
    EXPECT_EQ(hid[1].Length, 0);
}

TEST_F(BenchWithFixture, StartAnsweredLaterOrRefused) {
    BENCH_PLUG_RESULT later = {};
    ASSERT_TRUE(bench().Plug(1, &later, NT_STATUS_SUCCESS, true));
    EXPECT_EQ(later.StartStatus, NT_STATUS_SUCCESS);
    EXPECT_TRUE(bench().FeedOne(1, {0x01, 0x00}));

    BENCH_PLUG_RESULT refused = {};
    ASSERT_TRUE(bench().Plug(2, &refused, NT_STATUS_DEVICE_CONFIGURATION_ERROR, true));
    EXPECT_EQ(refused.StartStatus, NT_STATUS_DEVICE_CONFIGURATION_ERROR);
    EXPECT_FALSE(bench().FeedOne(2, {0x01, 0x00})) << "a receiver that did not start has no transfer out";
    Unplug(2);
}

TEST_F(BenchWithFixture, PlugTwiceAndUnknownReceiversAreRefused) {
    Plug(1);
    BENCH_PLUG_RESULT result = {};
    EXPECT_FALSE(bench().Plug(1, &result));
    EXPECT_FALSE(bench().Plug(0, &result));
    EXPECT_FALSE(bench().Plug(BENCH_MAX_RECEIVERS + 1, &result));
    BENCH_UNPLUG_RESULT unplugged = {};
    EXPECT_FALSE(bench().Unplug(3, &unplugged));
}

}  // namespace
