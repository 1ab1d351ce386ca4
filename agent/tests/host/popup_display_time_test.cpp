#include "agent/logic/popup_display_time.h"

#include <gtest/gtest.h>

TEST(PopupDisplayTime, ListPositionsShowTheTimesTheyName) {
    const uint32_t expected[] = {5, 10, 20, 30, 40, 50, 100, 150, 200, 250, 300, 400};
    for (uint32_t delay = 0; delay < 12; ++delay) EXPECT_EQ(PopupTickLimit(delay), expected[delay]) << delay;
}

TEST(PopupDisplayTime, OtherValuesCountAsSecondsUpToTheListsLongestTime) {
    EXPECT_EQ(PopupTickLimit(12), 120u);
    EXPECT_EQ(PopupTickLimit(39), 390u);
    EXPECT_EQ(PopupTickLimit(100), 400u);
    EXPECT_EQ(PopupTickLimit(0xFFFFFFFFu), 400u);
}

TEST(PopupDisplayTime, HidesAtTheFirstTickPastTheLimit) {
    PopupTimer timer;
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(timer.Tick(true, 5)) << i;
    EXPECT_TRUE(timer.Tick(true, 5));
    EXPECT_EQ(timer.ticks, 0u);
}

TEST(PopupDisplayTime, RestartAndHiddenPopup) {
    PopupTimer timer;
    for (int i = 0; i < 4; ++i) timer.Tick(true, 5);
    timer.Restart();
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(timer.Tick(true, 5)) << i;
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(timer.Tick(false, 0)) << i;
}
