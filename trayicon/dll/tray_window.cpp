#include "trayicon/dll/tray_window.h"

#include <type_traits>

#include "common/private_messages.h"
#include "common/window_classes.h"
#include "programstart/win32/start_program.h"
#include "trayicon/dll/icon_set.h"
#include "trayicon/dll/notify_icons.h"
#include "trayicon/dll/tray_menu.h"
#include "trayicon/dll/tray_module.h"
#include "trayicon/logic/tray_model.h"

namespace tray {
namespace {

// The tray window's state. There is one tray window per process, and its procedure runs only
// on the thread that created it, so a single record needs no lock.
struct TrayWindowState {
    TrayState model;
    IconSet icons;
};

TrayWindowState g_state;
// Nothing of it may be torn down at process exit: the window's destruction releases what it holds.
static_assert(std::is_trivially_destructible<TrayWindowState>::value, "no destructor runs at process exit");

void Show(HWND window, const IconChange& change) {
    if (!change.needed) return;
    ModifyNotifyIcon(window, change.id, g_state.icons.Get(change.icon_resource), change.tooltip);
}

void UpdateBatteryIcon(HWND window, bool active) {
    Show(window, BatteryIcon(g_state.model, active));
}

void UpdateLockIcon(HWND window, WPARAM lock_state) {
    Show(window, OnLockKeys(g_state.model, lock_state));
}

void ShowRadioForm(HWND window, RadioForm form) {
    if (form != RadioForm::Unchanged) UpdateBatteryIcon(window, form == RadioForm::Active);
}

LRESULT OnCreate(HWND window, const CREATESTRUCTA& create) {
    g_state.icons.Load(create.hInstance);
    for (const InitialIcon& icon : kInitialIcons) {
        AddNotifyIcon(window, icon.id, g_state.icons.Get(icon.icon_resource), icon.tooltip,
                      icon.has_callback ? WM_TRAY_NOTIFY : 0);
    }
    StartWindow(g_state.model);
    SetTimer(window, kBlinkTimerId, kBlinkTimerPeriodMs, nullptr);
    return 0;
}

void OnDestroy(HWND window) {
    KillTimer(window, kBlinkTimerId);
    g_state.icons.Release();
    for (unsigned id : kIconsToDelete) DeleteNotifyIcon(window, id);
    if (Module().window == window) Module().window = nullptr;
    // The agent runs this window on its main thread: closing the tray ends its message loop.
    PostQuitMessage(0);
}

void OnIconMouse(HWND window, LPARAM mouse_message) {
    switch (tray::OnIconMouse(static_cast<unsigned>(mouse_message))) {
    case ClickAction::OpenApplet:
        StartProgram(kAppletCommandLine, SW_SHOWDEFAULT);
        break;
    case ClickAction::ShowMenu:
        ShowTrayMenu(window);
        break;
    case ClickAction::None:
        break;
    }
}

void OnCommand(HWND window, unsigned command) {
    if (command == kCommandClose) {
        DestroyWindow(window);
        return;
    }
    // A launch that fails leaves everything as it was; nobody is told.
    if (const char* command_line = CommandLineOf(command)) StartProgram(command_line, SW_SHOWDEFAULT);
}

}  // namespace

LRESULT CALLBACK TrayWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_TIMER:
        ShowRadioForm(window, OnTimerTick(g_state.model));
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_TRAY_NOTIFY:
        OnIconMouse(window, lParam);
        return 0;
    case WM_TRAY_ACTIVITY:
        ShowRadioForm(window, OnActivity(g_state.model));
        return 0;
    case WM_TRAY_BATTERY:
        ShowRadioForm(window, OnBattery(g_state.model, wParam));
        return 0;
    case WM_TRAY_RESERVED:
        return 0;
    case WM_TRAY_LOCKKEYS:
        UpdateLockIcon(window, wParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND CreateTrayWindow(HINSTANCE instance) {
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, KB_CLASS_STATUS_TRAY, KB_CLASS_STATUS_TRAY,
                           WS_POPUP | WS_BORDER, 0, 0, 200, 32, nullptr, nullptr, instance, nullptr);
}

}  // namespace tray
