#include "agent/win32/action_media_player.h"

#include <windows.h>
#include <shellapi.h>

#include "agent/logic/action_player_search.h"
#include "agent/win32/player_search.h"
#include "agent/win32/player_table.h"
#include "programstart/win32/start_program.h"

namespace {

// The original player's Play/Pause alternation; set when the CD Player is started.
int g_play_toggle;

// The CD Player, started by its path. Until the media-select window has looked for it, nobody
// knows that path: the key looks for it first, briefly.
MediaKeyOutcome StartCdPlayer(PlayerEntry (&rows)[kPlayerCount], int row, int& play_toggle) {
    if (!rows[row].found) SearchPlayerPrograms(rows, kKeyPlayerSearchLimitMs);
    if (!rows[row].found) return MediaKeyOutcome::PlayerNotFound;
    char command_line[kCdPlayerCommandSize];
    CdPlayerCommandLine(rows[row], command_line, sizeof command_line);
    StartProgram(command_line, SW_SHOW);
    play_toggle = 1;
    return MediaKeyOutcome::Done;
}

}  // namespace

MediaKeyOutcome PerformMediaKey(uint32_t select, MediaKey key) {
    const int row = PlayerRowForSelect(select);
    if (row < 0) return MediaKeyOutcome::Done;
    if (HWND player = FindWindowA(PlayerWindowClass(row), nullptr)) {
        const PlayerCommand command = PlayerCommandFor(row, key, g_play_toggle);
        if (command.Message) PostMessageA(player, command.Message, command.WParam, command.LParam);
        return MediaKeyOutcome::Done;
    }
    switch (MissingPlayerActionFor(row, key)) {
    case MissingPlayerAction::StartCdPlayer:
        return StartCdPlayer(PlayerTable(), row, g_play_toggle);
    case MissingPlayerAction::StartWindowsMediaPlayer:
        ShellExecuteA(nullptr, "open", "WMPlayer.exe", "/play", nullptr, SW_SHOWNORMAL);
        break;
    case MissingPlayerAction::None:
        break;
    }
    return MediaKeyOutcome::Done;
}
