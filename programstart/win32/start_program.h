// Starts a program and goes on at once. WinExec, the old way, waits until the new program is
// ready for input (up to half a minute for one that never is); on the agent's user-interface
// thread that wait would stall the pointer for the whole desktop, since the low-level mouse
// hook runs there.
#pragma once

// `command_line` as CreateProcess reads it: the program (quoted when its path has spaces) and
// its arguments; `show` the window's first show command (SW_SHOWNORMAL and the like). False
// when the program could not be started.
bool StartProgram(const char* command_line, int show);
