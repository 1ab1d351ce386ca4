// One installation operation in a process of its own, as keyagent's command line runs it. The
// first line written is the platform the process sees; then each log line; the exit code is
// the operation's result.
//   agent_filter_install_peer LOG install|install-present|uninstall|check
//   agent_filter_install_peer LOG edit "COMMAND" [present]
//   agent_filter_install_peer LOG prompt     (ExitWindowsEx observed, not called)
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "agent/win32/filter_install.h"
#include "agent/win32/filter_install_prompt.h"

namespace {

constexpr UINT_PTR kPromptTimer = 118;

class FileLog : public FilterLog {
public:
    explicit FileLog(FILE* file) : file_(file) {}
    void Write(const char* text) override {
        std::fprintf(file_, "%s\n", text);
        std::fflush(file_);
    }

private:
    FILE* file_;
};

FILE* g_log_file;

bool ShutdownPrivilegeEnabled() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    PRIVILEGE_SET wanted = {};
    wanted.PrivilegeCount = 1;
    BOOL enabled = FALSE;
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privilege[0].Luid)) {
        PrivilegeCheck(token, &wanted, &enabled);
    }
    CloseHandle(token);
    return enabled != FALSE;
}

BOOL WINAPI ObservedExitWindows(UINT flags, DWORD reason) {
    std::fprintf(g_log_file, "ExitWindowsEx 0x%x %lu %s\n", flags, static_cast<unsigned long>(reason),
                 ShutdownPrivilegeEnabled() ? "privilege enabled" : "privilege disabled");
    return TRUE;
}

int Prompt(FileLog& log) {
    HWND window = CreateWindowExA(0, "STATIC", "filter prompt peer", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetTimer(window, kPromptTimer, 60000, nullptr);
    RunRestartPrompt(window, kPromptTimer, ObservedExitWindows);
    log.Write(KillTimer(window, kPromptTimer) ? "timer still running" : "timer ended");
    DestroyWindow(window);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 100;
    g_log_file = std::fopen(argv[1], "w");
    if (!g_log_file) return 101;
    FileLog log(g_log_file);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    std::fprintf(g_log_file, "platform %lu %lu.%lu\n", version.dwPlatformId, version.dwMajorVersion,
                 version.dwMinorVersion);
    const char* operation = argv[2];
    int code = 100;
    if (!std::strcmp(operation, "install")) {
        code = static_cast<int>(InstallFilters(false, log));
    } else if (!std::strcmp(operation, "install-present")) {
        code = static_cast<int>(InstallFilters(true, log));
    } else if (!std::strcmp(operation, "uninstall")) {
        UninstallFilters();
        code = 0;
    } else if (!std::strcmp(operation, "check")) {
        code = CheckFilters(log) ? 1 : 0;
    } else if (!std::strcmp(operation, "edit") && argc >= 4) {
        code = static_cast<int>(EditFilterList(argv[3], argc >= 5 && !std::strcmp(argv[4], "present")));
    } else if (!std::strcmp(operation, "prompt")) {
        code = Prompt(log);
    }
    std::fclose(g_log_file);
    return code;
}
