#include "agent/logic/volume_steps.h"

#include <gtest/gtest.h>

TEST(VolumeSteps, StepsClampAtBothEnds) {
    EXPECT_EQ(NewControlValue(VolumeAction::StepDown, 0x0300), 0u);
    EXPECT_EQ(NewControlValue(VolumeAction::StepDown, 0x0400), 0u);
    EXPECT_EQ(NewControlValue(VolumeAction::StepDown, 0x8000), 0x7C00u);
    EXPECT_EQ(NewControlValue(VolumeAction::StepUp, 0xFC00), 0xFFFFu);
    EXPECT_EQ(NewControlValue(VolumeAction::StepUp, 0xFFFF), 0xFFFFu);
    EXPECT_EQ(NewControlValue(VolumeAction::StepUp, 0xFFFFFFFFu), 0xFFFFu);
    EXPECT_EQ(NewControlValue(VolumeAction::StepUp, 1022), 2046u);
}

TEST(VolumeSteps, SixtyFourStepsFromSilenceToFull) {
    uint32_t value = 0;
    int steps = 0;
    while (value < kVolumeMax) {
        value = NewControlValue(VolumeAction::StepUp, value);
        ++steps;
    }
    EXPECT_EQ(steps, 64);
}

TEST(VolumeSteps, MuteToggles) {
    EXPECT_EQ(NewControlValue(VolumeAction::ToggleMute, 0), 1u);
    EXPECT_EQ(NewControlValue(VolumeAction::ToggleMute, 1), 0u);
    EXPECT_EQ(NewControlValue(VolumeAction::ToggleMute, 7), 0u);
    EXPECT_FALSE(IsVolumeStep(VolumeAction::ToggleMute));
}
