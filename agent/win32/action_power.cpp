#include "agent/win32/action_power.h"

#include <windows.h>

#include "agent/logic/action_programs.h"

void PerformPowerKey() {
    HWND taskbar = FindWindowA(kTaskbarClass, nullptr);
    if (!taskbar) return;
    for (uintptr_t command : kShutDownCommands) PostMessageA(taskbar, WM_COMMAND, command, 0);
}
