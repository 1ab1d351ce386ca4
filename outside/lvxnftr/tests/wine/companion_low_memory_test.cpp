// The shipped companion stand-in short of memory: in the receiver test bench, every allocation
// it makes after its load fails in turn, in a session with a reader of "\\.\LVXNFLTR", two
// keyboard interfaces, transfers of every kind, both removals and the unload. A failed filter
// device costs that interface's attachment and nothing else.
#include <gtest/gtest.h>

#include <cstdio>

#include "tools/fixtures/scarce_memory.h"
#include "tools/winetest/device_io.h"

namespace {

using Bytes = std::vector<uint8_t>;
using winetest::DeviceHandle;
using winetest::PendingRead;

// Far more than the session's keyboard activity.
constexpr int kMostRecords = 64;

const Bytes kKeyDown = {0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00};
const Bytes kKeysUp = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

void CompanionSession(simtest::SessionSteps& steps) {
    DeviceHandle reader(KB_COMPANION_USER_PATH, true);
    ASSERT_TRUE(reader.valid()) << "error " << reader.open_error();
    steps.Plug(1);
    steps.Feed(1, kKeyDown);
    steps.Feed(1, kKeysUp);
    for (uint8_t kind : {BENCH_CONTROL_TRANSFER, BENCH_NULL_BUFFER_TRANSFER, BENCH_OUTPUT_TRANSFER, BENCH_FAILED_TRANSFER}) {
        steps.Feed(1, kKeyDown, kind);
    }
    steps.Plug(2);
    steps.Feed(2, kKeyDown);
    steps.Unplug(2);
    steps.Unplug(1);
    // What was kept for the reader answers its reads at once; the first read that waits ends it.
    for (int i = 0; i < kMostRecords; ++i) {
        PendingRead read(reader, 1);
        if (!read.Finished(0)) return;
        steps.Event("record " + std::to_string(read.data()[0]) + ", status " + std::to_string(read.status()));
    }
    ADD_FAILURE() << "more than " << kMostRecords << " activity records";
}

TEST(CompanionShortOfMemory, EveryAllocationAfterTheLoadFailsInTurn) {
    const simtest::Coverage coverage =
        simtest::FailEveryAllocationInTurn(KB_COMPANION_SERVICE_NAME, "lvxnftr.sys", CompanionSession);
    EXPECT_EQ(coverage.by_function[BENCH_CREATE_DEVICE], 2u) << "one filter device an interface";
    const std::string line = simtest::CoverageLine("lvxnftr.sys", coverage);
    RecordProperty("summary", line);
    std::printf("%s\n", line.c_str());
}

}  // namespace
