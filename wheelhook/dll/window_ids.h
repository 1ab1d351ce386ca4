// Between the platform's window handles and the portable code's window ids.
#pragma once

#include <windows.h>

#include "wheelhook/logic/window_id.h"

inline WindowId IdOf(HWND window) { return reinterpret_cast<WindowId>(window); }
inline HWND WindowOf(WindowId id) { return reinterpret_cast<HWND>(id); }
