// The two exports, bound by ordinal (see trayicon.def).
#include "trayicon/trayicon.h"

#include "trayicon/dll/tray_module.h"
#include "trayicon/dll/tray_window.h"

extern "C" HWND WINAPI Init_StatusTray(void) {
    tray::TrayModule& module = tray::Module();
    if (module.instance == nullptr) return nullptr;
    // One tray window per process: a second window would add its icons under the same ids.
    if (module.window == nullptr) module.window = tray::CreateTrayWindow(module.instance);
    return module.window;
}

extern "C" BOOL WINAPI Exit_StatusTray(void) {
    // The window forgets itself in WM_DESTROY, so a window already closed by its own command
    // is not destroyed twice, nor is a later window that happens to reuse its handle.
    HWND window = tray::Module().window;
    return window != nullptr ? DestroyWindow(window) : FALSE;
}
