// The shipped companion stand-in in a keyboard interface's stack, driven by the receiver test
// bench as the Plug and Play manager and the HID driver would: every request passes down
// untouched, each interrupt transfer with data is one keyboard activity for the reader of
// "\\.\LVXNFLTR", and the removal waits for what is still inside. The bench's count proves that
// every request it sent came back exactly once.
#include <gtest/gtest.h>

#include "outside/lvxnftr/companion_interface.h"
#include "tools/fixtures/bench_test.h"
#include "tools/winetest/device_io.h"

namespace {

using Bytes = std::vector<uint8_t>;
using winetest::DeviceHandle;
using winetest::PendingRead;

class CompanionInStack : public simtest::BenchTest {
protected:
    CompanionInStack() : BenchTest(KB_COMPANION_SERVICE_NAME, "lvxnftr.sys") {}
};

// An 8-byte keyboard report: the A key down, then all keys up.
const Bytes kKeyDown = {0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00};
const Bytes kKeysUp = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

TEST_F(CompanionInStack, ReportsPassUnchangedAndEachIsOneActivityForTheReader) {
    DeviceHandle reader(KB_COMPANION_USER_PATH, true);
    ASSERT_TRUE(reader.valid()) << "error " << reader.open_error();
    Plug(1);
    {
        PendingRead read(reader, 1);
        ASSERT_TRUE(read.pending()) << "no activity yet";
        EXPECT_EQ(FeedThrough(kKeyDown), kKeyDown);
        ASSERT_TRUE(read.Finished(winetest::WAIT_LIMIT_MS));
        EXPECT_EQ(read.status(), winetest::NT_STATUS_SUCCESS);
        EXPECT_EQ(read.bytes(), 1u);
        EXPECT_EQ(read.data()[0], LVX_ACTIVITY_RECORD);
    }
    // A control transfer is no keyboard activity.
    ASSERT_TRUE(bench().FeedOne(1, kKeyDown, BENCH_CONTROL_TRANSFER));
    EXPECT_EQ(bench().TakeHid().size(), 1u);
    // Activity while nobody reads is kept, one record each.
    EXPECT_EQ(FeedThrough(kKeysUp), kKeysUp);
    EXPECT_EQ(FeedThrough(kKeyDown), kKeyDown);
    for (int i = 0; i < 2; ++i) {
        PendingRead read(reader, 1);
        ASSERT_TRUE(read.Finished(winetest::WAIT_LIMIT_MS)) << "record " << i;
        EXPECT_EQ(read.bytes(), 1u) << "record " << i;
    }
    PendingRead none(reader, 1);
    EXPECT_TRUE(none.pending()) << "the control transfer counted as activity";
}

TEST_F(CompanionInStack, TakesTheIoMethodAndThePowerPagingOfTheDeviceBelow) {
    constexpr uint32_t kBufferedIo = 0x04, kDirectIo = 0x10, kPowerPagable = 0x2000;
    for (bool pagable : {false, true}) {
        BENCH_PLUG_RESULT result = {};
        ASSERT_TRUE(bench().Plug(1, &result, winetest::NT_STATUS_SUCCESS, false, pagable)) << "error " << bench().error();
        ASSERT_EQ(result.AddDeviceStatus, winetest::NT_STATUS_SUCCESS);
        ASSERT_TRUE(result.Attached);
        EXPECT_TRUE(result.FilterFlags & kBufferedIo) << std::hex << result.FilterFlags;
        EXPECT_FALSE(result.FilterFlags & kDirectIo) << std::hex << result.FilterFlags;
        EXPECT_EQ((result.FilterFlags & kPowerPagable) != 0, pagable) << std::hex << result.FilterFlags;
        EXPECT_EQ(result.StartStatus, winetest::NT_STATUS_SUCCESS);
        Unplug(1);
    }
}

TEST_F(CompanionInStack, RequestsPassDownUntilTheRemovalWhichWaitsForTransfers) {
    Plug(1);
    Plug(2);
    ExpectRequestsReachTheBottom(1);
    ExpectRemovalWaitsForTransfersInside(1);
    EXPECT_EQ(FeedThrough(kKeyDown, 2), kKeyDown) << "the other keyboard interface is still served";
    Unplug(2);
}

TEST_F(CompanionInStack, TheControlDeviceRefusesPlugAndPlayPowerAndInternalRequests) {
    ExpectControlDeviceRefusesStackRequests();
}

TEST_F(CompanionInStack, AStartTheLowerDeviceFailsIsCompletedWithThatFailure) {
    ExpectAFailedStartToComeBackFailed();
    EXPECT_EQ(FeedThrough(kKeyDown), kKeyDown);
}

}  // namespace
