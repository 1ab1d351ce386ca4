// The agent's diagnostic log: lines in the hidden list box of its main window, each with the
// local time in front, the oldest dropped once the box is full.
#pragma once

#include <windows.h>

// Creates the list box, a child of `main_window` filling it on every WM_SIZE.
HWND CreateAgentLog(HWND main_window, HINSTANCE instance);

// printf-style; nothing happens while there is no list box.
void WriteAgentLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
