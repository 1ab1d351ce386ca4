// The real keyagent.exe beside a session: started from the program's folder, its log list box
// read line by line, and stopped again with "keyagent.exe /u". No test framework.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/fixtures/agent_process.h"

namespace sim {

class AgentWatch {
public:
    // Starts keyagent.exe and waits until its start is over; not running when another agent
    // ran already or it did not get that far.
    AgentWatch();
    AgentWatch(const AgentWatch&) = delete;
    AgentWatch& operator=(const AgentWatch&) = delete;

    bool running() const { return main_window_ != nullptr; }
    std::vector<std::string> Log() const { return agenttest::ReadAgentLog(main_window_); }
    // "keyagent.exe /u", and the agent's end; true when it ended with 0. An agent that does not
    // end is ended by force.
    bool Stop();

private:
    agenttest::AgentProcess agent_;
    HWND main_window_ = nullptr;
};

}  // namespace sim
