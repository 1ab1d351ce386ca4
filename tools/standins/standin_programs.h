// Programs the agent starts (a browser, a player, a mail program, Word, Calculator, Explorer),
// played by program_recorder.exe copied under their names and found first through App Paths
// or at a path the caller chose. For the tests and the demo; never shipped.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace standins {

// Programs started by the agent, each a copy of program_recorder.exe. The record file is named
// in the environment, which the agent started afterwards inherits. The copies go with the
// object, each once the program started from it has ended.
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
    // Waits up to `limit_ms` until `count` programs have been started.
    std::vector<std::string> WaitForStarted(size_t count, DWORD limit_ms) const;
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

}  // namespace standins
