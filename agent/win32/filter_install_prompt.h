// The restart prompt that follows a second receiver arrival which added a filter, and the
// device-change actions the main window hands to HandleDeviceChange.
#pragma once

#include <windows.h>

#include "agent/logic/filter_device_change.h"

constexpr const char* kRestartPromptCaption = "System message";
constexpr const char* kRestartPromptText =
    "Detect a new Skyrel device is installed\nSystem need re-boot to active device!";

using ExitWindowsFunction = BOOL(WINAPI*)(UINT flags, DWORD reason);

// The prompt's timer ended, then the question; on OK the shut-down privilege is enabled and the
// system restarted through `exit_windows` (ExitWindowsEx in the agent).
void RunRestartPrompt(HWND main_window, UINT_PTR timer_id, ExitWindowsFunction exit_windows);

// The install over the present devices, and the prompt's timer on `main_window`.
class AgentDeviceChangeActions : public DeviceChangeActions {
public:
    AgentDeviceChangeActions(HWND main_window, UINT_PTR timer_id, FilterLog& log)
        : main_window_(main_window), timer_id_(timer_id), log_(log) {}

    FilterEditResult InstallOnPresentDevices() override;
    void StartRestartPromptTimer() override;

private:
    HWND main_window_;
    UINT_PTR timer_id_;
    FilterLog& log_;
};
