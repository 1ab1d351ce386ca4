#include "agent/logic/action_players.h"

#include <cstdio>
#include <cstring>

#include "common/win32_numbers.h"

namespace {

constexpr int kCdPlayerRow = 0;
constexpr int kOriginalPlayerRow = 1;
constexpr uintptr_t kOriginalPlay = 501;
constexpr uintptr_t kOriginalPause = 502;

struct PlayerRow {
    const char* program_file;
    const char* display_name;
    const char* window_class;
    PlayerCommand commands[4];  // by MediaKey
};

// The key commands of "Media Player 2" carry a repeat count of 1 and the key's scan code.
const PlayerRow kPlayers[kPlayerCount] = {
    {"CDPlayer.exe", "CD Player", "SJE_CdPlayerClass",
     {{KB_WM_COMMAND, 104, 0}, {KB_WM_COMMAND, 105, 0}, {KB_WM_COMMAND, 109, 0}, {KB_WM_COMMAND, 110, 0}}},
    {"MPlayer.exe", "Windows Media Player(Original)", "MPlayer",
     {{KB_WM_COMMAND, kOriginalPause, 0}, {KB_WM_COMMAND, 503, 0}, {KB_WM_COMMAND, 505, 0}, {KB_WM_COMMAND, 508, 0}}},
    {"MPlayer2.EXE", "Windows Media Player", "Media Player 2",
     {{KB_WM_KEYDOWN, 0x20, 0x390001}, {KB_WM_KEYDOWN, 0xBE, 0x340001}, {KB_WM_KEYDOWN, 0x21, 0x490001},
      {KB_WM_KEYDOWN, 0x22, 0x510001}}},
    {"wmplayer.exe", "Windows Media Player 7.0", "WMPlayerApp",
     {{KB_WM_COMMAND, 0x18028, 0}, {KB_WM_COMMAND, 0x18029, 0}, {KB_WM_COMMAND, 0x1802A, 0}, {KB_WM_COMMAND, 0x1802B, 0}}},
};

}  // namespace

void ResetPlayerTable(PlayerEntry (&rows)[kPlayerCount]) {
    for (int i = 0; i < kPlayerCount; ++i) {
        rows[i] = PlayerEntry{};
        std::snprintf(rows[i].program_file, sizeof rows[i].program_file, "%s", kPlayers[i].program_file);
        std::snprintf(rows[i].display_name, sizeof rows[i].display_name, "%s", kPlayers[i].display_name);
    }
}

const char* PlayerWindowClass(int row) {
    return row >= 0 && row < kPlayerCount ? kPlayers[row].window_class : nullptr;
}

int PlayerRowForSelect(uint32_t select) { return select < kPlayerCount ? static_cast<int>(select) : -1; }

PlayerCommand PlayerCommandFor(int row, MediaKey key, int& play_toggle) {
    if (row == kOriginalPlayerRow && key == MediaKey::PlayPause) {
        const uintptr_t command = play_toggle ? kOriginalPlay : kOriginalPause;
        play_toggle = !play_toggle;
        return {KB_WM_COMMAND, command, 0};
    }
    if (row < 0 || row >= kPlayerCount) return {0, 0, 0};
    return kPlayers[row].commands[static_cast<int>(key)];
}

MissingPlayerAction MissingPlayerActionFor(int row, MediaKey key) {
    if (row == kCdPlayerRow) return MissingPlayerAction::StartCdPlayer;
    if (row > 0 && row < kPlayerCount && key == MediaKey::PlayPause) return MissingPlayerAction::StartWindowsMediaPlayer;
    return MissingPlayerAction::None;
}

void CdPlayerCommandLine(const PlayerEntry& cd_player, char* out, size_t out_size) {
    // The path is at most 79 characters and terminated, so the whole command always fits.
    std::snprintf(out, out_size, "%.*s /play", static_cast<int>(strnlen(cd_player.path, sizeof cd_player.path)),
                  cd_player.path);
}
