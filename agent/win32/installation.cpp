#include "agent/win32/installation.h"

#include "agent/logic/agent_ids.h"
#include "agent/win32/agent_state.h"

// The filter installation is not part of this build yet: the commands exit at once, the check
// writes nothing, device notifications change nothing and no prompt is scheduled.
int RunInstallCommand() { return 0; }

int RunUninstallCommand() { return 0; }

void RunFilterCheck() {}

LRESULT OnDeviceChange(WPARAM, LPARAM) { return TRUE; }

void OnRestartPromptTimer() { KillTimer(Agent().main_window, KB_TIMER_REBOOT_PROMPT); }
