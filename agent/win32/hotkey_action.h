// Where the dispatcher hands a checked hot-key code over to its action.
#pragma once

#include "common/hotkey_codes.h"

// `code` is 1 to 23 (the dispatcher checked it).
void PerformHotKeyAction(HotKeyCode code, bool from_keyboard_reader);
