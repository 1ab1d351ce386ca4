// One report in, one decision out: which event is queued, which bytes are blanked before the
// HID driver sees the report, and what happens to the auxiliary byte. Each report is handed
// over in a buffer of exactly its transfer length, so a read past the length trips ASan.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "driver/decode/report_decoder.h"

namespace {

constexpr int NO_EVENT = -1;
constexpr int AUX_UNCHANGED = -1;

struct Decoded {
    ReportEffect Effect = {};
    std::vector<uint8_t> ReportAfter;  // as the HID driver receives it
};

Decoded Decode(const std::vector<uint8_t>& bytes, bool reader_open) {
    RF_DATA table = {};
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    const auto length = static_cast<uint32_t>(bytes.size());
    Decoded out;
    out.Effect = DecodeReport(exact.get(), length, reader_open, table);
    BlankReport(exact.get(), length, out.Effect);
    out.ReportAfter.assign(exact.get(), exact.get() + length);
    return out;
}

int EventOf(const ReportEffect& effect) { return effect.QueuesEvent ? effect.EventCode : NO_EVENT; }
int AuxOf(const ReportEffect& effect) { return effect.SetsAuxByte ? effect.AuxByte : AUX_UNCHANGED; }

struct ReportCase {
    const char* Name;
    std::vector<uint8_t> Report;
    bool ReaderOpen;
    int Event;
    std::vector<uint8_t> ReportAfter;
    int Aux;
};

class DecodeReportCase : public testing::TestWithParam<ReportCase> {};

TEST_P(DecodeReportCase, QueuesBlanksAndSetsAuxAsExpected) {
    const ReportCase& c = GetParam();
    const Decoded d = Decode(c.Report, c.ReaderOpen);
    EXPECT_EQ(EventOf(d.Effect), c.Event);
    EXPECT_EQ(d.ReportAfter, c.ReportAfter);
    EXPECT_EQ(AuxOf(d.Effect), c.Aux);
}

const ReportCase kReportCases[] = {
    // Consumer keys.
    {"VolumeUpWithoutReaderPassesUnchanged", {1, 0xE9, 0x00}, false, NO_EVENT, {1, 0xE9, 0x00}, AUX_UNCHANGED},
    {"VolumeUpWithReaderIsQueuedAndBlanked", {1, 0xE9, 0x00}, true, 13, {1, 0, 0}, AUX_UNCHANGED},
    {"TwoByteUsageIsBlankedWhole", {1, 0x92, 0x01}, true, 18, {1, 0, 0}, AUX_UNCHANGED},
    {"ReleaseWithReaderQueuesFifty", {1, 0, 0}, true, 50, {1, 0, 0}, AUX_UNCHANGED},
    {"ReleaseWithoutReaderQueuesNothing", {1, 0, 0}, false, NO_EVENT, {1, 0, 0}, AUX_UNCHANGED},
    {"UsageOutsideTableIsLeftAlone", {1, 0x30, 0x00}, true, NO_EVENT, {1, 0x30, 0x00}, AUX_UNCHANGED},
    {"PowerUsageIsNoConsumerHotKey", {1, 0x81, 0x00}, true, NO_EVENT, {1, 0x81, 0x00}, AUX_UNCHANGED},
    {"LongerConsumerReportKeepsItsTail", {1, 0xE2, 0x00, 0x77}, true, 11, {1, 0, 0, 0x77}, AUX_UNCHANGED},
    // System control.
    {"PowerWithReaderIsQueuedAndBlanked", {2, 0x81}, true, 19, {2, 0}, AUX_UNCHANGED},
    {"PowerWithoutReaderPassesUnchanged", {2, 0x81}, false, NO_EVENT, {2, 0x81}, AUX_UNCHANGED},
    {"OtherSystemUsagePassesUnchanged", {2, 0x82}, true, NO_EVENT, {2, 0x82}, AUX_UNCHANGED},
    // Device status: the event follows only with a reader.
    {"DeviceStatusWithReaderQueuesZero", {3, 2, 5, 0x34, 0xF2, 0x10}, true, 0, {3, 2, 5, 0x34, 0xF2, 0x10}, AUX_UNCHANGED},
    {"DeviceStatusWithoutReaderQueuesNothing", {3, 2, 5, 0x34, 0xF2, 0x10}, false, NO_EVENT, {3, 2, 5, 0x34, 0xF2, 0x10}, AUX_UNCHANGED},
    // Status report: the event only with a reader; the length decides the auxiliary byte either way.
    {"LongStatusReportCarriesAux", {4, 9, 9, 9, 9, 1}, true, 99, {4, 9, 9, 9, 9, 1}, 1},
    {"LongStatusReportWithoutReaderOnlySetsAux", {4, 9, 9, 9, 9, 1}, false, NO_EVENT, {4, 9, 9, 9, 9, 1}, 1},
    {"ShortStatusReportWithoutReaderClearsAux", {4, 9, 9, 9, 9}, false, NO_EVENT, {4, 9, 9, 9, 9}, 0},
    {"OtherStatusLengthLeavesAux", {4, 9, 9, 9}, true, 99, {4, 9, 9, 9}, AUX_UNCHANGED},
    {"LongerStatusLengthLeavesAux", {4, 9, 9, 9, 9, 1, 2}, true, 99, {4, 9, 9, 9, 9, 1, 2}, AUX_UNCHANGED},
    {"BareStatusReportQueuesForAReader", {4}, true, 99, {4}, AUX_UNCHANGED},
    // Unknown report numbers.
    {"ReportZeroWithReaderQueuesNinetyNine", {0, 1, 2}, true, 99, {0, 1, 2}, AUX_UNCHANGED},
    {"ReportFiveWithReaderQueuesNinetyNine", {5, 0xE9, 0}, true, 99, {5, 0xE9, 0}, AUX_UNCHANGED},
    {"ReportFFWithoutReaderQueuesNothing", {0xFF}, false, NO_EVENT, {0xFF}, AUX_UNCHANGED},
    // Transfers shorter than their report's layout: nothing past the length is read or raised.
    {"ConsumerReportMissingItsHighByte", {1, 0xE9}, true, NO_EVENT, {1, 0xE9}, AUX_UNCHANGED},
    {"ConsumerReportWithNumberOnly", {1}, true, NO_EVENT, {1}, AUX_UNCHANGED},
    {"SystemReportWithNumberOnly", {2}, true, NO_EVENT, {2}, AUX_UNCHANGED},
    {"EmptyTransfer", {}, true, NO_EVENT, {}, AUX_UNCHANGED},
};

INSTANTIATE_TEST_SUITE_P(Reports, DecodeReportCase, testing::ValuesIn(kReportCases),
                         [](const testing::TestParamInfo<ReportCase>& info) { return info.param.Name; });

TEST(DecodeReport, EveryConsumerHotKeyGivesItsPosition) {
    const struct {
        uint16_t Usage;
        int Code;
    } keys[] = {{0x0224, 1},  {0x0225, 2},  {0x0226, 3},  {0x0227, 4},  {0x0223, 5},  {0x022A, 6},
                {0x00CD, 7},  {0x00B7, 8},  {0x00B6, 9},  {0x00B5, 10}, {0x00E2, 11}, {0x00EA, 12},
                {0x00E9, 13}, {0x0183, 14}, {0x0221, 15}, {0x018A, 16}, {0x0194, 17}, {0x0192, 18}};
    for (const auto& key : keys) {
        const Decoded d = Decode({1, uint8_t(key.Usage & 0xFF), uint8_t(key.Usage >> 8)}, true);
        EXPECT_EQ(EventOf(d.Effect), key.Code) << "usage 0x" << std::hex << key.Usage;
        EXPECT_EQ(d.ReportAfter, (std::vector<uint8_t>{1, 0, 0})) << "usage 0x" << std::hex << key.Usage;
    }
}

TEST(DecodeReport, ShortDeviceStatusLeavesTheTableAlone) {
    RF_DATA table = {};
    const uint8_t bytes[] = {3, 2, 5, 0x34, 0xF2};
    std::unique_ptr<uint8_t[]> exact(new uint8_t[sizeof bytes]);
    std::copy(bytes, bytes + sizeof bytes, exact.get());
    const ReportEffect effect = DecodeReport(exact.get(), sizeof bytes, true, table);
    EXPECT_FALSE(effect.QueuesEvent);
    const RF_DATA untouched = {};
    EXPECT_EQ(std::memcmp(&table, &untouched, sizeof table), 0);
}

TEST(DecodeReport, DeviceStatusUpdatesTheTableWithOrWithoutReader) {
    for (bool reader_open : {false, true}) {
        RF_DATA table = {};
        const uint8_t report[] = {3, 2, 5, 0x34, 0xF2, 0x10};
        DecodeReport(report, sizeof report, reader_open, table);
        EXPECT_EQ(table.Record[2].State, 0x81) << "reader open: " << reader_open;
        EXPECT_EQ(table.Record[2].Id, 0x234) << "reader open: " << reader_open;
    }
}

}  // namespace
