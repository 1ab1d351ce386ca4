#include "agent/win32/popup_window.h"

#include "agent/logic/agent_ids.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/settings_store.h"
#include "agent/win32/window_classes.h"
#include "common/window_classes.h"

namespace {

constexpr UINT kPopupTickMs = 100;
constexpr int kTicksPerDelayStep = 10;

int g_ticks;

void OnCreate(HWND window) {
    SetTimer(window, KB_TIMER_POPUP, kPopupTickMs, nullptr);
    g_ticks = 0;
}

// The popup hides itself at the first tick after `Delay` seconds.
void OnTick(HWND window) {
    if (!IsWindowVisible(window)) return;
    ++g_ticks;
    if (g_ticks > static_cast<int>(Agent().settings.Delay) * kTicksPerDelayStep) {
        ShowWindow(window, SW_HIDE);
        g_ticks = 0;
    }
}

void OnSettingsChanged() {
    KeyboardSettings& settings = Agent().settings;
    ReloadSettings(settings);
    SendKeyDisableFlags(settings);
}

void OnDestroy(HWND window) {
    KillTimer(window, KB_TIMER_POPUP);
    PostQuitMessage(0);
}

}  // namespace

HWND CreatePopupWindow(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, KB_CLASS_AGENT_POPUP, KB_CLASS_AGENT_POPUP,
                           WS_POPUP | WS_BORDER, 0, 0, 200, 32, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_TIMER:
        if (wParam == KB_TIMER_POPUP) OnTick(window);
        return 0;
    case WM_WININICHANGE:
        OnSettingsChanged();
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
