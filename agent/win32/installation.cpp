#include "agent/win32/installation.h"

#include "agent/logic/agent_ids.h"
#include "agent/win32/agent_state.h"

// The filter installation is not part of this build yet: the commands exit at once, the check
// writes nothing, an arrival installs nothing and no prompt is scheduled.
int RunInstallCommand() { return 0; }

int RunUninstallCommand() { return 0; }

void RunFilterCheck() {}

void OnKeyboardInterfaceArrival() {}

void OnRestartPromptTimer() { KillTimer(Agent().main_window, KB_TIMER_REBOOT_PROMPT); }
