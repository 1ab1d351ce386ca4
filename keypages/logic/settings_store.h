// Reading and writing the keyboard pages' registry keys under "Software\Orvanta\ZI Dodoveda".
// Each page reads and writes only its own keys: the hot-key page Search, Mail, My Computer and
// Calculator; the display page Display; the options page Option.
#pragma once

#include "common/keyboard_settings.h"
#include "sheetext/logic/registry.h"

namespace keypages {

enum class SettingsGroup { HotKeys, Display, Options };

// Reads every value of the group's keys into `settings`. A key that doesn't open, or a value
// that is missing or longer than its field, leaves its fields as they were.
void ReadSettings(sheetext::Registry& registry, SettingsGroup group, KeyboardSettings& settings);

// Creates "Software\Orvanta\ZI Dodoveda", then each key of the group with all of its values,
// changed or not. A key that can't be created is skipped with its values.
void WriteSettings(sheetext::Registry& registry, SettingsGroup group, const KeyboardSettings& settings);

}  // namespace keypages
