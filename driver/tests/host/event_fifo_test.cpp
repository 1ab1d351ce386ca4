// The event queue's order and bound: first in, first out; nothing lost while a reader keeps up;
// at the bound the oldest event makes room for the newest.
#include <deque>
#include <vector>

#include <gtest/gtest.h>

#include "driver/decode/event_fifo.h"

namespace {

struct Node {
    EventLink Link;
    int Serial;
};

Node* NodeOf(EventLink* link) { return reinterpret_cast<Node*>(link); }

class EventFifoTest : public testing::Test {
protected:
    void SetUp() override { EventFifoInit(fifo_); }

    // Returns the serial of the node dropped to make room, or -1.
    int Push(int serial) {
        nodes_.push_back(Node{{nullptr, nullptr}, serial});
        EventLink* dropped = EventFifoPush(fifo_, &nodes_.back().Link);
        return dropped ? NodeOf(dropped)->Serial : -1;
    }

    int Pop() {
        EventLink* link = EventFifoPop(fifo_);
        return link ? NodeOf(link)->Serial : -1;
    }

    EventFifo fifo_ = {};
    std::deque<Node> nodes_;  // stable addresses
};

TEST_F(EventFifoTest, DeliversInArrivalOrder) {
    EXPECT_TRUE(EventFifoEmpty(fifo_));
    EXPECT_EQ(Pop(), -1);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(Push(i), -1);
    EXPECT_EQ(fifo_.Count, 5u);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(Pop(), i);
    EXPECT_TRUE(EventFifoEmpty(fifo_));
    EXPECT_EQ(fifo_.Count, 0u);
    EXPECT_EQ(Pop(), -1);
}

TEST_F(EventFifoTest, ReaderThatKeepsUpLosesNothing) {
    // Bursts of up to a few events between reads, far more events in all than the bound.
    int next = 0, expected = 0;
    for (int round = 0; round < 5000; ++round) {
        const int burst = 1 + round % 4;
        for (int i = 0; i < burst; ++i) ASSERT_EQ(Push(next++), -1) << "dropped while the reader kept up";
        for (int i = 0; i < burst; ++i) ASSERT_EQ(Pop(), expected++);
    }
    EXPECT_GT(uint32_t(next), 10 * EVENT_QUEUE_LIMIT);
}

TEST_F(EventFifoTest, FullQueueDropsTheOldestAndKeepsTheNewest) {
    for (uint32_t i = 0; i < EVENT_QUEUE_LIMIT; ++i) ASSERT_EQ(Push(int(i)), -1);
    EXPECT_EQ(fifo_.Count, EVENT_QUEUE_LIMIT);
    for (int extra = 0; extra < 5; ++extra) {
        EXPECT_EQ(Push(int(EVENT_QUEUE_LIMIT) + extra), extra) << "the oldest goes first";
        EXPECT_EQ(fifo_.Count, EVENT_QUEUE_LIMIT);
    }
    for (uint32_t i = 5; i < EVENT_QUEUE_LIMIT + 5; ++i) EXPECT_EQ(Pop(), int(i));
    EXPECT_TRUE(EventFifoEmpty(fifo_));
}

TEST_F(EventFifoTest, QueueFilledAgainAfterDrainingStartsFresh) {
    for (uint32_t i = 0; i < EVENT_QUEUE_LIMIT + 3; ++i) Push(int(i));
    while (Pop() != -1) {
    }
    EXPECT_EQ(Push(1000), -1);
    EXPECT_EQ(Push(1001), -1);
    EXPECT_EQ(Pop(), 1000);
    EXPECT_EQ(Pop(), 1001);
}

TEST_F(EventFifoTest, TakingAllMovesEveryEntryInOrderAndLeavesTheQueueEmpty) {
    for (int i = 1; i <= 3; ++i) Push(i);
    EventFifo taken = {};
    EventFifoTakeAll(fifo_, taken);
    EXPECT_TRUE(EventFifoEmpty(fifo_));
    EXPECT_EQ(fifo_.Count, 0u);
    EXPECT_EQ(taken.Count, 3u);
    for (int i = 1; i <= 3; ++i) {
        EventLink* link = EventFifoPop(taken);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(NodeOf(link)->Serial, i);
    }
    EXPECT_TRUE(EventFifoEmpty(taken));
    EXPECT_EQ(Push(4), -1) << "the emptied queue takes events again";
    EXPECT_EQ(Pop(), 4);
    EventFifoTakeAll(fifo_, taken);
    EXPECT_TRUE(EventFifoEmpty(taken)) << "an empty queue gives nothing";
}

}  // namespace
