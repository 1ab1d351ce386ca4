// Where the media-select window looks for the players' programs: the Windows directory, the
// system directory, then every folder directly below the drive's "Program Files". Every path
// is built in the row's 80-character field; a path that does not fit is skipped, never cut.
#pragma once

#include <cstddef>
#include <cstdint>

#include "agent/logic/action_players.h"

// How long a media key looks for its player's program below "Program Files" before it gives up:
// the key waits on the thread that also serves the wheel hook and the tray.
constexpr uint32_t kKeyPlayerSearchLimitMs = 300;

// Whether a program file is there (the platform opens it for reading).
class PlayerFileProbe {
public:
    virtual ~PlayerFileProbe() = default;
    virtual bool Exists(const char* path) const = 0;
};

// `directory`, a backslash and `file` into `out`; false, with `out` empty, when the whole path
// and its terminator don't fit in `out_size`.
bool JoinPlayerPath(char* out, size_t out_size, const char* directory, const char* file);

// The drive root of `windows_directory` (its first three characters, as "C:\") and
// "Program Files\" followed by `entry`: the folder a Program Files entry names. False when it
// doesn't fit in `out_size` or the Windows directory is shorter than a drive root.
bool ProgramFilesFolder(char* out, size_t out_size, const char* windows_directory, const char* entry);

// Rows not yet found whose program file is in `directory` get its path and their found flag.
void ProbePlayerDirectory(PlayerEntry (&rows)[kPlayerCount], const char* directory, const PlayerFileProbe& probe);

// "." and ".." are no folders to look into.
bool IsSearchableFolderName(const char* name);

// The number of rows found, and the row the list's entry `selection` stands for (-1 if none).
int FoundPlayerCount(const PlayerEntry (&rows)[kPlayerCount]);
int PlayerRowForListEntry(const PlayerEntry (&rows)[kPlayerCount], int selection);
