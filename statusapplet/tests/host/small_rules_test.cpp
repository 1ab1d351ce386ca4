// The button's caption look and the start parameter.
#include <climits>

#include <gtest/gtest.h>

#include "statusapplet/logic/button_look.h"
#include "statusapplet/logic/start_parameter.h"

namespace {

using applet::CaptionInk;
using applet::LookOf;

TEST(ButtonLook, HoverOutranksPressedAndDisabledOutranksBoth) {
    struct Case {
        bool enabled, hovered, pressed;
        CaptionInk ink;
        bool underlined;
    } cases[] = {
        {true, false, false, CaptionInk::Normal, false},
        {true, true, false, CaptionInk::Hovered, true},
        {true, true, true, CaptionInk::Hovered, true},
        {true, false, true, CaptionInk::Pressed, true},
        {false, false, true, CaptionInk::Embossed, false},
        {false, true, false, CaptionInk::Embossed, false},
    };
    for (const Case& c : cases) {
        applet::ButtonLook look = LookOf(c.enabled, c.hovered, c.pressed);
        EXPECT_EQ(look.ink, c.ink) << c.enabled << c.hovered << c.pressed;
        EXPECT_EQ(look.underlined, c.underlined) << c.enabled << c.hovered << c.pressed;
        EXPECT_EQ(look.chosen_icon, c.pressed) << "the icon shows the choice, disabled or not";
    }
}

TEST(StartParameter, TheNumberCountsPagesFromOne) {
    EXPECT_EQ(applet::StartPageOfParameter("2"), 1);
    EXPECT_EQ(applet::StartPageOfParameter(" 3rd"), 2);
    EXPECT_EQ(applet::StartPageOfParameter("-4"), -5);
    EXPECT_EQ(applet::StartPageOfParameter("page"), -1);
    EXPECT_EQ(applet::StartPageOfParameter(""), -1);
    EXPECT_EQ(applet::StartPageOfParameter("99999999999999999999"), INT_MAX - 1) << "held, not overflowed";
    EXPECT_EQ(applet::StartPageOfParameter("-99999999999999999999"), INT_MIN);
}

}  // namespace
