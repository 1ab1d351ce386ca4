// The browser keys and the Search key's search bar: keystrokes typed into the browser window
// (or an Explorer window in front), with pauses so that the browser sees each key.
#pragma once

#include <windows.h>

#include "agent/logic/action_keystrokes.h"

// The foreground window if it is a browser or Explorer window, else the first browser window;
// null when there is none.
HWND FindBrowserWindow();

// Brings `browser` to the front (if it is not already), waits the sequence's lead pause, and
// types the sequence with its pauses.
void TypeIntoBrowser(HWND browser, const KeySequence& sequence);

// Browser key `index` 0 to 5. False when no browser window was there and none was started: the
// key then shows no popup.
bool PerformBrowserKey(int index);
