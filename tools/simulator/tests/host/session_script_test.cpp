// The session-file grammar: what each step becomes, and which lines are refused and why.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/simulator/script/session_script.h"

namespace {

using sim::ParseScript;
using sim::StepKind;

TEST(SessionScript, StepsTakeTheirReceiverBytesAndComments) {
    sim::Script script = ParseScript(
        "# the receiver goes in\n"
        "plug\n"
        "plug @2   # a second one\n"
        "report 01 e9 00\n"
        "report @2 01E900\r\n"
        "report 4 0 1 2 3 F\n"
        "wait 250\n"
        "reader close\n"
        "Reader OPEN\n"
        "\n"
        "unplug @2\n"
        "typing 12\n"
        "keycode 23\n"
        "KEYCODE 0\n"
        "keycode 255\n");
    ASSERT_TRUE(script.errors.empty()) << script.errors[0].message;
    ASSERT_EQ(script.steps.size(), 14u);

    EXPECT_EQ(script.steps[0].kind, StepKind::Note);
    EXPECT_EQ(script.steps[0].comment, "the receiver goes in");
    EXPECT_EQ(script.steps[1].kind, StepKind::Plug);
    EXPECT_EQ(script.steps[1].receiver, 1u);
    EXPECT_EQ(script.steps[2].receiver, 2u);
    EXPECT_EQ(script.steps[2].comment, "a second one");
    EXPECT_EQ(script.steps[2].text, "plug @2");
    EXPECT_EQ(script.steps[3].bytes, (std::vector<uint8_t>{0x01, 0xE9, 0x00}));
    EXPECT_EQ(script.steps[4].receiver, 2u);
    EXPECT_EQ(script.steps[4].bytes, (std::vector<uint8_t>{0x01, 0xE9, 0x00}));
    EXPECT_EQ(script.steps[5].bytes, (std::vector<uint8_t>{4, 0, 1, 2, 3, 0xF}));
    EXPECT_EQ(script.steps[6].kind, StepKind::Wait);
    EXPECT_EQ(script.steps[6].milliseconds, 250u);
    EXPECT_EQ(script.steps[7].kind, StepKind::Reader);
    EXPECT_FALSE(script.steps[7].open);
    EXPECT_TRUE(script.steps[8].open);
    EXPECT_EQ(script.steps[9].kind, StepKind::Unplug);
    EXPECT_EQ(script.steps[9].line, 11);
    EXPECT_EQ(script.steps[10].kind, StepKind::Typing);
    EXPECT_EQ(script.steps[10].activities, 12u);
    EXPECT_EQ(script.steps[11].kind, StepKind::KeyCode);
    EXPECT_EQ(script.steps[11].code, 23);
    EXPECT_EQ(script.steps[12].kind, StepKind::KeyCode);
    EXPECT_EQ(script.steps[12].code, 0);
    EXPECT_EQ(script.steps[13].code, 255);
}

TEST(SessionScript, DesktopStepsTakeTheirWords) {
    sim::Script script = ParseScript(
        "agent start\n"
        "Agent STOP\n"
        "apps IEFrame WMPlayerApp\n"
        "set popup 3\n"
        "set player 3\n"
        "set zoom 120 2\n"
        "open applet\n"
        "open text\n"
        "close applet\n"
        "lock on\n"
        "wheel down 3\n"
        "wheel up 1\n"
        "wheel button\n"
        "screenshot the tray   # comment\n"
        "screenshot\n");
    ASSERT_TRUE(script.errors.empty()) << script.errors[0].line << ": " << script.errors[0].message;
    ASSERT_EQ(script.steps.size(), 15u);
    const auto& s = script.steps;
    EXPECT_TRUE(s[0].kind == StepKind::Agent && s[0].open);
    EXPECT_FALSE(s[1].open);
    EXPECT_EQ(s[2].words, (std::vector<std::string>{"IEFrame", "WMPlayerApp"}));
    EXPECT_TRUE(s[3].setting == sim::Setting::Popup && s[3].values[0] == 3);
    EXPECT_TRUE(s[4].setting == sim::Setting::Player && s[4].values[0] == 3);
    EXPECT_TRUE(s[5].setting == sim::Setting::Zoom && s[5].values[0] == 120 && s[5].values[1] == 2);
    EXPECT_TRUE(s[6].kind == StepKind::Open && s[6].target == sim::Target::Applet);
    EXPECT_TRUE(s[7].kind == StepKind::Open && s[7].target == sim::Target::Text);
    EXPECT_TRUE(s[8].kind == StepKind::Close && s[8].target == sim::Target::Applet);
    EXPECT_TRUE(s[9].kind == StepKind::Lock && s[9].open);
    EXPECT_TRUE(s[10].kind == StepKind::Wheel && s[10].notches == -3);
    EXPECT_EQ(s[11].notches, 1);
    EXPECT_EQ(s[12].kind, StepKind::WheelButton);
    EXPECT_EQ(s[13].words, (std::vector<std::string>{"the", "tray"}));
    EXPECT_TRUE(s[14].kind == StepKind::Screenshot && s[14].words.empty());
}

TEST(SessionScript, BadLinesAreNamedByLineAndNothingElseIsLost) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"jump", "unknown step \"jump\""},
        {"report", "a report needs at least one byte"},
        {"report 01 g9", "\"g9\" is not hex bytes"},
        {"report 0e9", "\"0e9\" is not hex bytes"},
        {"report @5 01", "receivers are numbered @1 to @4"},
        {"plug @0", "receivers are numbered @1 to @4"},
        {"plug @x", "receivers are numbered @1 to @4"},
        {"plug now", "plug takes only a receiver, like @2"},
        {"wait", "wait takes a number of milliseconds up to 600000"},
        {"wait -5", "wait takes a number of milliseconds up to 600000"},
        {"wait 600001", "wait takes a number of milliseconds up to 600000"},
        {"wait 99999999999", "wait takes a number of milliseconds up to 600000"},
        {"reader maybe", "reader takes open or close"},
        {"typing", "typing takes a number of keyboard uses from 1 to 255"},
        {"typing 0", "typing takes a number of keyboard uses from 1 to 255"},
        {"typing 256", "typing takes a number of keyboard uses from 1 to 255"},
        {"keycode", "keycode takes a hot-key code from 0 to 255"},
        {"keycode 256", "keycode takes a hot-key code from 0 to 255"},
        {"keycode 0x15", "keycode takes a hot-key code from 0 to 255"},
        {"keycode 20 21", "keycode takes a hot-key code from 0 to 255"},
        {"agent", "agent takes start or stop"},
        {"apps", "apps takes 1 to 8 window classes or programs"},
        {"apps a b c d e f g h i", "apps takes 1 to 8 window classes or programs"},
        {"set popup 12", "set popup takes a place in the list of display times, 0 to 11"},
        {"set player 4", "set player takes a player from 0 to 3"},
        {"set zoom 301 2", "set zoom takes a size up to 300 and a factor from 1 to 10"},
        {"set zoom 96 0", "set zoom takes a size up to 300 and a factor from 1 to 10"},
        {"set volume 3", "set takes popup, player or zoom"},
        {"open door", "open takes text, applet, keyboard or mouse"},
        {"close text", "close takes applet, keyboard or mouse"},
        {"pick 256", "pick takes a list item from 0 to 255"},
        {"lock maybe", "lock takes on or off"},
        {"wheel down 0", "wheel takes up or down and 1 to 100 notches, or button"},
        {"wheel left 3", "wheel takes up or down and 1 to 100 notches, or button"},
        {"wheel down 101", "wheel takes up or down and 1 to 100 notches, or button"},
    };
    for (const Case& c : cases) {
        sim::Script script = ParseScript(std::string("plug\n") + c.line + "\nunplug\n");
        ASSERT_EQ(script.errors.size(), 1u) << c.line;
        EXPECT_EQ(script.errors[0].line, 2) << c.line;
        EXPECT_EQ(script.errors[0].message, c.message) << c.line;
        EXPECT_EQ(script.steps.size(), 2u) << c.line;
    }
}

