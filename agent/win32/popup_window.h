// The on-screen popup window: created hidden at start, it lives until the agent ends. It
// confirms each hot key with a picture and a caption, or the volume bar, and it is also where
// the settings pages say they wrote the settings (WM_WININICHANGE).
#pragma once

#include <windows.h>

#include <cstdint>

#include "agent/logic/popup_content.h"

HWND CreatePopupWindow(HINSTANCE instance);

// Shows `group`'s picture and caption `index` in the lower left corner, on top of every window
// but without taking the focus, and restarts the display time.
void ShowPopup(OsdGroup group, int index);

// An Office program that could not be started: the same picture, its "not found" caption, the
// display time restarted where the popup already stands.
void SwitchPopupToOfficeMissing();

// The master volume after the last volume step, drawn by the volume bar.
void SetPopupLevel(uint32_t level);

// Lets the popup paint while the dispatcher is still busy: the popup's own messages only.
void PumpPopupMessages();
