// Reading and writing the keyboard settings' groups of keys (settings_table.h) through the
// registry. The one place that says how a stored value becomes its field, for the agent and the
// keyboard pages alike.
#pragma once

#include "keysettings/logic/keyboard_settings.h"
#include "keysettings/logic/settings_table.h"
#include "registry/logic/registry.h"

namespace keysettings {

// Reads every value of the group's keys into `settings`, whatever type is stored. A key that
// doesn't open, or a value that is missing or larger than its field, leaves its fields as they
// were. A number of fewer than 4 bytes replaces the field's low bytes only; a text always ends
// up terminated inside its field.
void ReadSettings(reg::Registry& registry, SettingsGroup group, KeyboardSettings& settings);

// Creates "Software\Orvanta\ZI Dodoveda" first (and closes it) unless the group is that key,
// then each key of the group with all of its values, changed or not. A key that can't be
// created is skipped with its values.
void WriteSettings(reg::Registry& registry, SettingsGroup group, const KeyboardSettings& settings);

}  // namespace keysettings
