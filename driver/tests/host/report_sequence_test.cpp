// Reports one after another, the way the driver queues their events: each event carries the
// auxiliary byte current when it is queued, and the reader gate decides which reports are heard.
#include <vector>

#include <gtest/gtest.h>

#include "driver/decode/event_pairing.h"
#include "driver/decode/report_decoder.h"

namespace {

struct Receiver {
    RF_DATA Table = {};
    uint8_t EventCode = 0;
    uint8_t AuxByte = 0;
    std::vector<EVENT_RECORD> Queue;

    void Report(std::vector<uint8_t> bytes, bool reader_open) {
        const ReportEffect effect = DecodeReport(bytes.data(), uint32_t(bytes.size()), reader_open, Table);
        if (effect.QueuesEvent) {
            Queue.push_back(PairEvent(EventCode, AuxByte, effect.EventCode, effect.SetsAuxByte ? &effect.AuxByte : nullptr));
        } else if (effect.SetsAuxByte) {
            AuxByte = effect.AuxByte;
        }
    }
};

std::vector<std::pair<int, int>> Events(const Receiver& r) {
    std::vector<std::pair<int, int>> out;
    for (const EVENT_RECORD& e : r.Queue) out.emplace_back(e.Code, e.AuxByte);
    return out;
}

TEST(ReportSequence, LaterEventsCarryTheCurrentAuxByte) {
    Receiver r;
    r.Report({1, 0xE9, 0}, true);
    r.Report({4, 0, 0, 0, 0, 1}, false);
    r.Report({1, 0xE9, 0}, true);
    r.Report({3, 2, 5, 0x34, 0xF2, 0x10}, true);
    r.Report({4, 0, 0, 0, 0}, true);
    r.Report({1, 0, 0}, true);
    r.Report({4, 0, 0, 0, 0, 7}, true);
    r.Report({4, 0, 0}, true);  // a length that leaves the byte
    r.Report({9}, true);
    const std::vector<std::pair<int, int>> expected = {{13, 0}, {13, 1}, {0, 1}, {99, 0},
                                                       {50, 0}, {99, 7}, {99, 7}, {99, 7}};
    EXPECT_EQ(Events(r), expected);
    EXPECT_EQ(r.AuxByte, 7);
}

TEST(ReportSequence, WithoutReaderNothingIsQueuedButTheTableAndAuxByteFollow) {
    Receiver r;
    for (const std::vector<uint8_t>& report : std::vector<std::vector<uint8_t>>{
             {1, 0xE9, 0}, {1, 0, 0}, {2, 0x81}, {3, 1, 2, 3, 4, 5}, {0, 0}, {4, 0, 0, 0, 0, 3}, {6}}) {
        r.Report(report, false);
    }
    EXPECT_TRUE(Events(r).empty());
    EXPECT_EQ(r.AuxByte, 3) << "the auxiliary byte follows reports even with no reader";
    EXPECT_EQ(r.Table.Record[1].State, 0x81) << "the table follows reports even with no reader";
}

TEST(PairEvent, EventWithoutNewAuxByteKeepsTheCurrentOne) {
    uint8_t code = 0, aux = 5;
    const EVENT_RECORD plain = PairEvent(code, aux, 101, nullptr);
    EXPECT_EQ(plain.Code, 101);
    EXPECT_EQ(plain.AuxByte, 5);
    const uint8_t fresh = 9;
    const EVENT_RECORD status = PairEvent(code, aux, 99, &fresh);
    EXPECT_EQ(status.Code, 99);
    EXPECT_EQ(status.AuxByte, 9);
    EXPECT_EQ(aux, 9);
    EXPECT_EQ(code, 99);
}

}  // namespace
