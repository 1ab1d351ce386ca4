#include "agent/win32/installation.h"

#include "agent/logic/agent_ids.h"
#include "agent/win32/agent_log.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/filter_install.h"
#include "agent/win32/filter_install_prompt.h"

namespace {

// The installation's lines go to the main window's log; "/install" and "/uninstall" run
// without one, so there each line also goes to the debugger, where it is not lost.
class AgentFilterLog : public FilterLog {
public:
    void Write(const char* text) override {
        WriteAgentLog("%s", text);
        OutputDebugStringA(text);
        OutputDebugStringA("\n");
    }
};

AgentFilterLog g_log;

}  // namespace

// A setup runs "/install" and has only the exit code to tell whether it did its work. No receiver
// plugged in yet is no failure: the agent adds the filters when it comes.
int RunInstallCommand() {
    bool complete = false;
    InstallFilters(false, g_log, &complete);
    return complete ? 0 : ERROR_INSTALL_FAILURE;
}

int RunUninstallCommand() {
    UninstallFilters();
    return 0;
}

void RunFilterCheck() { CheckFilters(g_log); }

FilterLog& AgentInstallLog() { return g_log; }

void OnRestartPromptTimer() {
    RunRestartPrompt(Agent().main_window, KB_TIMER_REBOOT_PROMPT, ExitWindowsEx);
}
