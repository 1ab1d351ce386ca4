#include "agent/logic/action_table.h"

#include <gtest/gtest.h>

#include "agent/logic/action_keystrokes.h"
#include "common/hotkey_codes.h"

TEST(ActionTable, EveryCodeGetsItsGroupIndexAndSwitch) {
    struct Row {
        unsigned long code;
        ActionKind kind;
        OsdGroup group;
        int index;
        PopupSwitch popup;
    };
    const Row rows[] = {
        {HK_WWW_BACK, ActionKind::BrowserKey, OsdGroup::Web, 0, PopupSwitch::Search},
        {HK_WWW_FAVORITES, ActionKind::BrowserKey, OsdGroup::Web, 5, PopupSwitch::Search},
        {HK_MEDIA_PLAY, ActionKind::MediaPlayer, OsdGroup::Media, 0, PopupSwitch::Media},
        {HK_MEDIA_NEXT, ActionKind::MediaPlayer, OsdGroup::Media, 3, PopupSwitch::Media},
        {HK_MUTE, ActionKind::Volume, OsdGroup::Media, 4, PopupSwitch::Volume},
        {HK_VOLUME_UP, ActionKind::Volume, OsdGroup::Media, 6, PopupSwitch::Volume},
        {HK_MEDIA_SELECT, ActionKind::MediaSelect, OsdGroup::Media, 0, PopupSwitch::Never},
        {HK_SEARCH, ActionKind::Search, OsdGroup::Program, 0, PopupSwitch::Search},
        {HK_MAIL, ActionKind::Mail, OsdGroup::Program, 1, PopupSwitch::Mail},
        {HK_MY_COMPUTER, ActionKind::MyComputer, OsdGroup::Program, 2, PopupSwitch::MyComputer},
        {HK_CALCULATOR, ActionKind::Calculator, OsdGroup::Program, 3, PopupSwitch::Calculator},
        {HK_POWER, ActionKind::Power, OsdGroup::Program, 0, PopupSwitch::Never},
        {HK_WORD, ActionKind::Office, OsdGroup::Office, 0, PopupSwitch::Always},
        {HK_OUTLOOK, ActionKind::Office, OsdGroup::Office, 3, PopupSwitch::Always},
    };
    for (const Row& row : rows) {
        const HotKeyAction action = ActionForCode(row.code);
        EXPECT_EQ(action.kind, row.kind) << row.code;
        EXPECT_EQ(action.group, row.group) << row.code;
        EXPECT_EQ(action.index, row.index) << row.code;
        EXPECT_EQ(action.popup, row.popup) << row.code;
    }
}

TEST(ActionTable, CodesWithoutActionIncludingTheReleaseCode) {
    for (unsigned long code : {0ul, 24ul, 50ul, 99ul, 0xFFFFFFFFul})
        EXPECT_EQ(ActionForCode(code).kind, ActionKind::None) << code;
}

TEST(ActionTable, PopupSwitchesReadTheirOwnFlag) {
    KeyboardSettings settings{};
    EXPECT_FALSE(PopupEnabled(PopupSwitch::Volume, settings));
    EXPECT_TRUE(PopupEnabled(PopupSwitch::Always, settings));
    settings.ShowVolume = 1;
    EXPECT_TRUE(PopupEnabled(PopupSwitch::Volume, settings));
    EXPECT_FALSE(PopupEnabled(PopupSwitch::Media, settings));
    EXPECT_FALSE(PopupEnabled(PopupSwitch::Never, settings));
}

TEST(ActionTable, OnlyHotKeyVolumeStepsRepeat) {
    EXPECT_EQ(VolumeActionForCode(HK_MUTE), VolumeAction::ToggleMute);
    EXPECT_EQ(VolumeActionForCode(HK_VOLUME_DOWN), VolumeAction::StepDown);
    EXPECT_EQ(VolumeActionForCode(HK_VOLUME_UP), VolumeAction::StepUp);
    EXPECT_TRUE(VolumeKeyRepeats(HK_VOLUME_UP, false));
    EXPECT_FALSE(VolumeKeyRepeats(HK_VOLUME_UP, true));
    EXPECT_FALSE(VolumeKeyRepeats(HK_MUTE, false));
}

TEST(BrowserKeys, HeldKeyWrapsTheSecondWithPauses) {
    const KeySequence back = BrowserKeySequence(0);
    EXPECT_EQ(back.lead_pause_ms, 100);
    ASSERT_EQ(back.count, 4);
    const KeyStroke expected[] = {{0x12, false, 100}, {0x25, false, 100}, {0x25, true, 100}, {0x12, true, 100}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(back.strokes[i].virtual_key, expected[i].virtual_key) << i;
        EXPECT_EQ(back.strokes[i].release, expected[i].release) << i;
        EXPECT_EQ(back.strokes[i].pause_ms, expected[i].pause_ms) << i;
    }
    const KeySequence favorites = BrowserKeySequence(5);
    EXPECT_EQ(favorites.strokes[0].virtual_key, 0x11);
    EXPECT_EQ(favorites.strokes[1].virtual_key, 0x49);
}

TEST(BrowserKeys, SingleKeysAndSearchBar) {
    const KeySequence stop = BrowserKeySequence(2);
    ASSERT_EQ(stop.count, 2);
    EXPECT_EQ(stop.strokes[0].virtual_key, 0x1B);
    EXPECT_TRUE(stop.strokes[1].release);
    EXPECT_EQ(BrowserKeySequence(3).strokes[0].virtual_key, 0x74);
    EXPECT_EQ(BrowserKeySequence(4).strokes[1].virtual_key, 0x24);
    EXPECT_EQ(BrowserKeySequence(6).count, 0);
    EXPECT_EQ(BrowserKeySequence(-1).count, 0);

    const KeySequence search = SearchKeySequence();
    EXPECT_EQ(search.lead_pause_ms, 0);
    ASSERT_EQ(search.count, 4);
    EXPECT_EQ(search.strokes[0].virtual_key, 0x11);
    EXPECT_EQ(search.strokes[1].virtual_key, 0x45);
    EXPECT_EQ(search.strokes[3].pause_ms, 100);
}