// A vertical tab or form feed is a blank like any other: a line of nothing else is an empty
// line, and a step keeps none around it.
TEST(SessionScript, EveryBlankIsTrimmed) {
    sim::Script script = ParseScript("plug\n\v\f\nunplug\f\v\n");
    EXPECT_TRUE(script.errors.empty());
    ASSERT_EQ(script.steps.size(), 2u);
    EXPECT_EQ(script.steps[1].text, "unplug");
}

TEST(SessionScript, ReportLengthLimitIsSixtyFourBytes) {
    std::string bytes;
    for (int i = 0; i < 64; ++i) bytes += " ff";
    EXPECT_TRUE(ParseScript("report" + bytes).errors.empty());
    sim::Script too_long = ParseScript("report" + bytes + " 00");
    ASSERT_EQ(too_long.errors.size(), 1u);
    EXPECT_EQ(too_long.errors[0].message, "a report has at most 64 bytes");
}

// The session files of examples/ play as they stand: `make demo` itself is not among the tests.
TEST(SessionScript, TheExampleSessionsParse) {
    for (const char* name : {"/demo-session.txt", "/receiver-session.txt"}) {
        std::ifstream file(std::string(KB_EXAMPLES_DIR) + name);
        ASSERT_TRUE(file.good()) << name;
        std::stringstream text;
        text << file.rdbuf();
        sim::Script script = ParseScript(text.str());
        EXPECT_TRUE(script.errors.empty()) << name << ":" << script.errors[0].line << ": " << script.errors[0].message;
        EXPECT_GT(script.steps.size(), 20u) << name;
    }
}

}  // namespace
