// The four media players the media keys control, the commands each gets, and what happens when
// the chosen player is not running.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kPlayerCount = 4;
constexpr size_t kPlayerNameSize = 40;
constexpr size_t kPlayerPathSize = 80;

struct PlayerEntry {
    int found;
    char program_file[kPlayerNameSize];
    char display_name[kPlayerNameSize];
    char path[kPlayerPathSize];
};

// Rows 0 "CD Player" to 3 "Windows Media Player 7.0", not yet searched for.
void ResetPlayerTable(PlayerEntry (&rows)[kPlayerCount]);

const char* PlayerWindowClass(int row);

// "Select" is the row number; a value the table doesn't have names no player (-1).
int PlayerRowForSelect(uint32_t select);

// Media keys by index: 0 Play/Pause, 1 Stop, 2 Previous, 3 Next.
enum class MediaKey { PlayPause = 0, Stop = 1, Previous = 2, Next = 3 };

// A message posted to the player's window.
struct PlayerCommand {
    unsigned Message;  // WM_COMMAND or WM_KEYDOWN
    uintptr_t WParam;
    intptr_t LParam;
};

// The command for a running player. Row 1's Play/Pause alternates 502 and 501 by `play_toggle`,
// which this flips. A row the table doesn't have gives Message 0: nothing to post.
PlayerCommand PlayerCommandFor(int row, MediaKey key, int& play_toggle);

// What a media key does when the row's window is not there.
enum class MissingPlayerAction {
    None,
    StartCdPlayer,         // row 0, any key: its path and " /play" started; sets the toggle
    StartWindowsMediaPlayer,  // rows 1 to 3, Play/Pause only: "WMPlayer.exe" "/play"
};
MissingPlayerAction MissingPlayerActionFor(int row, MediaKey key);

// Row 0's start command: the path found for it and " /play". Writes a terminated text into
// `out` of `out_size` (at least kCdPlayerCommandSize).
constexpr size_t kCdPlayerCommandSize = kPlayerPathSize + 8;
void CdPlayerCommandLine(const PlayerEntry& cd_player, char* out, size_t out_size);
