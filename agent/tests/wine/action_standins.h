// The outside applications of the hot keys' tests, played by the stand-ins of tools/standins:
// windows of the applications' classes (app_windows.exe), and the programs the agent starts
// (program_recorder.exe copied under their names, found first through App Paths or the agent's
// own folder).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
    // Waits until `count` events whose kind holds `what` ("key" for every keystroke) have
    // come, and returns them.
    std::vector<AppEvent> WaitFor(const std::string& what, size_t count) const;

private:
    std::string record_;
    std::string first_class_;
    PROCESS_INFORMATION process_{};
    bool ready_ = false;
};

// Programs started by the agent, each a copy of program_recorder.exe. The record file is named
// in the environment, which the agent started afterwards inherits.
class StandInPrograms {
public:
    StandInPrograms();
    ~StandInPrograms();
    StandInPrograms(const StandInPrograms&) = delete;
    StandInPrograms& operator=(const StandInPrograms&) = delete;

    // A copy named `name` in the stand-ins' folder, registered under App Paths; its path.
    std::string Register(const std::string& name);
    // A copy at `path`, which the test chose (removed again at the end).
    bool Place(const std::string& path);
    // "<name>|<command line>" for every program started.
    std::vector<std::string> Started() const;
    // Waits until `count` programs have been started.
    std::vector<std::string> WaitForStarted(size_t count) const;
    const std::string& folder() const { return folder_; }

private:
    struct AppPath {
        std::string name;
        bool existed;
        std::string old_path;
    };
    std::string record_;
    std::string folder_;
    std::vector<AppPath> app_paths_;
    std::vector<std::string> placed_;
};

}  // namespace agenttest
