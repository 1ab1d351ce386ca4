#include "tools/simulator/client/agent_watch.h"

#include "common/window_classes.h"
#include "tools/winsupport/build_files.h"

namespace sim {

namespace {

constexpr DWORD kStartLimitMs = 30000;

HANDLE StartAgent(const char* arguments) {
    const std::string program = winsupport::BuildFile("keyagent.exe");
    std::string command = "\"" + program + "\"" + arguments;
    // No standard handles for the agent: under Wine the helper processes it may start (the
    // notification area's explorer.exe) would inherit ours and outlive us, keeping our output
    // file open.
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return nullptr;
    }
    CloseHandle(info.hThread);
    return info.hProcess;
}

// The main window of the process once its creation is over (the popup exists by then).
HWND FindMainWindowOf(DWORD process_id) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, KB_CLASS_AGENT_MAIN, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_id && FindWindowA(KB_CLASS_AGENT_POPUP, nullptr) != nullptr) return window;
    }
    return nullptr;
}

}  // namespace

AgentWatch::AgentWatch() : process_(StartAgent("")) {
    if (process_ == nullptr) return;
    const DWORD id = GetProcessId(process_);
    const DWORD start = GetTickCount();
    while (main_window_ == nullptr && GetTickCount() - start < kStartLimitMs) {
        if (WaitForSingleObject(process_, 50) == WAIT_OBJECT_0) return;  // another agent ran already
        main_window_ = FindMainWindowOf(id);
    }
}

AgentWatch::~AgentWatch() {
    if (process_ == nullptr) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) Stop();
    CloseHandle(process_);
}

std::vector<std::string> ReadAgentLog(HWND main_window) {
    std::vector<std::string> lines;
    const HWND box = FindWindowExA(main_window, nullptr, "listbox", nullptr);
    if (box == nullptr) return lines;
    const LRESULT count = SendMessageW(box, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(box, LB_GETTEXTLEN, i, 0);
        if (length < 0) break;
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
        std::string line;
        for (LRESULT c = 0; c < length; ++c) line += static_cast<char>(wide[c]);
        lines.push_back(line);
    }
    return lines;
}

bool AgentWatch::Stop() {
    const HANDLE stopper = StartAgent(" /u");
    if (stopper == nullptr) return false;
    WaitForSingleObject(stopper, kStartLimitMs);
    CloseHandle(stopper);
    DWORD exit_code = 1;
    const bool ended = WaitForSingleObject(process_, kStartLimitMs) == WAIT_OBJECT_0;
    if (ended) {
        GetExitCodeProcess(process_, &exit_code);
    } else {
        // Never leave an agent behind for whatever runs next.
        TerminateProcess(process_, 1);
    }
    main_window_ = nullptr;
    return ended && exit_code == 0;
}

}  // namespace sim
