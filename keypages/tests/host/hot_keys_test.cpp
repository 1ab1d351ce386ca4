// The "Hot Keys" page's decisions: which controls each key shows, how a stored choice is shown,
// what a click on a choice stores, and how the custom program is named.
#include "keypages/hot_keys.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using keypages::Choice;
using keypages::HotKey;

TEST(HotKeys, EachKeyShowsItsOwnControls) {
    struct Expected {
        HotKey key;
        bool choices, second, address, mail, program;
    };
    const Expected table[] = {
        {keypages::kSearch, true, false, true, false, false},
        {keypages::kMail, true, false, false, true, true},
        {keypages::kMyComputer, true, true, false, false, true},
        {keypages::kCalculator, true, false, false, false, true},
        {keypages::kPower, false, false, false, false, false},
    };
    for (const Expected& e : table) {
        const keypages::KeyControls c = keypages::ControlsOf(e.key);
        EXPECT_EQ(c.choices, e.choices) << e.key;
        EXPECT_EQ(c.secondChoice, e.second) << e.key;
        EXPECT_EQ(c.address, e.address) << e.key;
        EXPECT_EQ(c.mailProgram, e.mail) << e.key;
        EXPECT_EQ(c.program, e.program) << e.key;
    }
    EXPECT_FALSE(keypages::IsHotKey(-1));
    EXPECT_FALSE(keypages::IsHotKey(keypages::kHotKeyCount));
}

TEST(HotKeys, MyComputerShowsAnyModeButZeroAndOneAsTheSecondChoiceAndKeepsIt) {
    KeyboardSettings settings = {};
    settings.MyComputerMode = 7;
    EXPECT_EQ(keypages::ViewOf(settings, keypages::kMyComputer).checked, Choice::Second);
    EXPECT_FALSE(keypages::ViewOf(settings, keypages::kMyComputer).customEnabled);
    EXPECT_EQ(settings.MyComputerMode, 7u);
    settings.MyComputerMode = 1;
    EXPECT_EQ(keypages::ViewOf(settings, keypages::kMyComputer).checked, Choice::Custom);
    EXPECT_TRUE(keypages::ViewOf(settings, keypages::kMyComputer).customEnabled);
    settings.MailMode = 9;
    EXPECT_EQ(keypages::ViewOf(settings, keypages::kMail).checked, Choice::Custom);
}

TEST(HotKeys, ChoosingStoresTheModeOfTheCurrentKeyOnly) {
    KeyboardSettings settings = {};
    keypages::Choose(settings, keypages::kMyComputer, Choice::Second);
    EXPECT_EQ(settings.MyComputerMode, 2u);
    keypages::Choose(settings, keypages::kCalculator, Choice::Custom);
    EXPECT_EQ(settings.CalculatorMode, 1u);
    keypages::Choose(settings, keypages::kMyComputer, Choice::First);
    EXPECT_EQ(settings.MyComputerMode, 0u);
    const KeyboardSettings before = settings;
    keypages::Choose(settings, keypages::kPower, Choice::Custom);
    EXPECT_EQ(std::memcmp(&before, &settings, sizeof settings), 0);
}

TEST(HotKeys, TheProgramIsNamedByItsNameElseByItsPathWithoutLeadingBlanks) {
    KeyboardSettings settings = {};
    EXPECT_EQ(keypages::ViewOf(settings, keypages::kMail).program, nullptr);
    std::strcpy(settings.MailCustom, "  \tc:\\mail.exe");
    EXPECT_STREQ(keypages::ViewOf(settings, keypages::kMail).program, "c:\\mail.exe");
    EXPECT_STREQ(settings.MailCustom, "  \tc:\\mail.exe");
    std::strcpy(settings.MailName, "My mail");
    EXPECT_STREQ(keypages::ViewOf(settings, keypages::kMail).program, "My mail");
    // A name without a program is no selection.
    std::strcpy(settings.MailCustom, "   ");
    EXPECT_EQ(keypages::ViewOf(settings, keypages::kMail).program, nullptr);
}

TEST(TextField, ALongerTextIsCutToOneHundredAndTwentySevenCharacters) {
    keypages::TextField field;
    std::memset(field, 'x', sizeof field);
    keypages::CopyToField(field, std::string(200, 'a').c_str());
    EXPECT_EQ(std::string(field), std::string(127, 'a'));
    EXPECT_EQ(keypages::FieldLength(field), 127u);
}

}  // namespace
