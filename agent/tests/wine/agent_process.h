// The real keyagent.exe started from a test: by its command line, in a folder of the test's
// choice, watched through its windows, its log list box and its exit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace agenttest {

class AgentProcess {
public:
    AgentProcess() = default;
    ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    // Starts "keyagent.exe" + separator + tail, as CreateProcessA builds it: separator is the
    // text between the quoted program name and the tail.
    bool Start(const std::string& tail = "", const std::string& current_dir = "", const char* separator = " ");
    // Waits for the main window of this process; null when none came within the limit.
    HWND WaitForMainWindow();
    // Waits until the agent's start is over and it waits in its message loop (its hooks are
    // installed by then).
    bool WaitUntilIdle();
    // True when the process ended within `limit_ms`; its exit code in `exit_code`.
    bool WaitForExit(DWORD limit_ms, DWORD* exit_code);
    HANDLE process() const { return process_; }
    DWORD id() const { return id_; }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Runs keyagent.exe with `tail` to its end; false when it did not end within the limit.
bool RunToEnd(const std::string& tail, DWORD* exit_code, const char* separator = " ");

// Stops the running agent as a user would: "keyagent.exe /u". True when `agent` then ended with
// 0 within the limit.
bool StopWithU(AgentProcess& agent);

// The agent's windows of a class, in any process.
int CountWindows(const char* window_class);

}  // namespace agenttest
