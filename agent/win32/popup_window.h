// The on-screen popup window: created hidden at start, it lives until the agent ends. It is
// also where the settings pages say they wrote the settings (WM_WININICHANGE).
#pragma once

#include <windows.h>

HWND CreatePopupWindow(HINSTANCE instance);
