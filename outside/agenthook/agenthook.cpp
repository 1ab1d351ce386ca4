// The least hook library the agent can start with: it keeps the windows it is given while the
// agent runs and forgets them when the agent says goodbye. Any other first value is refused.
#include "outside/agenthook/agenthook.h"

namespace {

HWND g_mainWindow;
HWND g_popupWindow;

}  // namespace

extern "C" BOOL WINAPI SetAgentWindows(DWORD enable, DWORD mainWindow, DWORD popupWindow) {
    if (enable > 1) return FALSE;
    // The values are window handles carried as 32-bit numbers, as handles are on every world.
    g_mainWindow = enable ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(mainWindow)) : nullptr;
    g_popupWindow = enable ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(popupWindow)) : nullptr;
    return TRUE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
