#include "agent/tests/wine/action_standins.h"

#include <sstream>

#include "tools/fixtures/program_start.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/temp_files.h"

namespace agenttest {

AppWindows::AppWindows(const std::vector<std::string>& classes) {
    record_ = winsupport::TempPath("kb-hotkey-app-windows.txt");
    DeleteFileA(record_.c_str());
    first_class_ = classes.empty() ? "" : classes.front();
    std::string command = "\"" + winsupport::BuildFile("app_windows.exe") + "\" \"" + record_ + "\"";
    for (const std::string& name : classes) command += " " + name;
    process_ = fixtures::StartProgram(command).process;
    if (process_ == nullptr) return;
    const DWORD start = GetTickCount();
    do {
        for (const std::string& line : winsupport::NonEmptyLines(record_))
            if (line.find(" ready") != std::string::npos) ready_ = true;
        if (!ready_) Sleep(20);
    } while (!ready_ && GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
}

AppWindows::~AppWindows() {
    if (process_ == nullptr) return;
    if (HWND window = FindWindowA(first_class_.c_str(), nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, winetest::SLOW_WAIT_LIMIT_MS) != WAIT_OBJECT_0)
        TerminateProcess(process_, 1);
    CloseHandle(process_);
}

std::vector<AppEvent> AppWindows::Events() const {
    std::vector<AppEvent> events;
    bool after_ready = false;
    for (const std::string& line : winsupport::NonEmptyLines(record_)) {
        std::istringstream words(line);
        AppEvent event;
        words >> event.ms >> event.window;
        if (event.window == "ready") {
            after_ready = true;
            continue;
        }
        words >> event.what >> event.wparam;
        if (after_ready) events.push_back(event);
    }
    return events;
}

std::vector<AppEvent> AppWindows::WaitFor(const std::string& what, size_t count) const {
    return WaitFor([&](const AppEvent& event) { return event.what.find(what) != std::string::npos; }, count);
}

std::vector<AppEvent> AppWindows::WaitFor(const std::function<bool(const AppEvent&)>& wanted, size_t count) const {
    std::vector<AppEvent> found;
    const DWORD start = GetTickCount();
    do {
        found.clear();
        for (const AppEvent& event : Events())
            if (wanted(event)) found.push_back(event);
        if (found.size() >= count) break;
        Sleep(20);
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return found;
}

}  // namespace agenttest
