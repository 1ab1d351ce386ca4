// The library's per-process record: its instance, once its window class is registered, and
// the tray window while it exists.
#pragma once

#include <windows.h>

namespace tray {

struct TrayModule {
    HINSTANCE instance = nullptr;  // null when the class could not be registered
    HWND window = nullptr;
};

TrayModule& Module();

}  // namespace tray
