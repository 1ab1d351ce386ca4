// The master volume against the mixer Wine's audio driver gives when the session's PulseAudio
// daemon runs (a null sink). Wine keeps the mixer's values per process, so each case sets its
// starting value in this process and reads the result back here.
#include "agent/win32/master_volume.h"

#include <gtest/gtest.h>

namespace {

// Wine keeps the volume as a fraction of 0xFFFF in single precision; in the 32-bit world some
// values come back one below what was written (docs/wine-notes.md). Silence and full volume
// come back exactly.
constexpr uint32_t kMixerRounding = 1;

void ExpectMixerValue(uint32_t value, uint32_t written) {
    EXPECT_LE(value, written);
    EXPECT_LE(written - value, kMixerRounding) << "written " << written << ", read " << value;
}

class MasterVolume : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mixer_.IsOpen()) << "no mixer: is the session's PulseAudio daemon running?"; }

    // Sets the volume and steps it once: the popup's level is the step from the value the mixer
    // held, and the mixer holds the level afterwards.
    void StepFrom(uint32_t start, VolumeAction action, uint32_t& value, uint32_t& level) {
        ASSERT_TRUE(mixer_.Set(MasterControl::Volume, start));
        uint32_t held = 0;
        ASSERT_TRUE(mixer_.Get(MasterControl::Volume, held));
        ExpectMixerValue(held, start);
        level = 0xDEAD;
        ASSERT_TRUE(ChangeMasterVolume(action, level));
        EXPECT_EQ(level, NewControlValue(action, held));
        ASSERT_TRUE(mixer_.Get(MasterControl::Volume, value));
        ExpectMixerValue(value, level);
    }

    MasterVolumeMixer mixer_;
};

TEST_F(MasterVolume, ReadsBackWhatWasSet) {
    uint32_t value = 0;
    ASSERT_TRUE(mixer_.Set(MasterControl::Volume, 0x4000));
    ASSERT_TRUE(mixer_.Get(MasterControl::Volume, value));
    ExpectMixerValue(value, 0x4000);
    ASSERT_TRUE(mixer_.Set(MasterControl::Volume, 0xFFFF));
    ASSERT_TRUE(mixer_.Get(MasterControl::Volume, value));
    EXPECT_EQ(value, 0xFFFFu);
    ASSERT_TRUE(mixer_.Set(MasterControl::Mute, 1));
    ASSERT_TRUE(mixer_.Get(MasterControl::Mute, value));
    EXPECT_EQ(value, 1u);
    ASSERT_TRUE(mixer_.Set(MasterControl::Mute, 0));
}

TEST_F(MasterVolume, StepsClampAtSilenceAndFull) {
    uint32_t value = 0;
    uint32_t level = 0;
    StepFrom(0x0300, VolumeAction::StepDown, value, level);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(level, 0u);
    StepFrom(0xFC00, VolumeAction::StepUp, value, level);
    EXPECT_EQ(value, 0xFFFFu);
    EXPECT_EQ(level, 0xFFFFu);
    StepFrom(0xFFFF, VolumeAction::StepUp, value, level);
    EXPECT_EQ(value, 0xFFFFu);
    StepFrom(0x8000, VolumeAction::StepDown, value, level);
    EXPECT_GE(level, 0x7C00u - kMixerRounding);
}

// The levels either side of the bar's first segment, reached by one step up.
TEST_F(MasterVolume, LevelsAtTheFirstSegment) {
    uint32_t value = 0;
    uint32_t level = 0;
    StepFrom(1022, VolumeAction::StepUp, value, level);
    EXPECT_EQ(value, 2046u);
    EXPECT_EQ(level, 2046u);
    StepFrom(1023, VolumeAction::StepUp, value, level);
    EXPECT_EQ(value, 2047u);
    EXPECT_EQ(level, 2047u);
}

TEST_F(MasterVolume, MuteTwiceGoesOnAndOffAndLeavesTheLevel) {
    ASSERT_TRUE(mixer_.Set(MasterControl::Mute, 0));
    ASSERT_TRUE(mixer_.Set(MasterControl::Volume, 0x5000));
    uint32_t level = 1234;
    uint32_t mute = 7;
    ASSERT_TRUE(ChangeMasterVolume(VolumeAction::ToggleMute, level));
    ASSERT_TRUE(mixer_.Get(MasterControl::Mute, mute));
    EXPECT_EQ(mute, 1u);
    ASSERT_TRUE(ChangeMasterVolume(VolumeAction::ToggleMute, level));
    ASSERT_TRUE(mixer_.Get(MasterControl::Mute, mute));
    EXPECT_EQ(mute, 0u);
    EXPECT_EQ(level, 1234u);
    uint32_t volume = 0;
    ASSERT_TRUE(mixer_.Get(MasterControl::Volume, volume));
    ExpectMixerValue(volume, 0x5000);
}

// Run by its own ctest entry, whose process can't reach the daemon (docs/wine-notes.md).
TEST(NoMixer, VolumeKeysChangeNothing) {
    MasterVolumeMixer mixer;
    EXPECT_FALSE(mixer.IsOpen());
    uint32_t value = 0;
    EXPECT_FALSE(mixer.Get(MasterControl::Volume, value));
    EXPECT_FALSE(mixer.Set(MasterControl::Volume, 0x4000));
    uint32_t level = 0x1234;
    EXPECT_FALSE(ChangeMasterVolume(VolumeAction::StepUp, level));
    EXPECT_FALSE(ChangeMasterVolume(VolumeAction::ToggleMute, level));
    EXPECT_EQ(level, 0x1234u);
}

}  // namespace
