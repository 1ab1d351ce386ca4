#include "trayicon/logic/tray_texts.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using tray::BatteryTooltip;
using tray::LockTooltip;

struct TipCase {
    unsigned value;
    const char* expected;
};

TEST(BatteryTooltip, NamesEveryLowDeviceFromBitZeroUp) {
    const TipCase cases[] = {
        {0x00, "Battery Normal"},
        {0x01, "Battery Low:\nKeyboard\n"},
        {0x05, "Battery Low:\nKeyboard\nMouse\n"},
        {0x18, "Battery Low:\nGame Pad 1\nGame Pad 2\n"},
        {0x80, "Battery Low:\nTouch Pad\n"},
        {0xE0, "Battery Low:\n88 Key Keyboard\nSpace Ball\nTouch Pad\n"},
        {0x42, "Battery Low:\nTen Key\nSpace Ball\n"},
    };
    for (const TipCase& c : cases) {
        EXPECT_STREQ(BatteryTooltip(static_cast<std::uint8_t>(c.value)).text, c.expected) << "mask " << c.value;
    }
}

TEST(BatteryTooltip, AllEightLowIsCutToWhatTheNotificationAreaTakes) {
    std::string full = "Battery Low:\nKeyboard\nTen Key\nMouse\nGame Pad 1\nGame Pad 2\n"
                       "88 Key Keyboard\nSpace Ball\nTouch Pad\n";
    tray::Tooltip tip = BatteryTooltip(0xFF);
    EXPECT_EQ(std::strlen(tip.text), 63u);
    EXPECT_EQ(std::string(tip.text), full.substr(0, 63));
}

TEST(LockTooltip, NamesTheLocksThatAreOnNumFirst) {
    const TipCase cases[] = {
        {0, ""},
        {1, "SCROLL"},
        {2, "CAPS  "},
        {3, "CAPS  SCROLL"},
        {4, "NUM  "},
        {5, "NUM  SCROLL"},
        {6, "NUM  CAPS  "},
        {7, "NUM  CAPS  SCROLL"},
    };
    for (const TipCase& c : cases) {
        EXPECT_STREQ(LockTooltip(c.value).text, c.expected) << "state " << c.value;
    }
}

}  // namespace
