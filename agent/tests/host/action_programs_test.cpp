#include "agent/logic/action_programs.h"

#include <gtest/gtest.h>

#include <cstring>

#include "agent/logic/action_media_select.h"

TEST(Programs, ModesPickTheirStart) {
    KeyboardSettings settings{};
    std::strcpy(settings.SearchUrl, "http://example.invalid/");
    std::strcpy(settings.MyComputerCustom, "filer.exe");
    EXPECT_EQ(SearchAction(settings).start, ProgramStart::BrowserSearchBar);
    EXPECT_EQ(MyComputerAction(settings).start, ProgramStart::OpenMyComputer);
    EXPECT_EQ(CalculatorAction(settings).start, ProgramStart::WakeCalculator);
    EXPECT_STREQ(MailAction(settings).command, "msimn.exe");

    settings.SearchMode = 1;
    settings.MyComputerMode = 1;
    EXPECT_STREQ(SearchAction(settings).command, "http://example.invalid/");
    EXPECT_EQ(MyComputerAction(settings).start, ProgramStart::RunCommand);
    EXPECT_STREQ(MyComputerAction(settings).command, "filer.exe");

    settings.MyComputerMode = 2;
    EXPECT_STREQ(MyComputerAction(settings).command, "Explorer.exe");
    settings.MailDefault = 1;
    EXPECT_STREQ(MailAction(settings).command, "Outlook.exe");
}

TEST(Programs, UnknownModesDoNothing) {
    KeyboardSettings settings{};
    settings.SearchMode = 2;
    settings.MyComputerMode = 3;
    settings.CalculatorMode = 7;
    settings.MailDefault = 0xFFFFFFFFu;  // nothing chosen in the settings pages
    EXPECT_EQ(SearchAction(settings).start, ProgramStart::None);
    EXPECT_EQ(MyComputerAction(settings).start, ProgramStart::None);
    EXPECT_EQ(CalculatorAction(settings).start, ProgramStart::None);
    EXPECT_EQ(MailAction(settings).start, ProgramStart::None);
    settings.MailMode = 2;
    settings.MailDefault = 0;
    EXPECT_EQ(MailAction(settings).start, ProgramStart::None);
}

TEST(Office, PowerPointTriesSixVersionsAndDoesNotWait) {
    OfficeApp app{};
    ASSERT_TRUE(OfficeAppFor(2, app));
    ASSERT_EQ(app.class_count, 6);
    EXPECT_STREQ(app.classes[0], "PP7FrameClass");
    EXPECT_STREQ(app.classes[5], "PP12FrameClass");
    EXPECT_FALSE(app.waits_for_window);
    ASSERT_TRUE(OfficeAppFor(3, app));
    EXPECT_STREQ(app.classes[0], "rctrl_renwnd32");
    EXPECT_STREQ(app.program, "outlook.exe");
    EXPECT_TRUE(app.waits_for_window);
    EXPECT_FALSE(OfficeAppFor(4, app));
}

TEST(Office, WaitIsBoundedAndStartFailureIsAtMost32) {
    EXPECT_TRUE(OfficeWaitGoesOn(0));
    EXPECT_TRUE(OfficeWaitGoesOn(kOfficeWaitLimitMs - 1));
    EXPECT_FALSE(OfficeWaitGoesOn(kOfficeWaitLimitMs));
    EXPECT_FALSE(ShellStartSucceeded(32));
    EXPECT_TRUE(ShellStartSucceeded(33));
}

TEST(MediaSelect, PlacementForFoundPlayers) {
    const SelectWindowPlacement place = PlaceSelectWindow({1024, 711, 4, 19}, 13, 2);
    EXPECT_EQ(place.list_height, 26);
    EXPECT_EQ(place.x, (1024 - 250) / 2);
    EXPECT_EQ(place.y, (711 - 26 - 4 - 19) / 2);
    EXPECT_EQ(place.height, 4 + 19 + 26);
    EXPECT_EQ(PlaceSelectWindow({200, 10, 4, 19}, 13, 1).x, -25);  // truncates towards zero
}

TEST(MediaSelect, KeyWalksTheListAndWraps) {
    EXPECT_EQ(NextSelectEntry(0, 2), 1);
    EXPECT_EQ(NextSelectEntry(1, 2), 0);
    EXPECT_EQ(NextSelectEntry(-1, 2), 0);
    EXPECT_EQ(NextSelectEntry(-1, 0), -1);
}
