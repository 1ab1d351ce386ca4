// The event queue as a reader meets it, through the real driver in the receiver test bench:
// what reads of each length take, the bound on unread events, the interception that lasts as
// long as any reader is open, and the events the last reader left queued given back to the
// pool when it closes.
#include <gtest/gtest.h>

#include <vector>

#include "driver/tests/wine/filter_in_stack.h"
#include "tools/winetest/device_io.h"

namespace {

using Bytes = std::vector<uint8_t>;
using winetest::DeviceHandle;
using winetest::PendingRead;

const Bytes kHomeKey = {0x01, 0x23, 0x02};     // event 5
const Bytes kBackKey = {0x01, 0x24, 0x02};     // event 1
const Bytes kReleased = {0x01, 0x00, 0x00};    // event 50
const Bytes kStatus = {0x03, 0x02, 0x05, 0x34, 0xF2, 0x10};  // event 0

class EventQueue : public drivertest::FilterInStack {
protected:
    EventQueue() : reader_device_(KB_FILTER_USER_PATH, true) {}

    // The handle becomes a reader with a read that takes nothing.
    void SetUp() override {
        FilterInStack::SetUp();
        ASSERT_TRUE(reader_device_.valid()) << "error " << reader_device_.open_error();
        ReadNow(0);
    }

    // A read of `length` bytes that an event queued by now answers at once.
    Bytes ReadNow(DWORD length) {
        PendingRead read(reader_device_, length);
        EXPECT_TRUE(read.Finished(winetest::WAIT_LIMIT_MS)) << "a read of " << length << " bytes";
        EXPECT_EQ(read.status(), winetest::NT_STATUS_SUCCESS);
        return Bytes(read.data(), read.data() + (read.Finished(0) ? read.bytes() : 0));
    }

    void ExpectQueueEmpty() {
        PendingRead read(reader_device_, sizeof(EVENT_RECORD));
        EXPECT_TRUE(read.pending()) << "an event was left in the queue";
    }

    DeviceHandle reader_device_;
};

TEST_F(EventQueue, AZeroByteReadTakesNoEventAndALongReadReturnsTwoBytes) {
    Plug(1);
    EXPECT_EQ(ReadNow(0), Bytes{});
    EXPECT_EQ(ReadNow(8), (Bytes{EVENT_RECEIVER_ADDED, 0})) << "the event survived the empty read";
    ExpectQueueEmpty();
}

TEST_F(EventQueue, AOneByteReadTakesTheCodeAndUsesUpTheEvent) {
    Plug(1);
    FeedThrough(kBackKey);
    FeedThrough(kHomeKey);
    EXPECT_EQ(ReadNow(1), Bytes{EVENT_RECEIVER_ADDED});
    EXPECT_EQ(ReadNow(1), Bytes{1});
    EXPECT_EQ(ReadNow(2), (Bytes{5, 0})) << "each 1-byte read took a whole event";
    ExpectQueueEmpty();
}

TEST_F(EventQueue, AnUnreadBurstKeepsTheNewest256WithTheLastStatusAndRelease) {
    constexpr int kKeys = 300;
    Plug(1);
    std::vector<BENCH_REPORT> burst;
    for (int i = 0; i < kKeys; ++i) burst.push_back(sim::MakeReport(1, i % 2 ? kHomeKey : kBackKey));
    burst.push_back(sim::MakeReport(1, kStatus));
    burst.push_back(sim::MakeReport(1, kReleased));
    for (const BENCH_REPORT& report : burst) {
        ASSERT_EQ(bench().Feed(&report, 1), 1u);
        bench().TakeHid();
    }
    // 101 at the plug, the keys, then 0 and 50: 303 events for a queue of 256.
    std::vector<Bytes> events;
    for (int i = 0; i < 256; ++i) events.push_back(ReadNow(2));
    ExpectQueueEmpty();
    const int first_kept = 1 + kKeys + 2 - 256 - 1;  // index among the keys
    EXPECT_EQ(events.front()[0], first_kept % 2 ? 5 : 1) << "the oldest were dropped";
    EXPECT_EQ(events[events.size() - 2], (Bytes{EVENT_STATUS_CHANGED, 0}));
    EXPECT_EQ(events.back(), (Bytes{EVENT_KEYS_RELEASED, 0}));
}

TEST_F(EventQueue, ClosingOneOfTwoReadersKeepsTheHotKeysIntercepted) {
    Plug(1);
    {
        DeviceHandle second(KB_FILTER_USER_PATH, true);
        ASSERT_TRUE(second.valid());
        PendingRead becomes_a_reader(second, 0);
        ASSERT_TRUE(becomes_a_reader.Finished(winetest::WAIT_LIMIT_MS));
    }
    EXPECT_EQ(FeedThrough(kHomeKey), (Bytes{0x01, 0x00, 0x00})) << "one reader is still there";
    reader_device_.Close();
    EXPECT_EQ(FeedThrough(kHomeKey), kHomeKey) << "the last reader went";
}

// What nobody read is not kept for a reader that comes later, even while a handle that never
// read (a status display) stays open; its pool blocks are back at once.
TEST_F(EventQueue, TheLastReaderClosingDropsWhatItLeftQueued) {
    Plug(1);
    DeviceHandle status_display(KB_FILTER_USER_PATH);
    ASSERT_TRUE(status_display.valid());
    for (int i = 0; i < 10; ++i) FeedThrough(i % 2 ? kHomeKey : kBackKey);
    reader_device_.Close();
    BENCH_STATS stats = {};
    ASSERT_TRUE(bench().Stats(&stats));
    EXPECT_GE(stats.PoolAllocated, 11u) << "101 and ten keys were queued";
    EXPECT_EQ(stats.PoolFreed, stats.PoolAllocated) << "blocks left in the pool after the last reader closed";
    DeviceHandle next(KB_FILTER_USER_PATH, true);
    ASSERT_TRUE(next.valid());
    PendingRead read(next, sizeof(EVENT_RECORD));
    EXPECT_TRUE(read.pending()) << "the next reader got an event of the one before";
}

}  // namespace
