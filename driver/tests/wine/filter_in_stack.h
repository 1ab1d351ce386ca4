// keyfilter put into the receiver test bench afresh for every test, with a reader on
// "\\.\UVXNFLTR" that keeps one read outstanding, as the agent's reader does.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tools/fixtures/bench_test.h"
#include "tools/simulator/client/filter_reader.h"

namespace drivertest {

struct Expected {
    uint8_t code;
    uint8_t aux;
};

class FilterInStack : public simtest::BenchTest {
protected:
    FilterInStack() : BenchTest(KB_FILTER_SERVICE_NAME, "uvxnftr.sys") {}

    void OpenReader() {
        reader_.reset(new sim::FilterReader);
        ASSERT_TRUE(reader_->is_open()) << "error " << reader_->error();
    }

    std::vector<EVENT_RECORD> Events() { return reader_->Drain(bench()); }

    void ExpectEvents(const std::vector<Expected>& expected, const char* when) {
        std::vector<EVENT_RECORD> events = Events();
        ASSERT_EQ(events.size(), expected.size()) << when;
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(events[i].Code, expected[i].code) << when << ", event " << i;
            EXPECT_EQ(events[i].AuxByte, expected[i].aux) << when << ", event " << i;
        }
    }

    // Feeds the volume-up key in a transfer of `kind`: the HID side gets `received` (what the
    // transfer carried, untouched) and the reader no event. Returns how the transfer came back.
    int32_t ExpectLeftAlone(uint8_t kind, const std::vector<uint8_t>& received) {
        EXPECT_TRUE(bench().FeedOne(1, {0x01, 0xE9, 0x00}, kind)) << "transfer kind " << int(kind);
        std::vector<BENCH_HID_RECORD> hid = bench().TakeHid();
        EXPECT_EQ(hid.size(), 1u) << "transfer kind " << int(kind);
        if (hid.size() != 1) return winetest::NT_STATUS_SUCCESS;
        EXPECT_EQ(simtest::Bytes(hid[0]), received) << "transfer kind " << int(kind);
        ExpectEvents({}, "a transfer left alone");
        return hid[0].Status;
    }

    RF_DATA Table() {
        RF_DATA table = {};
        EXPECT_TRUE(reader_->RfData(&table));
        return table;
    }

    std::unique_ptr<sim::FilterReader> reader_;
};

}  // namespace drivertest
