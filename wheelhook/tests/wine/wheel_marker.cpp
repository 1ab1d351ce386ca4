#include "wheelhook/tests/wine/wheel_marker.h"

namespace wheeltest {
namespace {

HHOOK g_hook = nullptr;
HWND g_target = nullptr;

LRESULT CALLBACK MarkAfterTheWheelHook(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(g_hook, code, wParam, lParam);
    if (code == HC_ACTION && wParam == WM_MOUSEWHEEL) PostMessageA(g_target, kWheelMarker, result != 0, 0);
    return result;
}

}  // namespace

bool WheelMarker::Install(HWND target) {
    Remove();
    g_target = target;
    g_hook = SetWindowsHookExA(WH_MOUSE_LL, MarkAfterTheWheelHook, GetModuleHandleA(nullptr), 0);
    return g_hook != nullptr;
}

void WheelMarker::Remove() {
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
}

}  // namespace wheeltest
