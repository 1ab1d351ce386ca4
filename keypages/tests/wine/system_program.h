// Runs one of Wine's own programs (regsvr32, rundll32) as a user would from the command line.
#pragma once

#include <windows.h>

#include <string>

namespace kp_test {

constexpr DWORD kNotRun = 0xFFFFFFFF;

// The program's exit code once it has ended, or kNotRun when it could not be started or did
// not end within a minute.
DWORD RunSystemProgram(const std::string& commandLine);

}  // namespace kp_test
