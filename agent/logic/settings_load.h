// How the agent fills `KeyboardSettings` from the registry. Each key is opened on its own; a key
// that can't be opened leaves its fields as they were, and so does a value that can't be read.
// Numbers are read with a 4-byte buffer and texts with a 128-byte one, whatever type is stored.
#pragma once

#include <cstdint>

#include "common/control_interface.h"
#include "common/keyboard_settings.h"

// The registry as the loader sees it: one key open at a time.
class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual bool OpenKey(const char* path) = 0;
    // Reads at most `size` bytes into `buffer`; false (and `buffer` untouched in its meaning)
    // when the value is missing or larger than `size`. `read` gets the bytes written.
    virtual bool ReadValue(const char* name, void* buffer, uint32_t size, uint32_t* read) = 0;
    virtual void CloseKey() = 0;
};

// "Select", read at start only.
void LoadRootSettings(SettingsSource& source, KeyboardSettings& settings);
// "Search", "Mail", "My Computer" and "Calculator".
void LoadProgramSettings(SettingsSource& source, KeyboardSettings& settings);
// "Display".
void LoadDisplaySettings(SettingsSource& source, KeyboardSettings& settings);
// "Option".
void LoadOptionSettings(SettingsSource& source, KeyboardSettings& settings);

// What the agent loads at start (root, programs, display, options) and on every reload
// (all but the root).
void LoadStartSettings(SettingsSource& source, KeyboardSettings& settings);
void ReloadSettings(SettingsSource& source, KeyboardSettings& settings);

// The 16-byte block of key-disable flags, in the order the keyboard filter takes them.
DISABLE_KEYS_INPUT KeyDisableBlock(const KeyboardSettings& settings);
