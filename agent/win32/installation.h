// The agent's part in installing the filters: the "/install" and "/uninstall" commands, the
// filter check of the main window's creation, the arrival of the receiver and the restart prompt.
#pragma once

#include <windows.h>

// Exit codes of the two commands.
int RunInstallCommand();
int RunUninstallCommand();

// Creation step: the filters written into the receiver's device lists, and the outcome logged.
void RunFilterCheck();

// The receiver's keyboard interface arrived (it has been logged): on XP the filters go into the
// present devices' lists, and a second such arrival that adds one schedules the restart prompt.
void OnKeyboardInterfaceArrival();

// TIMER_REBOOT_PROMPT.
void OnRestartPromptTimer();
