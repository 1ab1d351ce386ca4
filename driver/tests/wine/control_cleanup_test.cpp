// The cleanup of a file object of "\\.\UVXNFLTR" whose read is still pending, sent from kernel
// mode by the receiver test bench as the I/O manager sends it when the last handle goes: the
// filter ends that read, refuses the cleanup itself, and the next reader gets the one
// pending-read place. The bench's count proves every request it sent came back exactly once.
#include <gtest/gtest.h>

#include "tools/simulator/tests/wine/bench_test.h"
#include "tools/winetest/device_io.h"

namespace {

constexpr int32_t kInvalidDeviceRequest = static_cast<int32_t>(0xC0000010);
constexpr int32_t kCancelled = static_cast<int32_t>(winetest::NT_STATUS_CANCELLED);
constexpr DWORD kWaitMs = 5000;

class ControlCleanup : public simtest::BenchTest {
protected:
    ControlCleanup() : BenchTest(KB_FILTER_SERVICE_NAME, "uvxnftr.sys") {}

    BENCH_CLEANUP_RESULT Cleanup(bool other_file) {
        BENCH_CLEANUP_RESULT result = {};
        EXPECT_TRUE(bench().Cleanup(other_file, &result)) << "error " << bench().error();
        return result;
    }

    // A reader that opens after the cleanup: its read is kept, not refused as a second
    // pending read, and receives the next event.
    void ExpectNextReaderGetsThePlace() {
        winetest::DeviceHandle device(KB_FILTER_USER_PATH, true);
        ASSERT_TRUE(device.valid()) << "error " << device.open_error();
        winetest::PendingRead read(device, sizeof(EVENT_RECORD));
        ASSERT_TRUE(read.pending()) << "error " << read.error();
        Plug(1);
        ASSERT_TRUE(read.Finished(kWaitMs));
        EXPECT_EQ(read.status(), winetest::NT_STATUS_SUCCESS);
        ASSERT_EQ(read.bytes(), sizeof(EVENT_RECORD));
        EXPECT_EQ(read.data()[0], EVENT_RECEIVER_ADDED);
        Unplug(1);
    }
};

TEST_F(ControlCleanup, EndsThePendingReadOfThatFileObjectAndIsRefused) {
    const BENCH_CLEANUP_RESULT result = Cleanup(false);
    EXPECT_TRUE(result.ReadPended) << "no event was queued, so the read must wait";
    EXPECT_EQ(result.CleanupStatus, kInvalidDeviceRequest);
    EXPECT_TRUE(result.ReadEndedByCleanup);
    EXPECT_EQ(result.ReadStatus, kCancelled);
    EXPECT_EQ(result.ReadBytes, 0u);
    ExpectNextReaderGetsThePlace();
}

TEST_F(ControlCleanup, OfAnotherFileObjectLeavesThePendingReadAlone) {
    const BENCH_CLEANUP_RESULT result = Cleanup(true);
    EXPECT_TRUE(result.ReadPended);
    EXPECT_EQ(result.CleanupStatus, kInvalidDeviceRequest);
    EXPECT_FALSE(result.ReadEndedByCleanup);
    EXPECT_EQ(result.ReadStatus, kCancelled) << "the bench cancels the read the cleanup left";
    EXPECT_EQ(result.ReadBytes, 0u);
    ExpectNextReaderGetsThePlace();
}

TEST(ControlCleanupAlone, WithoutTheFilterThereIsNoControlDeviceToOpen) {
    sim::BenchSession session("KBPASS", winetest::BuildFile("kbpass.sys"));
    ASSERT_TRUE(session.ready()) << session.error();
    BENCH_CLEANUP_RESULT result = {};
    EXPECT_FALSE(session.bench().Cleanup(false, &result));
}

}  // namespace
