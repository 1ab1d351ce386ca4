// Where the players' programs are: the Windows directory, the system directory, then every
// folder directly below the drive's "Program Files", in the order the file system lists them.
// Used by the media-select window as it opens, and by a media key whose player's path is not
// known yet.
#pragma once

#include <cstdint>

#include "agent/logic/action_players.h"

// Every folder below "Program Files" is looked into.
constexpr uint32_t kWholePlayerSearch = UINT32_MAX;

// Rows not yet found get their program's path and their found flag. The folders below "Program
// Files" are looked into until `limit_ms` have passed: the search runs on the thread that also
// serves the wheel hook and the tray.
void SearchPlayerPrograms(PlayerEntry (&rows)[kPlayerCount], uint32_t limit_ms);
