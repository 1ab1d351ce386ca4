// The agent's three window classes: the main window, the popup and the media-select window.
#pragma once

#include <windows.h>

// Registers them in that order; a failure unregisters the classes already registered. The
// caller does not look at the outcome: a missing class shows as a main window that can't be
// created.
bool RegisterAgentClasses(HINSTANCE instance);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SelectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
