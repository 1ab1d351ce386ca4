#include "agent/logic/action_players.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Players, SelectAboveTheTableNamesNoPlayer) {
    EXPECT_EQ(PlayerRowForSelect(3), 3);
    EXPECT_EQ(PlayerRowForSelect(4), -1);
    EXPECT_EQ(PlayerRowForSelect(0xFFFFFFFFu), -1);
    int toggle = 0;
    EXPECT_EQ(PlayerCommandFor(4, MediaKey::Stop, toggle).Message, 0u);
    EXPECT_EQ(PlayerWindowClass(4), nullptr);
}

TEST(Players, OriginalPlayerAlternatesPauseAndPlay) {
    int toggle = 0;
    EXPECT_EQ(PlayerCommandFor(1, MediaKey::PlayPause, toggle).WParam, 502u);
    EXPECT_EQ(PlayerCommandFor(1, MediaKey::PlayPause, toggle).WParam, 501u);
    EXPECT_EQ(PlayerCommandFor(1, MediaKey::PlayPause, toggle).WParam, 502u);
    EXPECT_EQ(PlayerCommandFor(1, MediaKey::Next, toggle).WParam, 508u);
}

TEST(Players, MediaPlayer2GetsKeysWithScanCodes) {
    int toggle = 0;
    const PlayerCommand previous = PlayerCommandFor(2, MediaKey::Previous, toggle);
    EXPECT_EQ(previous.Message, 0x0100u);
    EXPECT_EQ(previous.WParam, 0x21u);
    EXPECT_EQ(previous.LParam, 0x490001);
    EXPECT_EQ(PlayerCommandFor(3, MediaKey::Stop, toggle).WParam, 0x18029u);
    EXPECT_STREQ(PlayerWindowClass(0), "SJE_CdPlayerClass");
}

TEST(Players, MissingPlayer) {
    EXPECT_EQ(MissingPlayerActionFor(0, MediaKey::Next), MissingPlayerAction::StartCdPlayer);
    EXPECT_EQ(MissingPlayerActionFor(2, MediaKey::PlayPause), MissingPlayerAction::StartWindowsMediaPlayer);
    EXPECT_EQ(MissingPlayerActionFor(2, MediaKey::Stop), MissingPlayerAction::None);
}

TEST(Players, CdPlayerCommandLineFitsAFullPath) {
    PlayerEntry rows[kPlayerCount];
    ResetPlayerTable(rows);
    char command[kCdPlayerCommandSize];
    CdPlayerCommandLine(rows[0], command, sizeof command);
    EXPECT_STREQ(command, " /play");
    std::memset(rows[0].path, 'p', sizeof rows[0].path - 1);
    CdPlayerCommandLine(rows[0], command, sizeof command);
    EXPECT_EQ(std::strlen(command), kPlayerPathSize - 1 + 6);
    EXPECT_STREQ(command + kPlayerPathSize - 1, " /play");
}
