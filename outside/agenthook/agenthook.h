// The hook library's one call, as the agent makes it: at start with (1, main window, popup
// window), after its message loop with (0, 0, 0). The agent ignores the result.
#pragma once

#include <windows.h>

extern "C" BOOL WINAPI SetAgentWindows(DWORD enable, DWORD main_window, DWORD popup_window);
