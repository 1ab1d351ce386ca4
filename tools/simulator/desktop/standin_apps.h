// The stand-in applications beside a session: windows of the classes a session names
// (tools/standins/app_windows.exe), their record file read as it grows and each line told in
// words, the program ended with the session; and the programs it names ("msimn.exe"), copies of
// program_recorder.exe found through App Paths, each start told with its command line. A
// player's program is also put in a folder of its own below Program Files, where the Media
// Select key looks for players.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tools/standins/standin_programs.h"

namespace sim {

class StandinApps {
public:
    StandinApps() = default;
    ~StandinApps();
    StandinApps(const StandinApps&) = delete;
    StandinApps& operator=(const StandinApps&) = delete;

    // `names`: window classes, and programs (names ending in ".exe"). False with the reason in
    // `error` when the windows did not come.
    bool Start(const std::vector<std::string>& names, const std::string& record_file, std::string* error);
    bool running() const { return process_ != nullptr; }
    // What reached the windows and which programs were started since the last call, in words.
    std::vector<std::string> NewRecords();
    const std::vector<std::string>& classes() const { return classes_; }
    // What was started, in words.
    std::string Describe() const;

private:
    HANDLE process_ = nullptr;
    std::string record_file_;
    long read_to_ = 0;
    std::vector<std::string> classes_;
    std::unique_ptr<standins::StandInPrograms> programs_;
    std::vector<std::string> program_names_;
    std::string players_folder_;  // made for the players' programs, or empty
    size_t programs_told_ = 0;
};

// One line of the record file in words ("the browser (IEFrame) got Alt down"); empty for lines
// that say nothing about input (the start).
std::string DescribeStandinRecord(const std::string& line);

}  // namespace sim
