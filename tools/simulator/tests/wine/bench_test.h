// A Wine test with a filter driver put into the receiver test bench afresh for every test.
// After each test, every request the bench sent must have come back exactly once.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/simulator/client/bench_session.h"
#include "tools/winetest/build_files.h"

namespace simtest {

constexpr int32_t kStatusSuccess = 0;

inline std::vector<uint8_t> Bytes(const BENCH_HID_RECORD& record) {
    return std::vector<uint8_t>(record.Bytes, record.Bytes + record.Length);
}

class BenchTest : public testing::Test {
protected:
    // service: the filter's service name; file: its .sys in the build folder.
    BenchTest(const char* service, const char* file) : session_(service, winetest::BuildFile(file)) {}

    void SetUp() override { ASSERT_TRUE(session_.ready()) << session_.error(); }

    void TearDown() override {
        BENCH_STATS stats = {};
        ASSERT_TRUE(bench().Stats(&stats));
        EXPECT_TRUE(sim::EveryRequestCameBack(stats))
            << "sent " << stats.IrpsSent << ", came back once " << stats.IrpsCompleted << ", twice "
            << stats.IrpsCompletedTwice << ", answered otherwise than they came back " << stats.StatusMismatches
            << ", lost " << stats.TransfersLost << ", transfers in flight " << stats.TransfersPending;
    }

    sim::BenchClient& bench() { return session_.bench(); }

    void Plug(uint32_t receiver) {
        BENCH_PLUG_RESULT result = {};
        ASSERT_TRUE(bench().Plug(receiver, &result)) << "error " << bench().error();
        ASSERT_EQ(result.AddDeviceStatus, kStatusSuccess);
        ASSERT_EQ(result.StartStatus, kStatusSuccess);
        ASSERT_TRUE(result.Attached);
    }

    void Unplug(uint32_t receiver) {
        BENCH_UNPLUG_RESULT result = {};
        ASSERT_TRUE(bench().Unplug(receiver, &result)) << "error " << bench().error();
        EXPECT_EQ(result.RemoveStatus, kStatusSuccess);
        EXPECT_TRUE(result.Detached);
    }

    // Feeds one report and returns the report as the HID driver received it.
    std::vector<uint8_t> FeedThrough(const std::vector<uint8_t>& report, uint32_t receiver = 1) {
        EXPECT_TRUE(bench().FeedOne(receiver, report));
        std::vector<BENCH_HID_RECORD> hid = bench().TakeHid();
        EXPECT_EQ(hid.size(), 1u);
        return hid.empty() ? std::vector<uint8_t>() : Bytes(hid[0]);
    }

    sim::BenchSession session_;
};

}  // namespace simtest
