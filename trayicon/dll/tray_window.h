// The hidden tray window: it owns the three notification icons and does all the work of the
// library in its window procedure.
#pragma once

#include <windows.h>

namespace tray {

LRESULT CALLBACK TrayWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the tray window (never shown) for the module's instance.
HWND CreateTrayWindow(HINSTANCE instance);

}  // namespace tray
