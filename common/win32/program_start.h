// Starting a program from a command line, as WinExec does, but without WinExec's wait for the
// started program to settle down to its message loop. The programs that start other programs
// do it on a thread that also serves their windows and hooks (the agent's user-interface thread
// serves the wheel hook and the tray), which must not stall while another program loads.
#pragma once

#include <windows.h>

// The command line is searched for the program as WinExec searches it; `show` is a SW_ value
// for the program's first window. Returns as soon as the process exists; false when it could
// not be created.
bool StartProgramWithoutWaiting(const char* command_line, int show);
