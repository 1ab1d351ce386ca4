// The volume keys through the real keyagent.exe and the session's real mixer, read inside the
// agent's process by the mixer probe (Wine keeps mixer values per process).
#include <gtest/gtest.h>

#include "agent/tests/wine/popup_agent.h"
#include "common/hotkey_codes.h"
#include "tools/fixtures/message_pump.h"
#include "tools/winetest/test_support.h"

namespace {

using agenttest::MixerReading;
using agenttest::PopupAgent;

constexpr WPARAM kReleaseEvent = 50;
constexpr uint32_t kStep = 1024;

class VolumeKeys : public testing::Test {
protected:
    void SetUp() override {
        agenttest::WriteDisplaySettings(5);
        ASSERT_TRUE(agent_.Start());
        ASSERT_TRUE(agent_.Read().found) << "the agent's process sees no master line";
    }

    // One key from the keyboard reader (no repeat) with the volume set first; the level after.
    uint32_t StepFrom(uint32_t volume, WPARAM code) {
        EXPECT_TRUE(agent_.SetVolumeExactly(volume)) << volume;
        agent_.PostKeyCode(code);
        return agent_.Read().volume;
    }

    PopupAgent agent_;
};

TEST_F(VolumeKeys, StepsStopAtTheEndsOfTheScale) {
    EXPECT_EQ(StepFrom(0x0300, HK_VOLUME_DOWN), 0u);
    EXPECT_EQ(StepFrom(0xFC00, HK_VOLUME_UP), 0xFFFFu);
    EXPECT_EQ(StepFrom(0xFFFF, HK_VOLUME_UP), 0xFFFFu);
    EXPECT_EQ(StepFrom(2047, HK_VOLUME_DOWN), 2047u - kStep);
    ASSERT_TRUE(agent_.WaitForPopupPainted());
    // The bar logs the level the last step left.
    const std::vector<uint32_t> levels = agent_.LoggedLevels();
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.back(), 2047u - kStep);
}

TEST_F(VolumeKeys, MuteTogglesAndLeavesTheVolumeAndTheBarAlone) {
    agent_.SetVolume(0x4000);
    agent_.SetMute(0);
    const uint32_t volume = agent_.Read().volume;
    agent_.PostKeyCode(HK_MUTE);
    const MixerReading first = agent_.Read();
    agent_.PostHotKey(HK_MUTE);
    const MixerReading second = agent_.Read();
    EXPECT_EQ(first.mute, 1u);
    EXPECT_EQ(second.mute, 0u);
    EXPECT_EQ(second.volume, volume);
    ASSERT_TRUE(agent_.WaitForPopupPainted());
    EXPECT_TRUE(agent_.LoggedLevels().empty()) << "the mute draws its caption, never the bar";
}

TEST_F(VolumeKeys, TheLevelAfterAStepIsWhatTheBarShows) {
    // 1022 + 1024 = 2046, one short of the first segment; 1023 + 1024 = 2047 fills one.
    for (uint32_t start : {1022u, 1023u}) {
        const uint32_t after = StepFrom(start, HK_VOLUME_UP);
        EXPECT_LE(after, start + kStep);
        EXPECT_GE(after + 1, start + kStep) << "one unit of read-back rounding at most";
        ASSERT_TRUE(agent_.WaitForPopupPainted());
        ASSERT_FALSE(agent_.LoggedLevels().empty());
        EXPECT_EQ(agent_.LoggedLevels().back(), start + kStep);
    }
}

// Steps of 1024 from 0, each read back at most one below what was written.
uint32_t StepsFromZero(uint32_t volume) { return (volume + 64) / kStep; }

// A held key from the hot-key filter repeats every 250 ms until the release event; the count
// is bounded by the time that passed, never by how fast this machine is.
TEST_F(VolumeKeys, AHeldVolumeUpRepeatsUntilTheRelease) {
    agent_.SetVolume(0);
    const DWORD pressed = GetTickCount();
    agent_.PostHotKey(HK_VOLUME_UP);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return StepsFromZero(agent_.Read().volume) >= 3; }, winetest::SLOW_WAIT_LIMIT_MS))
        << "the repeat did not step";
    agent_.PostHotKey(kReleaseEvent);
    const uint32_t at_release = agent_.Read().volume;
    const DWORD held = GetTickCount() - pressed;
    // One step at once, one per 250 ms after; a timer never fires early by a whole period.
    EXPECT_LE(StepsFromZero(at_release), 2 + held / 250);
    fixtures::PumpFor(800);
    EXPECT_EQ(agent_.Read().volume, at_release) << "the release event ends the repeat";
}

TEST_F(VolumeKeys, TheKeyboardReadersVolumeUpStepsOnce) {
    agent_.SetVolume(0);
    agent_.PostKeyCode(HK_VOLUME_UP);
    const uint32_t once = agent_.Read().volume;
    EXPECT_EQ(StepsFromZero(once), 1u);
    fixtures::PumpFor(800);
    EXPECT_EQ(agent_.Read().volume, once);
}

// Run with PULSE_SERVER pointing nowhere: no mixer in the agent's process.
TEST(NoMixer, VolumeKeysChangeNothingAndTheBarShowsTheLastLevel) {
    agenttest::WriteDisplaySettings(5);
    PopupAgent agent;
    ASSERT_TRUE(agent.Start());
    ASSERT_FALSE(agent.Read().found);
    agent.PostKeyCode(HK_VOLUME_UP);
    agent.PostKeyCode(HK_MUTE);
    ASSERT_TRUE(agent.WaitForPopupPainted());
    agent.PostKeyCode(HK_VOLUME_DOWN);
    ASSERT_TRUE(agent.WaitForPopupPainted());
    const std::vector<uint32_t> levels = agent.LoggedLevels();
    ASSERT_FALSE(levels.empty());
    // No step ever succeeded: the bar keeps level 0.
    for (uint32_t level : levels) EXPECT_EQ(level, 0u);
}

}  // namespace
