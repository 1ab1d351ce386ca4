// The stand-in application windows (tools/standins/app_windows.exe) beside a session: started
// with the window classes a session names, their record file read as it grows, each line told
// in words, and the program ended with the session.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sim {

class StandinApps {
public:
    StandinApps() = default;
    ~StandinApps();
    StandinApps(const StandinApps&) = delete;
    StandinApps& operator=(const StandinApps&) = delete;

    // false with the reason in `error` when the windows did not come.
    bool Start(const std::vector<std::string>& classes, const std::string& record_file, std::string* error);
    bool running() const { return process_ != nullptr; }
    // What reached the windows since the last call, in words.
    std::vector<std::string> NewRecords();
    const std::vector<std::string>& classes() const { return classes_; }

private:
    HANDLE process_ = nullptr;
    std::string record_file_;
    long read_to_ = 0;
    std::vector<std::string> classes_;
};

// One line of the record file in words ("the browser (IEFrame) got Alt down"); empty for lines
// that say nothing about input (the start).
std::string DescribeStandinRecord(const std::string& line);

}  // namespace sim
