#include "common/win32/program_start.h"

#include <cstring>

bool StartProgramWithoutWaiting(const char* command_line, int show) {
    // CreateProcessA may write into the command line it is given.
    const size_t size = std::strlen(command_line) + 1;
    char* writable = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, size));
    if (writable == nullptr) return false;
    std::memcpy(writable, command_line, size);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessA(nullptr, writable, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    HeapFree(GetProcessHeap(), 0, writable);
    if (!started) return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
