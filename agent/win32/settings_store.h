// The agent's side of the keyboard settings in the registry (HKEY_LOCAL_MACHINE): loading them
// into `KeyboardSettings`, the two values it writes back, and the receiver's lock at start.
#pragma once

#include <cstdint>

#include "keysettings/logic/keyboard_settings.h"

// Root, programs, display and options: at start.
void LoadSettingsAtStart(KeyboardSettings& settings);
// Programs, display and options, not "Select": whenever the settings pages say they wrote.
void ReloadSettings(KeyboardSettings& settings);

// The five "Option" values, parent key created first.
void SaveOptions(const KeyboardSettings& settings);
// "Select".
void SavePlayer(const KeyboardSettings& settings);

// The four key-disable flags to the companion filter; nothing when it is missing.
void SendKeyDisableFlags(const KeyboardSettings& settings);

// Reads "USB Lock" (0 when it can't be read), sends the lock byte to both filters, and only if
// the companion filter's device could be opened writes the value back as 0 or 1. Returns the
// value read.
uint32_t ApplyUsbLock();
// The same byte to both filters again, for one that appeared after the start; "USB Lock" stays
// as it is.
void SendUsbLockAgain();
