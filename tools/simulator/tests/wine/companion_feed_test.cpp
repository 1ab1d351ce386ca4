// The bench feeds keyboard activity to the companion filter's stand-in: each activity is one
// record for a reader of "\\.\LVXNFLTR", as the agent's activity reader meets it.
#include <gtest/gtest.h>

#include "outside/lvxnftr/companion_interface.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/winsupport/build_files.h"
#include "tools/winetest/device_io.h"

namespace {

class CompanionFeed : public testing::Test {
protected:
    CompanionFeed()
        : companion_(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME)),
          session_("KBPASS", winsupport::BuildFile("kbpass.sys")) {}

    void SetUp() override {
        ASSERT_TRUE(companion_.running()) << companion_.error();
        ASSERT_TRUE(session_.ready()) << session_.error();
    }

    winsupport::DriverService companion_;
    sim::BenchSession session_;
};

TEST_F(CompanionFeed, EachActivityIsOneRecordForTheReader) {
    winetest::DeviceHandle device(KB_COMPANION_USER_PATH, true);
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    ASSERT_TRUE(session_.bench().Keyboard(3)) << "error " << session_.bench().error();
    for (int i = 0; i < 3; ++i) {
        winetest::PendingRead read(device, 1);
        ASSERT_TRUE(read.Finished(winetest::WAIT_LIMIT_MS)) << "record " << i;
        EXPECT_EQ(read.status(), winetest::NT_STATUS_SUCCESS);
        EXPECT_EQ(read.bytes(), 1u);
    }
    winetest::PendingRead fourth(device, 1);
    EXPECT_TRUE(fourth.pending()) << "three activities made three records, no more";
}

TEST_F(CompanionFeed, ACountOutsideTheLimitsIsRefused) {
    EXPECT_FALSE(session_.bench().Keyboard(0));
    EXPECT_FALSE(session_.bench().Keyboard(BENCH_MAX_ACTIVITIES + 1));
}

TEST(CompanionFeedAlone, WithNoCompanionRunningTheFeedFails) {
    sim::BenchSession session("KBPASS", winsupport::BuildFile("kbpass.sys"));
    ASSERT_TRUE(session.ready()) << session.error();
    EXPECT_FALSE(session.bench().Keyboard(1));
}

}  // namespace
