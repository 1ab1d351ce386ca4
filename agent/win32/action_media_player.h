// The media keys: a command posted to the chosen player's window, or the player started when
// it is not running.
#pragma once

#include <cstdint>

#include "agent/logic/action_players.h"

// `select` is "Select" as held in the settings; a value naming no row does nothing.
void PerformMediaKey(uint32_t select, MediaKey key);
