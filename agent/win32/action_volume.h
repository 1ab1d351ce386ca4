// The volume keys: mute, one step down, one step up, the steps repeated while the key is held.
#pragma once

#include "common/hotkey_codes.h"

// `code` is 11 to 13. Shows the popup itself when the settings allow it.
void PerformVolumeKey(HotKeyCode code, bool from_keyboard_reader);

// Ends the repeat of a held volume key, when one runs: any hot-key event does.
void StopVolumeRepeat();
// The volume key the repeat timer (KB_TIMER_VOLUME_REPEAT) dispatches again.
HotKeyCode RepeatedVolumeKey();
