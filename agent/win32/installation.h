// The agent's part in installing the filters: the "/install" and "/uninstall" commands, the
// filter check of the main window's creation, device notifications and the restart prompt.
#pragma once

#include <windows.h>

// Exit codes of the two commands.
int RunInstallCommand();
int RunUninstallCommand();

// Creation step: the filters written into the receiver's device lists, and the outcome logged.
void RunFilterCheck();

// WM_DEVICECHANGE of the main window; always TRUE.
LRESULT OnDeviceChange(WPARAM event, LPARAM data);

// TIMER_REBOOT_PROMPT.
void OnRestartPromptTimer();
