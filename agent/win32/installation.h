// The agent's part in installing the filters: the "/install" and "/uninstall" commands, the
// filter check of the main window's creation, the arrival of the receiver and the restart prompt.
#pragma once

#include <windows.h>

#include "agent/logic/filter_log.h"

// Exit codes of the two commands. "/install" ends with 0 when both services are registered
// and neither filter was left out, with ERROR_INSTALL_FAILURE (1603) otherwise.
int RunInstallCommand();
int RunUninstallCommand();

// Creation step: the filters written into the receiver's device lists, and the outcome logged.
void RunFilterCheck();

// The main window's log as the installation writes to it.
FilterLog& AgentInstallLog();

// TIMER_REBOOT_PROMPT.
void OnRestartPromptTimer();
