// The scroll-bar finders, callbacks for EnumChildWindows: `out` points to an HWND that
// receives the first matching scroll-bar control.
#pragma once

#include <windows.h>

BOOL CALLBACK FindVertScrollBar(HWND child, LPARAM out);
BOOL CALLBACK FindHorzScrollBar(HWND child, LPARAM out);
