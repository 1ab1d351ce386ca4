// The keyboard settings as the registry keeps them: every key under "Software\Orvanta\ZI
// Dodoveda", each value's name, how it is stored and how large it is, and the field of
// KeyboardSettings it fills. The agent and the keyboard pages read and write them through this
// one table (settings_store.h), in the groups they read and write together.
#pragma once

#include <cstdint>

#include "keysettings/logic/keyboard_settings.h"
#include "keysettings/logic/text_field.h"

namespace keysettings {

// How a value is stored, and so how much of it is read: 4 bytes for a number, kTextSize for a
// text.
enum class ValueForm {
    Number,     // REG_DWORD
    Text,       // REG_SZ: the text and its terminating NUL
    WholeText,  // REG_SZ: the whole field, the text followed by NULs
};

constexpr uint32_t kTextSize = sizeof(TextField);

// One value: a number field or a text field, as its form says.
struct SettingsValue {
    const char* name;
    ValueForm form;
    uint32_t KeyboardSettings::*number;
    TextField KeyboardSettings::*text;
};

struct SettingsKey {
    const char* path;  // below HKEY_LOCAL_MACHINE
    const SettingsValue* values;
    int count;
};

// The keys read and written together.
enum class SettingsGroup {
    Player,   // the key itself: "Select", read by the agent at its start, written by its media-select window
    HotKeys,  // "Search", "Mail", "My Computer" and "Calculator": the "Hot Keys" page
    Display,  // "Display": the "On-Screen Display" page
    Options,  // "Option": the "Options" page, and the agent's Print Screen notice
};

struct SettingsKeys {
    const SettingsKey* keys;
    int count;
};

SettingsKeys KeysOf(SettingsGroup group);

}  // namespace keysettings
