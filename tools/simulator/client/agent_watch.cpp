#include "tools/simulator/client/agent_watch.h"

namespace sim {

AgentWatch::AgentWatch() {
    if (!agent_.Start()) return;
    const HWND main_window = agent_.WaitForMainWindow();
    // The popup and the tray exist once the agent waits in its message loop.
    if (main_window != nullptr && agent_.WaitUntilIdle()) main_window_ = main_window;
}

bool AgentWatch::Stop() {
    main_window_ = nullptr;
    if (agenttest::StopWithU(agent_)) return true;
    // Never leave an agent behind for whatever runs next.
    if (WaitForSingleObject(agent_.process(), 0) == WAIT_TIMEOUT) TerminateProcess(agent_.process(), 1);
    return false;
}

}  // namespace sim
