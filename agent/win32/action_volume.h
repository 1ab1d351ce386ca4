// The three volume keys: mute, one step down, one step up, with the 250 ms repeat of a held
// step key and the popup's volume bar or "Mute".
#pragma once

#include "common/hotkey_codes.h"

// `code` is HK_MUTE, HK_VOLUME_DOWN or HK_VOLUME_UP. The keyboard filter's reader sends no
// release event, so its presses never start the repeat.
void PerformVolumeKey(HotKeyCode code, bool from_keyboard_reader);
