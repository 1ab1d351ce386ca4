// The "Hot Keys" page's naming of a custom program and its choices. What the page shows
// and stores for each choice is proven through its controls under Wine.
#include "keypages/logic/hot_keys.h"

#include <cstring>

#include <gtest/gtest.h>

#include "common/program_modes.h"

namespace {

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

// The agent does nothing for a Search, Mail or Calculator mode other than the default and the
// custom one: the page shows such a mode as neither choice (the value itself is kept).
TEST(HotKeys, AModeTheAgentDoesNotKnowChecksNeitherChoice) {
    KeyboardSettings settings = {};
    settings.SearchMode = 2;
    settings.MailMode = 0xFFFFFFFFu;
    settings.CalculatorMode = KB_MODE_CUSTOM;
    for (keypages::HotKey key : {keypages::kSearch, keypages::kMail}) {
        const keypages::ChoiceView view = keypages::ViewOf(settings, key);
        EXPECT_EQ(view.checked, keypages::Choice::None) << key;
        EXPECT_FALSE(view.custom_enabled) << key;
    }
    EXPECT_EQ(keypages::ViewOf(settings, keypages::kCalculator).checked, keypages::Choice::Custom);
    keypages::Choose(settings, keypages::kSearch, keypages::Choice::Custom);
    EXPECT_EQ(settings.SearchMode, KB_MODE_CUSTOM);
}

}  // namespace
