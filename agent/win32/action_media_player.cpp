#include "agent/win32/action_media_player.h"

#include <windows.h>
#include <shellapi.h>

#include "agent/win32/dispatcher.h"
#include "agent/win32/player_table.h"

void PerformMediaKey(uint32_t select, MediaKey key) {
    const int row = PlayerRowForSelect(select);
    if (row < 0) return;
    int& play_toggle = Dispatcher().PlayToggle;
    if (HWND player = FindWindowA(PlayerWindowClass(row), nullptr)) {
        const PlayerCommand command = PlayerCommandFor(row, key, play_toggle);
        if (command.Message) PostMessageA(player, command.Message, command.WParam, command.LParam);
        return;
    }
    switch (MissingPlayerActionFor(row, key)) {
    case MissingPlayerAction::StartCdPlayer: {
        char command_line[kCdPlayerCommandSize];
        CdPlayerCommandLine(PlayerTable()[row], command_line, sizeof command_line);
        WinExec(command_line, SW_SHOW);
        play_toggle = 1;
        break;
    }
    case MissingPlayerAction::StartWindowsMediaPlayer:
        ShellExecuteA(nullptr, "open", "WMPlayer.exe", "/play", nullptr, SW_SHOWNORMAL);
        break;
    case MissingPlayerAction::None:
        break;
    }
}
