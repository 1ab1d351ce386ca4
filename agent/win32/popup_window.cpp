#include "agent/win32/popup_window.h"

#include "agent/logic/agent_ids.h"
#include "agent/logic/popup_display_time.h"
#include "agent/logic/popup_layout.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/popup_paint.h"
#include "agent/win32/print_screen_notice.h"
#include "agent/win32/settings_store.h"
#include "agent/win32/window_classes.h"
#include "common/window_classes.h"

namespace {

// The popup's messages: everything below WM_USER.
constexpr UINT kLastPopupMessage = 0x3FF;

struct PopupState {
    OsdGroup group = OsdGroup::Web;
    int index = 0;
    uint32_t level = 0;
    PopupTimer timer;
    PopupPictures pictures{};
};

PopupState g_popup;

void OnCreate(HWND window) {
    g_popup.pictures = LoadPopupPictures(Agent().instance);
    SetTimer(window, KB_TIMER_POPUP, kPopupTickMs, nullptr);
    g_popup.timer.Restart();
}

// The popup hides itself at the first tick after the display time the settings name.
void OnTick(HWND window) {
    if (g_popup.timer.Tick(IsWindowVisible(window) != FALSE, PopupTickLimit(Agent().settings.Delay))) {
        ShowWindow(window, SW_HIDE);
    }
}

void OnSettingsChanged() {
    KeyboardSettings& settings = Agent().settings;
    ReloadSettings(settings);
    SendKeyDisableFlags(settings);
}

void OnPaint(HWND window) {
    PaintPopup(window, g_popup.pictures, {g_popup.group, g_popup.index, g_popup.level}, Agent().settings);
}

void OnCommand(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == KB_IDM_PRTSCR_NOTICE && Agent().settings.PrtScr) {
        RunPrintScreenNotice(Agent().instance, window);
    }
}

void OnDestroy(HWND window) {
    KillTimer(window, KB_TIMER_POPUP);
    DeletePopupPictures(g_popup.pictures);
    PostQuitMessage(0);
}

}  // namespace

HWND CreatePopupWindow(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, KB_CLASS_AGENT_POPUP, KB_CLASS_AGENT_POPUP,
                           WS_POPUP | WS_BORDER, 0, 0, kPopupWidth, kPopupHeight, nullptr, nullptr, instance, nullptr);
}

void ShowPopup(OsdGroup group, int index) {
    HWND popup = Agent().popup_window;
    g_popup.group = group;
    g_popup.index = index;
    const PopupPoint place = PopupPlace(GetSystemMetrics(SM_CYMAXIMIZED));
    SetWindowPos(popup, HWND_TOPMOST, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(popup, nullptr, TRUE);
    g_popup.timer.Restart();
}

void SwitchPopupToOfficeMissing() {
    g_popup.group = OsdGroup::OfficeMissing;
    InvalidateRect(Agent().popup_window, nullptr, TRUE);
    g_popup.timer.Restart();
}

void SetPopupLevel(uint32_t level) { g_popup.level = level; }

void PumpPopupMessages() {
    HWND popup = Agent().popup_window;
    MSG message;
    while (PeekMessageA(&message, popup, 0, kLastPopupMessage, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

LRESULT CALLBACK PopupWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_COMMAND:
        OnCommand(window, wParam);
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
