// Installing and removing the three system-wide hooks, and the pass-through mouse hook.
#include "wheelhook/dll/hooks.h"

#include "wheelhook/dll/shared_state.h"
#include "wheelhook/logic/zoom_geometry.h"
#include "wheelhook/wheelhook.h"

namespace {

void Unhook(HHOOK& hook) {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
}

void RemoveHooks() {
    Unhook(g_shared.MessageHook);
    Unhook(g_shared.LowLevelHook);
    Unhook(g_shared.MouseHook);
}

// A zoom window made by an earlier install on this thread is still good; one of another
// thread is left to it.
HWND ZoomWindowForThisThread() {
    HWND zoom = g_shared.ZoomWindow;
    if (zoom && IsWindow(zoom) && GetWindowThreadProcessId(zoom, nullptr) == GetCurrentThreadId())
        return zoom;
    return CreateZoomWindow(g_instance, ZoomWindowSide(g_shared.Settings));
}

// The desktop's icon view: the first child of the first child of the program manager. A
// missing step leaves none, rather than whatever window stands first on the desktop.
HWND FindDesktopIconView() {
    HWND program_manager = FindWindowA("ProgMan", nullptr);
    HWND shell_view = program_manager ? GetTopWindow(program_manager) : nullptr;
    return shell_view ? GetTopWindow(shell_view) : nullptr;
}

int Install(HWND agent_window) {
    ReadFilterRegistry();
    // A second install replaces the first, so no hook is ever in the chain twice.
    RemoveHooks();
    g_shared.AgentWindow = agent_window;
    g_shared.DesktopIconView = FindDesktopIconView();
    if (!g_instance) return 0;  // the zoom class could not be registered in this process
    g_shared.ZoomWindow = ZoomWindowForThisThread();
    g_shared.LowLevelHook = SetWindowsHookExA(WH_MOUSE_LL, WheelLowLevelHook, g_instance, 0);
    g_shared.MouseHook = SetWindowsHookExA(WH_MOUSE, MouseFilterFunc, g_instance, 0);
    g_shared.MessageHook = SetWindowsHookExA(WH_GETMESSAGE, WheelMessageHook, g_instance, 0);
    return g_shared.LowLevelHook && g_shared.MouseHook && g_shared.MessageHook;
}

int Remove() {
    // The zoom window outlives the hooks (it ends with the agent's thread), but it must not
    // stay open on a picture that is about to be deleted.
    CloseZoom();
    RemoveHooks();
    return 1;
}

}  // namespace

int WINAPI InstallMouseFilter(int install, HWND* windows) {
    if (!install) return Remove();
    return Install(windows ? windows[0] : nullptr);
}

LRESULT CALLBACK MouseFilterFunc(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(g_shared.MouseHook, code, wParam, lParam);
}
