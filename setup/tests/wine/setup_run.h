// What the setup's Wine tests share: where the setup puts things, the setup and its uninstaller
// run as a user or a deployment tool runs them, the agent they start and stop, the files
// Windows will remove or replace at the next restart, and the machine's state around them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "setup/tests/wine/machine_state.h"

namespace setup_test {

// ERROR_SUCCESS_REBOOT_REQUIRED: a silent run's answer when Windows must restart.
constexpr DWORD kRestartNeeded = 3010;
// ERROR_INSTALL_FAILURE: "keyagent.exe /install" did not install the filters.
constexpr DWORD kInstallFailed = 1603;

std::string Quoted(const std::string& path);

std::string InstallFolder();  // "<Program Files>\Orvanta Skyrel"
std::string SystemFolder();
std::string DriversFolder();  // "<Windows>\system32\drivers", where the services expect them
std::string DistFile(const char* name);  // a file of the deliverables the setup was built from

// The setup, or the uninstaller run in place ("_?=" makes it stay in its folder and end only
// when done), with these arguments; their exit code once ended, fixtures::kNotRun otherwise.
DWORD RunSetup(const std::string& arguments);
DWORD RunUninstaller(const std::string& arguments);
// The same, started without waiting, for the interactive pages.
HANDLE StartSetup();
HANDLE StartUninstaller();

// The agent's main window once it is there (null when none came within the limit), and
// whether one is there now.
HWND WaitForAgent();
bool AgentRunning();

// The files Windows removes, moves or replaces at the next restart, by their paths without the
// "\??\" prefix.
std::vector<std::string> FilesPendingRestart();
// Whether `change` (a line of MachineState::ChangesTo) is a file or folder waiting there.
bool PendingRestart(const std::string& change, const std::vector<std::string>& pending);

// HKLM\Software, the services, HKCR, Program Files and the system folder.
MachineState TakeMachineState();

// The prefix's Windows version for the programs started from now on ("win98"; null: the
// prefix's own).
void SetWindowsVersion(const char* version);

}  // namespace setup_test
