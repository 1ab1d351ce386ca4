// The four media players' rows: filled by the media-select window's search, read by the media
// keys (the CD Player's path) and by choosing a player. User-interface thread only.
#pragma once

#include "agent/logic/action_players.h"

PlayerEntry (&PlayerTable())[kPlayerCount];
