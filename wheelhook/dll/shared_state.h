// The state of the wheel hook. `g_shared` lives in the section that every process mapping the
// library shares; the rest of this header is per process.
#pragma once

#include <windows.h>

#include "wheelhook/logic/wheel_function_table.h"
#include "wheelhook/logic/wheel_functions.h"
#include "wheelhook/logic/wheel_settings.h"

constexpr int kCdPlayerClassSize = 20;

// Only the agent's thread writes this record (install, settings load, the low-level hook);
// the other hooks run in every process and only read it. Every field that changes is a 32-bit
// value or a handle (pointer-sized), aligned and read and written whole, so no lock is needed.
struct WheelSharedState {
    HHOOK LowLevelHook;
    HHOOK MouseHook;
    HHOOK MessageHook;
    UINT WheelMessage;
    char CdPlayerClass[kCdPlayerClassSize];
    UINT CdPlaying;
    HWND AgentWindow;
    HWND ZoomWindow;
    WheelSettings Settings;
    UINT ZoomOpen;
    HWND DesktopIconView;
    HWND SavedForeground;
    LONG SnapshotWidth;
    LONG SnapshotHeight;
    HDC SnapshotDc;  // a handle of the agent's process, used only there
    RECT ZoomWindowRect;
    RECT SourceSquare;
    WheelFunctionTable Functions;
};

extern WheelSharedState g_shared;

// This process's copy of the library, or null when the zoom class could not be registered
// here, in which case no window or hook is created from this process.
extern HINSTANCE g_instance;

// The launch commands of this process; filled only where the settings are loaded.
extern LaunchCommands g_commands;
