#include "agent/logic/popup_content.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(PopupContent, GroupsDrawFromTheirStrips) {
    EXPECT_EQ(PopupBitmapId(OsdGroup::Program), 102);
    EXPECT_EQ(PopupBitmapId(OsdGroup::Web), 103);
    EXPECT_EQ(PopupBitmapId(OsdGroup::Media), 104);
    EXPECT_EQ(PopupBitmapId(OsdGroup::OfficeMissing), 105);
}

TEST(PopupContent, CaptionsAndTheVolumeBar) {
    const KeyboardSettings settings{};
    EXPECT_STREQ(PopupCaption(OsdGroup::Web, 4, settings), "Web/Home");
    EXPECT_STREQ(PopupCaption(OsdGroup::Media, 4, settings), "Mute");
    EXPECT_EQ(PopupCaption(OsdGroup::Media, 5, settings), nullptr);
    EXPECT_TRUE(PopupShowsVolumeBar(OsdGroup::Media, 6));
    EXPECT_FALSE(PopupShowsVolumeBar(OsdGroup::Media, 4));
    EXPECT_STREQ(PopupCaption(OsdGroup::Office, 2, settings), "Power Point");
    EXPECT_STREQ(PopupCaption(OsdGroup::OfficeMissing, 0, settings), "Word not found");
    EXPECT_STREQ(PopupCaption(OsdGroup::OfficeMissing, 3, settings), "Outlook not found");
    EXPECT_STREQ(PopupCaption(OsdGroup::MediaMissing, 0, settings), "Media Player not found");
    EXPECT_EQ(PopupBitmapId(OsdGroup::MediaMissing), 104) << "the media key's own picture";
    EXPECT_EQ(PopupCaption(OsdGroup::MediaMissing, 4, settings), nullptr);
}

TEST(PopupContent, IndexOutsideTheGroupShowsNothing) {
    const KeyboardSettings settings{};
    EXPECT_EQ(PopupCaption(OsdGroup::Web, 6, settings), nullptr);
    EXPECT_EQ(PopupCaption(OsdGroup::Office, 4, settings), nullptr);
    EXPECT_EQ(PopupCaption(OsdGroup::Program, -1, settings), nullptr);
}

TEST(PopupContent, ProgramCaptionsFollowTheModes) {
    KeyboardSettings settings{};
    EXPECT_STREQ(PopupCaption(OsdGroup::Program, 0, settings), "Search Internet");
    EXPECT_STREQ(PopupCaption(OsdGroup::Program, 2, settings), "My Computer");
    settings.MyComputerMode = 2;
    EXPECT_STREQ(PopupCaption(OsdGroup::Program, 2, settings), "Windows Explorer");
    settings.MyComputerMode = 9;
    EXPECT_STREQ(PopupCaption(OsdGroup::Program, 2, settings), "Windows Explorer");
    settings.MailMode = 1;
    std::strcpy(settings.MailCustom, "mutt.exe");
    EXPECT_STREQ(PopupCaption(OsdGroup::Program, 1, settings), "mutt.exe");
    settings.CalculatorMode = 2;
    EXPECT_STREQ(PopupCaption(OsdGroup::Program, 3, settings), "Calculator");
}
