#include "agent/win32/main_window.h"

#include <dbt.h>
// mingw-w64's HID header declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include "agent/logic/agent_ids.h"
#include "agent/win32/action_volume.h"
#include "agent/win32/agent_log.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/device_change.h"
#include "agent/win32/dispatcher.h"
#include "agent/win32/installation.h"
#include "agent/win32/popup_window.h"
#include "agent/win32/readers.h"
#include "agent/win32/settings_store.h"
#include "agent/win32/window_classes.h"
#include "common/control_interface.h"
#include "common/private_messages.h"
#include "common/window_classes.h"
#include "trayicon/trayicon.h"

namespace {

HDEVNOTIFY RegisterHidNotifications(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HidD_GetHidGuid(&filter.dbcc_classguid);
    return RegisterDeviceNotificationA(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

WPARAM LockKeyState() {
    WPARAM state = 0;
    if (GetKeyState(VK_SCROLL) & 1) state |= KB_LOCK_KEY_SCROLL;
    if (GetKeyState(VK_CAPITAL) & 1) state |= KB_LOCK_KEY_CAPS;
    if (GetKeyState(VK_NUMLOCK) & 1) state |= KB_LOCK_KEY_NUM;
    return state;
}

LRESULT OnCreate(HWND window) {
    AgentState& agent = Agent();
    agent.main_window = window;
    agent.log_box = CreateAgentLog(window, agent.instance);
    agent.notification = RegisterHidNotifications(window);
    WriteAgentLog("Register Device Notification handle = %x",
                  static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(agent.notification)));
    RunFilterCheck();
    agent.popup_window = CreatePopupWindow(agent.instance);
    agent.readers.keyboard_filter_handle = OpenReaderDevice(KB_KEYBOARD_FILTER_USER_PATH);
    LoadSettingsAtStart(agent.settings);
    SendKeyDisableFlags(agent.settings);
    agent.usb_lock = ApplyUsbLock();
    agent.readers.main_window = window;
    agent.readers.tray_window = agent.tray_window;
    StartReaders(agent);
    PostMessageA(agent.tray_window, WM_TRAY_LOCKKEYS, LockKeyState(), 0);
    return 0;
}

// Also run when another agent started with "/u" posts WM_DESTROY: the window itself stays until
// the process ends.
void OnDestroy() {
    AgentState& agent = Agent();
    if (agent.notification != nullptr) UnregisterDeviceNotification(agent.notification);
    agent.notification = nullptr;
    StopReaders(agent);
    if (agent.readers.keyboard_filter_handle != INVALID_HANDLE_VALUE) CloseHandle(agent.readers.keyboard_filter_handle);
    agent.readers.keyboard_filter_handle = INVALID_HANDLE_VALUE;
    Exit_StatusTray();
    PostQuitMessage(0);
}

void OnCommand(HWND window, WORD command) {
    switch (command) {
    case KB_IDM_EXIT:
        DestroyWindow(window);
        break;
    case KB_IDM_REBOOT:
        ExitWindowsEx(EWX_REBOOT | EWX_FORCE, 0);
        break;
    default:
        break;
    }
}

// A filter that appeared after the start gets what the start sent the filters there were.
void OnFilterOpened() {
    SendKeyDisableFlags(Agent().settings);
    SendUsbLockAgain();
}

// Any process may post this: only a reader's number names a device.
void OnReadRefused(WPARAM reader, LPARAM error) {
    if (const char* path = ReaderDevicePath(reader)) {
        WriteAgentLog("Read of %s refused (error %lu), trying again every second", path,
                      static_cast<unsigned long>(error));
    }
}

void OnTimer(WPARAM timer) {
    if (timer == KB_TIMER_REBOOT_PROMPT) OnRestartPromptTimer();
    if (timer == KB_TIMER_VOLUME_REPEAT) DispatchHotKey(RepeatedVolumeKey(), false);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExA(0, KB_CLASS_AGENT_MAIN, KB_CLASS_AGENT_MAIN, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_SIZE:
        MoveWindow(Agent().log_box, 0, 0, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), TRUE);
        return 0;
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_DEVICECHANGE:
        return OnDeviceChange(wParam, lParam);
    case WM_AGENT_KEYCODE:
        WriteAgentLog("Key Code = %u", static_cast<unsigned>(wParam));
        DispatchHotKey(wParam, true);
        return 0;
    case WM_AGENT_HOTKEY:
        WriteAgentLog("Hot Key Event = %u", static_cast<unsigned>(wParam));
        DispatchHotKey(wParam, false);
        return 0;
    case WM_AGENT_FILTER_OPENED:
        OnFilterOpened();
        return 0;
    case WM_AGENT_READ_REFUSED:
        OnReadRefused(wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
