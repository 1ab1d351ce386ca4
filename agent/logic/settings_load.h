// When the agent loads `KeyboardSettings`: at its start every group of keys, "Select" first, and
// on every reload all but "Select". How each stored value becomes its field is the keyboard
// settings' own rule (keysettings/logic/settings_store.h).
#pragma once

#include "common/control_interface.h"
#include "keysettings/logic/keyboard_settings.h"
#include "registry/logic/registry.h"

// What the agent loads at start (player, programs, display, options) and on every reload
// (all but the player).
void LoadStartSettings(reg::Registry& registry, KeyboardSettings& settings);
void ReloadSettings(reg::Registry& registry, KeyboardSettings& settings);

// The 16-byte block of key-disable flags, in the order the keyboard filter takes them.
DISABLE_KEYS_INPUT KeyDisableBlock(const KeyboardSettings& settings);
