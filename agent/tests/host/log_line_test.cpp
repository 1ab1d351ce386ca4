#include "agent/logic/log_line.h"

#include <gtest/gtest.h>

namespace {

TEST(LogLine, TimeIsTwoDigitsEachThenABlankAndTheText) {
    char line[32];
    FormatLogLine(line, sizeof line, 7, 5, 3, "Device Change");
    EXPECT_STREQ(line, "07:05:03 Device Change");
    FormatLogLine(line, 12, 23, 59, 59, "Device Change");
    EXPECT_STREQ(line, "23:59:59 De") << "cut to the buffer, terminated";
}

TEST(LogLine, TheOldestLineGoesOnceTheBoxHoldsTheLimit) {
    EXPECT_FALSE(DropOldestLine(kAgentLogLimit - 1));
    EXPECT_TRUE(DropOldestLine(kAgentLogLimit));
}

}  // namespace
