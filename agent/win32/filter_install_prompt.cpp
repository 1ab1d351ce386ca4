#include "agent/win32/filter_install_prompt.h"

#include "agent/win32/filter_install.h"

namespace {

// Failures are ignored: where the privilege can't be had, ExitWindowsEx refuses by itself.
void EnableShutdownPrivilege() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

}  // namespace

void RunRestartPrompt(HWND main_window, UINT_PTR timer_id, ExitWindowsFunction exit_windows) {
    KillTimer(main_window, timer_id);
    if (MessageBoxA(nullptr, kRestartPromptText, kRestartPromptCaption, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
        return;
    }
    EnableShutdownPrivilege();
    exit_windows(EWX_REBOOT | EWX_FORCE, 0);
}

FilterEditResult AgentDeviceChangeActions::InstallOnPresentDevices() { return InstallFilters(true, log_); }

void AgentDeviceChangeActions::StartRestartPromptTimer() {
    SetTimer(main_window_, timer_id_, kRestartPromptDelayMs, nullptr);
}
