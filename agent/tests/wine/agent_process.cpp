#include "agent/tests/wine/agent_process.h"

#include "common/window_classes.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace agenttest {

namespace {

struct WindowSearch {
    DWORD process;
    const char* window_class;
    HWND found;
    int count;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, search.window_class) != 0) return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search.process == 0 || owner == search.process) {
        search.found = window;
        ++search.count;
    }
    return TRUE;
}

}  // namespace

AgentProcess::~AgentProcess() {
    if (process_ == nullptr) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        StopWithU(*this);
        if (WaitForSingleObject(process_, winetest::WAIT_LIMIT_MS) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    }
    CloseHandle(process_);
}

bool AgentProcess::Start(const std::string& tail, const std::string& current_dir, const char* separator) {
    const std::string program = winsupport::BuildFile("keyagent.exe");
    std::string command = "\"" + program + "\"";
    if (!tail.empty()) command += separator + tail;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        current_dir.empty() ? nullptr : current_dir.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

HWND AgentProcess::WaitForMainWindow() {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search = {id_, KB_CLASS_AGENT_MAIN, nullptr, 0};
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0) return nullptr;
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return nullptr;
}

bool AgentProcess::WaitUntilIdle() { return WaitForInputIdle(process_, winetest::SLOW_WAIT_LIMIT_MS) == 0; }

bool AgentProcess::WaitForExit(DWORD limit_ms, DWORD* exit_code) {
    if (WaitForSingleObject(process_, limit_ms) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, exit_code);
    return true;
}

bool RunToEnd(const std::string& tail, DWORD* exit_code, const char* separator) {
    AgentProcess run;
    return run.Start(tail, "", separator) && run.WaitForExit(winetest::SLOW_WAIT_LIMIT_MS, exit_code);
}

bool StopWithU(AgentProcess& agent) {
    DWORD stopper_code = 1;
    if (!RunToEnd("/u", &stopper_code) || stopper_code != 0) return false;
    DWORD exit_code = 1;
    return agent.WaitForExit(winetest::SLOW_WAIT_LIMIT_MS, &exit_code) && exit_code == 0;
}

int CountWindows(const char* window_class) {
    WindowSearch search = {0, window_class, nullptr, 0};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

}  // namespace agenttest
