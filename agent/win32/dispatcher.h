// The one entry every hot-key code goes through on the user-interface thread: from the keyboard
// filter's reader (WM_AGENT_KEYCODE), from the hot-key filter's reader (WM_AGENT_HOTKEY), and
// from the volume repeat timer.
#pragma once

#include <windows.h>

struct DispatcherState {
    bool RepeatActive;  // the volume repeat timer runs
    int RepeatCode;     // the volume key it repeats
    int PlayToggle;     // the original player's Play/Pause alternation; set when the CD Player is started
};

DispatcherState& Dispatcher();

// Stops a running volume repeat, tells the tray about the activity (unless the code came from
// the keyboard filter's reader), and performs the code's action once the code is known to be a
// hot key. `code` is whatever the message carried, from any process.
void DispatchHotKey(WPARAM code, bool from_keyboard_reader);

// TIMER_VOLUME_REPEAT: the repeated volume key goes through the dispatcher again.
void OnVolumeRepeatTimer();
