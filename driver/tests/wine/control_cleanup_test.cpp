// The cleanup of a file object of a control device whose read is still pending, sent from
// kernel mode by the receiver test bench as the I/O manager sends it when the last handle
// goes: the driver ends that read, refuses the cleanup itself, and the next reader gets the
// one pending-read place. Proven on the filter's "\\.\UVXNFLTR" and on the companion
// stand-in's "\\.\LVXNFLTR", each loaded into the bench. The bench's count proves that every
// request it sent came back exactly once.
#include <gtest/gtest.h>

#include <ostream>

#include "outside/lvxnftr/companion_interface.h"
#include "tools/fixtures/bench_test.h"
#include "tools/winetest/device_io.h"

namespace {

using winetest::NT_STATUS_CANCELLED;
using winetest::NT_STATUS_INVALID_DEVICE_REQUEST;
struct ControlDriver {
    const char* Service;
    const char* File;
    const char* UserPath;
    bool Companion;
};

void PrintTo(const ControlDriver& driver, std::ostream* out) { *out << driver.File; }

const ControlDriver kDrivers[] = {
    {KB_FILTER_SERVICE_NAME, "uvxnftr.sys", KB_FILTER_USER_PATH, false},
    {KB_COMPANION_SERVICE_NAME, KB_COMPANION_TEST_FILE_NAME, KB_COMPANION_USER_PATH, true},
};

class ControlCleanup : public simtest::BenchTest, public testing::WithParamInterface<ControlDriver> {
protected:
    ControlCleanup() : BenchTest(GetParam().Service, GetParam().File) {}

    BENCH_CLEANUP_RESULT Cleanup(bool other_file) {
        BENCH_CLEANUP_RESULT result = {};
        EXPECT_TRUE(bench().Cleanup(other_file, &result)) << "error " << bench().error();
        return result;
    }

    // A reader that opens after the cleanup: its read is kept, not refused as a second
    // pending read, and receives what comes next.
    void ExpectNextReaderGetsThePlace() {
        winetest::DeviceHandle device(GetParam().UserPath, true);
        ASSERT_TRUE(device.valid()) << "error " << device.open_error();
        winetest::PendingRead read(device, sizeof(EVENT_RECORD));
        ASSERT_TRUE(read.pending()) << "error " << read.error();
        if (GetParam().Companion) {
            ASSERT_TRUE(winetest::SendControl(device, IOCTL_LVX_TEST_FEED_ACTIVITY, {}, 0).ok);
        } else {
            Plug(1);
        }
        ASSERT_TRUE(read.Finished(winetest::WAIT_LIMIT_MS));
        EXPECT_EQ(read.status(), winetest::NT_STATUS_SUCCESS);
        ASSERT_GE(read.bytes(), 1u);
        EXPECT_EQ(read.data()[0], GetParam().Companion ? UCHAR{LVX_ACTIVITY_RECORD} : UCHAR{EVENT_RECEIVER_ADDED});
        if (!GetParam().Companion) Unplug(1);
    }
};

TEST_P(ControlCleanup, EndsThePendingReadOfThatFileObjectAndIsRefused) {
    const BENCH_CLEANUP_RESULT result = Cleanup(false);
    EXPECT_TRUE(result.ReadPended) << "nothing was queued, so the read must wait";
    EXPECT_EQ(result.CleanupStatus, NT_STATUS_INVALID_DEVICE_REQUEST);
    EXPECT_TRUE(result.ReadEndedByCleanup);
    EXPECT_EQ(result.ReadStatus, NT_STATUS_CANCELLED);
    EXPECT_EQ(result.ReadBytes, 0u);
    ExpectNextReaderGetsThePlace();
}

TEST_P(ControlCleanup, OfAnotherFileObjectLeavesThePendingReadAlone) {
    const BENCH_CLEANUP_RESULT result = Cleanup(true);
    EXPECT_TRUE(result.ReadPended);
    EXPECT_EQ(result.CleanupStatus, NT_STATUS_INVALID_DEVICE_REQUEST);
    EXPECT_FALSE(result.ReadEndedByCleanup);
    EXPECT_EQ(result.ReadStatus, NT_STATUS_CANCELLED) << "the bench cancels the read the cleanup left";
    EXPECT_EQ(result.ReadBytes, 0u);
    ExpectNextReaderGetsThePlace();
}

INSTANTIATE_TEST_SUITE_P(Drivers, ControlCleanup, testing::ValuesIn(kDrivers),
                         [](const testing::TestParamInfo<ControlDriver>& info) {
                             return std::string(info.param.Companion ? "Companion" : "Filter");
                         });

TEST(ControlCleanupAlone, WithoutAControlDeviceTheRequestFails) {
    sim::BenchSession session("KBPASS", winsupport::BuildFile("kbpass.sys"));
    ASSERT_TRUE(session.ready()) << session.error();
    BENCH_CLEANUP_RESULT result = {};
    EXPECT_FALSE(session.bench().Cleanup(false, &result));
}

TEST(ControlCleanupAlone, ADriverWithNoAddDeviceLoadsIntoTheBenchButTakesNoReceiver) {
    sim::BenchSession session("KBPROBE", winsupport::BuildFile("kbprobe.sys"));
    ASSERT_TRUE(session.ready()) << session.error();
    BENCH_PLUG_RESULT result = {};
    EXPECT_FALSE(session.bench().Plug(1, &result)) << "it has no AddDevice to call";
    BENCH_STATS stats = {};
    ASSERT_TRUE(session.bench().Stats(&stats));
    EXPECT_EQ(stats.ReceiversPlugged, 0u);
}

}  // namespace
