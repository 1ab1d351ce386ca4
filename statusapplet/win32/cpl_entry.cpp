// The library's entry points: DllMain keeps the instance (for the resources and the dialog),
// and CPlApplet, the one export, hands every Control Panel message to the application object.
#include <windows.h>

#include "statusapplet/win32/app.h"

namespace {

HINSTANCE g_instance = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" LONG APIENTRY CPlApplet(HWND panel, UINT message, LPARAM lParam1, LPARAM lParam2) {
    return applet::TheApp().Answer(g_instance, panel, message, lParam1, lParam2);
}
