// keyfilter short of memory: in the receiver test bench, every allocation it makes after its
// load fails in turn, in a session with a reader, two receivers, reports of every kind and
// transfers of every kind, both removals and the unload. A failed event block costs that event
// and nothing else; a failed filter device costs that receiver's attachment and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tools/fixtures/scarce_memory.h"
#include "tools/simulator/client/filter_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kVolumeUp = {0x01, 0xE9, 0x00};

void KeyfilterSession(simtest::SessionSteps& steps) {
    sim::FilterReader reader;
    ASSERT_TRUE(reader.is_open()) << "error " << reader.error();
    steps.Plug(1);
    const Bytes reports[] = {
        kVolumeUp,                            // a hot key, event 13
        {0x01, 0x00, 0x00},                   // released, 50
        {0x01, 0x30, 0x00},                   // a usage of no hot key: nothing
        {0x02, 0x81},                         // the power key, 19
        {0x03, 0x02, 0x05, 0x34, 0xF2, 0x10}, // device status, 0
        {0x04, 0x00, 0x00, 0x00, 0x00, 0x01}, // status report with its byte, 99
        {0x07, 0x01},                         // an unknown report, 99
    };
    for (const Bytes& report : reports) steps.Feed(1, report);
    for (uint8_t kind : {BENCH_CONTROL_TRANSFER, BENCH_NULL_BUFFER_TRANSFER, BENCH_OUTPUT_TRANSFER, BENCH_FAILED_TRANSFER}) {
        steps.Feed(1, kVolumeUp, kind);
    }
    steps.Plug(2);
    steps.Feed(2, {0x01, 0x24, 0x02});
    steps.Feed(2, {0x03, 0x00, 0x07, 0x11, 0x01, 0x01});
    RF_DATA table = {};
    EXPECT_TRUE(reader.RfData(&table)) << "error " << reader.error();
    char line[128] = "table:";
    for (const RF_RECORD& record : table.Record) {
        std::snprintf(line + strlen(line), sizeof line - strlen(line), " %02x/%u/%u/%02x", record.State, record.Channel,
                      record.Id, record.Flags);
    }
    steps.Passed(line);
    steps.Unplug(2);
    steps.Unplug(1);
    for (const EVENT_RECORD& event : reader.Drain(steps.bench())) {
        steps.Event("event " + std::to_string(event.Code) + "/" + std::to_string(event.AuxByte));
    }
}

TEST(KeyfilterShortOfMemory, EveryAllocationAfterTheLoadFailsInTurn) {
    const simtest::Coverage coverage =
        simtest::FailEveryAllocationInTurn(KB_FILTER_SERVICE_NAME, "uvxnftr.sys", KeyfilterSession);
    EXPECT_EQ(coverage.by_function[BENCH_CREATE_DEVICE], 2u) << "one filter device a receiver";
    EXPECT_GE(coverage.by_function[BENCH_ALLOCATE_POOL], 12u) << "one block an event";
    const std::string line = simtest::CoverageLine("uvxnftr.sys", coverage);
    RecordProperty("summary", line);
    std::printf("%s\n", line.c_str());
}

}  // namespace
