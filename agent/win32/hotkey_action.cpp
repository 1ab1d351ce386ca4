#include "agent/win32/hotkey_action.h"

// The hot keys' actions (browser, players, programs, volume, Office) are not part of this
// build yet: a checked code reaches this point and changes nothing.
void PerformHotKeyAction(HotKeyCode, bool) {}
