// The outside applications' windows in the hot keys' tests, played by app_windows.exe of
// tools/standins; the programs the agent starts are tools/standins/standin_programs.h.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tools/standins/standin_programs.h"

namespace agenttest {

// One line of app_windows.exe's record.
struct AppEvent {
    unsigned long ms = 0;
    std::string window;
    std::string what;  // command, keydown, syskeyup, foreground, ...
    unsigned long wparam = 0;
};

class AppWindows {
public:
    explicit AppWindows(const std::vector<std::string>& classes);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    bool ready() const { return ready_; }
    // What reached the windows since they were made.
    std::vector<AppEvent> Events() const;
    // Waits until `count` events whose kind holds `what` ("key" for every keystroke), or that
    // `wanted` takes, have come, and returns them.
    std::vector<AppEvent> WaitFor(const std::string& what, size_t count) const;
    std::vector<AppEvent> WaitFor(const std::function<bool(const AppEvent&)>& wanted, size_t count) const;

private:
    std::string record_;
    std::string first_class_;
    HANDLE process_ = nullptr;
    bool ready_ = false;
};

}  // namespace agenttest
