// The media keys: a command posted to the chosen player's window, or the player started when
// it is not running.
#pragma once

#include <cstdint>

#include "agent/logic/action_players.h"

// What the popup says after the key: that it was done, or that the chosen player's program is
// nowhere to be found.
enum class MediaKeyOutcome { Done, PlayerNotFound };

// `select` is "Select" as held in the settings; a value naming no row does nothing.
MediaKeyOutcome PerformMediaKey(uint32_t select, MediaKey key);
