// The least hook library the agent can start with: it keeps the windows it is given while the
// agent runs and forgets them when the agent says goodbye. Any other first value is refused.
#include "outside/agenthook/agenthook.h"

namespace {

HWND g_main_window;
HWND g_popup_window;

}  // namespace

extern "C" BOOL WINAPI SetAgentWindows(DWORD enable, DWORD main_window, DWORD popup_window) {
    if (enable > 1) return FALSE;
    // The values are window handles carried as 32-bit numbers, as handles are on every world.
    g_main_window = enable ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(main_window)) : nullptr;
    g_popup_window = enable ? reinterpret_cast<HWND>(static_cast<ULONG_PTR>(popup_window)) : nullptr;
    return TRUE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
