// Loading and unloading: every process that maps the library registers the zoom window class.
#include <windows.h>

#include "wheelhook/dll/hooks.h"
#include "wheelhook/dll/shared_state.h"
#include "wheelhook/wheelhook.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        if (RegisterZoomClass(instance)) g_instance = instance;
        break;
    case DLL_PROCESS_DETACH:
        UnregisterZoomClass(instance);
        break;
    default:
        break;
    }
    return TRUE;
}

int WINAPI WEP(void) { return 1; }
