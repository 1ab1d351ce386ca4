// The agent's hidden main window, class "OVRFSKYRLZRK": its creation runs the start of the
// agent's work (log, notifications, popup, settings, lock, readers), its WM_DESTROY the
// shut-down.
#pragma once

#include <windows.h>

HWND CreateMainWindow(HINSTANCE instance);
