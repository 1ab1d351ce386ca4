#include "agent/logic/log_line.h"

#include <gtest/gtest.h>

namespace {

TEST(LogLine, TimeIsTwoDigitsEachThenABlankAndTheText) {
    EXPECT_EQ(FormatLogLine(7, 5, 3, "Device Change"), "07:05:03 Device Change");
    EXPECT_EQ(FormatLogLine(23, 59, 59, ""), "23:59:59 ");
}

TEST(LogLine, TheOldestLineGoesOnceTheBoxHoldsTheLimit) {
    EXPECT_FALSE(DropOldestLine(kAgentLogLimit - 1));
    EXPECT_TRUE(DropOldestLine(kAgentLogLimit));
}

}  // namespace
