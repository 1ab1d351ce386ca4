// The one entry every hot-key code goes through on the user-interface thread: from the keyboard
// filter's reader (WM_AGENT_KEYCODE), from the hot-key filter's reader (WM_AGENT_HOTKEY), and
// from the volume repeat timer.
#pragma once

#include <windows.h>

// Stops a running volume repeat, tells the tray about the activity (unless the code came from
// the keyboard filter's reader), and performs the code's action once the code is known to be a
// hot key. `code` is whatever the message carried, from any process.
void DispatchHotKey(WPARAM code, bool from_keyboard_reader);
