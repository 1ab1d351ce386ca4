#include "programstart/win32/start_program.h"

#include <windows.h>

bool StartProgram(const char* command_line, int show) {
    // CreateProcessA may write into the command line it is given.
    const int length = lstrlenA(command_line);
    char* line = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 1));
    if (line == nullptr) return false;
    lstrcpynA(line, command_line, length + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                        &process) != FALSE;
    HeapFree(GetProcessHeap(), 0, line);
    if (!started) return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
