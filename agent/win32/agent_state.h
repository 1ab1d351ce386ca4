// The agent's process-wide state: one instance, owned by the user-interface thread, except the
// `ReaderContext`, which the readers share once it is filled.
#pragma once

#include <windows.h>

#include <cstdint>

#include "agent/logic/version_flags.h"
#include "keysettings/logic/keyboard_settings.h"

constexpr int kReaderCount = 3;
constexpr int kWheelWindowCount = 10;

struct ReaderContext {
    HWND main_window;
    HWND tray_window;
    HANDLE keyboard_filter_handle;  // "\\.\UOVKBFTR", opened once at start; invalid if that failed
    HANDLE lower_filter_handle;     // reader 2 stores each handle it opens
    HANDLE hot_key_filter_handle;   // reader 3 stores each handle it opens
    volatile LONG keep_running;     // cleared at shut-down, with stop_event set
    // Ends every wait of a reader (a pending read, a retry pause) at shut-down, so the readers
    // end by themselves and nothing has to kill them.
    HANDLE stop_event;
};

struct AgentState {
    HINSTANCE instance;
    HWND main_window;
    HWND log_box;
    HWND popup_window;
    HWND select_window;
    HWND tray_window;
    HMODULE wheel_library;
    VersionFlags version;
    HDEVNOTIFY notification;
    HANDLE reader_threads[kReaderCount];
    DWORD reader_ids[kReaderCount];
    ReaderContext readers;
    KeyboardSettings settings;
    uint32_t usb_lock;
    HWND wheel_windows[kWheelWindowCount];
};

// The one instance.
AgentState& Agent();
