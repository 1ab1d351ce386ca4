#include "wheelhook/logic/message_rewrite.h"

#include <gtest/gtest.h>

#include "common/win32_numbers.h"

namespace {

uint32_t WheelWParam(int16_t delta, uint16_t flags) {
    return (static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16) | flags;
}

int16_t DeltaOf(uint32_t wparam) { return static_cast<int16_t>(wparam >> 16); }

WheelSettings Settings(uint32_t mode, uint32_t lines, uint32_t reverse) {
    WheelSettings settings = {mode, lines, reverse, 0, 96, 2, 0};
    CorrectWheelSettings(settings);
    return settings;
}

TEST(MessageRewrite, WheelMessagesBecomeScaledDeltasOrKeystrokes) {
    struct Case {
        const char* what;
        WheelSettings settings;
        int16_t delta;
        bool shift;
        int16_t new_delta;
        uint8_t key;
        uint32_t key_count;
    };
    const Case cases[] = {
        {"line mode away", Settings(0, 3, 0), 120, false, 120, 0, 0},
        {"line mode towards", Settings(0, 3, 0), -120, false, -120, 0, 0},
        {"line mode reversed", Settings(0, 3, 1), 120, false, -120, 0, 0},
        {"five lines", Settings(0, 5, 0), -240, false, -200, 0, 0},
        {"zero lines act as one", Settings(0, 0, 0), 120, false, 40, 0, 0},
        {"delta 0 is upward here", Settings(0, 2, 0), 0, false, 80, 0, 0},
        {"delta 0 reversed is downward", Settings(0, 2, 1), 0, false, -80, 0, 0},
        {"page up", Settings(1, 7, 0), 120, false, 0, KB_VK_PRIOR, 1},
        {"page down", Settings(1, 7, 0), -120, false, 0, KB_VK_NEXT, 1},
        {"page reversed", Settings(1, 7, 1), 120, false, 0, KB_VK_NEXT, 1},
        {"shift left per line", Settings(0, 3, 0), 120, true, 0, KB_VK_LEFT, 3},
        {"shift right per line", Settings(0, 3, 0), -120, true, 0, KB_VK_RIGHT, 3},
        {"shift reversed", Settings(0, 3, 1), 120, true, 0, KB_VK_RIGHT, 3},
        {"injected +1", Settings(0, 2, 0), 1, false, 0, KB_VK_LEFT, 2},
        {"injected -1", Settings(0, 2, 0), -1, false, 0, KB_VK_RIGHT, 2},
        {"sideways page mode presses once", Settings(1, 9, 0), -1, false, 0, KB_VK_RIGHT, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WheelRewrite r = RewriteWheelMessage(c.settings, WheelWParam(c.delta, 0x0008), c.shift);
        EXPECT_EQ(DeltaOf(r.wparam), c.new_delta);
        EXPECT_EQ(r.wparam & 0xFFFF, 0x0008u) << "key flags are kept";
        EXPECT_EQ(r.key, c.key);
        EXPECT_EQ(r.key_count, c.key_count);
    }
}

TEST(MessageRewrite, HugeLineCountKeepsItsDirection) {
    const WheelRewrite up = RewriteWheelMessage(Settings(0, 1000, 0), WheelWParam(120, 0), false);
    const WheelRewrite down = RewriteWheelMessage(Settings(0, 0xFFFFFFFF, 0), WheelWParam(-120, 0), false);
    EXPECT_EQ(DeltaOf(up.wparam), 0x7FFF);
    EXPECT_EQ(DeltaOf(down.wparam), -0x7FFF);
}

TEST(MessageRewrite, HugeLineCountPressesABoundedNumberOfKeys) {
    const WheelRewrite sideways = RewriteWheelMessage(Settings(0, 0xFFFFFFFF, 0), WheelWParam(-120, 0), true);
    EXPECT_EQ(sideways.key, KB_VK_RIGHT);
    EXPECT_EQ(sideways.key_count, kMaxLinesPerNotch) << "as many as a notch scrolls upright";
    EXPECT_EQ(RewriteWheelMessage(Settings(0, 64, 0), WheelWParam(1, 0), false).key_count, 64u);
}

}  // namespace
