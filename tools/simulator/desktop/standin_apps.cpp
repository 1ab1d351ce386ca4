#include "tools/simulator/desktop/standin_apps.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "agent/logic/action_players.h"
#include "tools/fixtures/program_start.h"
#include "tools/winsupport/build_files.h"

namespace sim {
namespace {

constexpr DWORD kStartLimitMs = 30000;

std::string RoleOf(const std::string& window_class) {
    if (window_class == "IEFrame" || window_class == "ExploreWClass") return "the browser (" + window_class + ")";
    if (window_class == "WMPlayerApp" || window_class == "MPlayer" || window_class == "Media Player 2" ||
        window_class == "SJE_CdPlayerClass")
        return "the media player (" + window_class + ")";
    return "the window of class " + window_class;
}

std::string KeyName(unsigned long vk) {
    switch (vk) {
    case VK_MENU: return "Alt";
    case VK_CONTROL: return "Ctrl";
    case VK_SHIFT: return "Shift";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_ESCAPE: return "Esc";
    case VK_F5: return "F5";
    case VK_SPACE: return "Space";
    default: break;
    }
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, static_cast<char>(vk));
    char text[16];
    std::snprintf(text, sizeof text, "key 0x%02lX", vk);
    return text;
}

bool IsPlayerProgram(const std::string& name) {
    PlayerEntry rows[kPlayerCount];
    ResetPlayerTable(rows);
    for (const PlayerEntry& row : rows)
        if (_stricmp(row.program_file, name.c_str()) == 0) return true;
    return false;
}

bool IsProgram(const std::string& name) {
    return name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".exe") == 0;
}

}  // namespace

std::string DescribeStandinRecord(const std::string& line) {
    std::istringstream words(line);
    std::string ms, window_class, what;
    words >> ms >> window_class >> what;
    unsigned long wparam = 0;
    long lparam = 0;
    words >> wparam >> lparam;
    if (what == "command") {
        char text[64];
        std::snprintf(text, sizeof text, "WM_COMMAND 0x%lX", wparam);
        return RoleOf(window_class) + " got " + text;
    }
    if (what == "keydown" || what == "syskeydown") return RoleOf(window_class) + " got " + KeyName(wparam) + " down";
    if (what == "keyup" || what == "syskeyup") return RoleOf(window_class) + " got " + KeyName(wparam) + " up";
    if (what == "foreground") return RoleOf(window_class) + " became the active window";
    if (what == "taken") return "a window of class " + window_class + " was there already";
    return "";
}

StandinApps::~StandinApps() {
    programs_.reset();
    if (!players_folder_.empty()) RemoveDirectoryA(players_folder_.c_str());
    if (process_ == nullptr) return;
    for (const std::string& window_class : classes_) {
        if (HWND window = FindWindowA(window_class.c_str(), nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process_, kStartLimitMs) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

bool StandinApps::Start(const std::vector<std::string>& names, const std::string& record_file, std::string* error) {
    if (process_ != nullptr || programs_) {
        *error = "the stand-in applications run already";
        return false;
    }
    std::vector<std::string> classes;
    for (const std::string& name : names) {
        if (!IsProgram(name)) {
            classes.push_back(name);
            continue;
        }
        // The record's name goes into the environment, which the agent started later inherits.
        if (!programs_) programs_.reset(new standins::StandInPrograms);
        programs_->Register(name);
        program_names_.push_back(name);
        if (!IsPlayerProgram(name)) continue;
        if (players_folder_.empty()) {
            char windows[MAX_PATH] = "";
            GetWindowsDirectoryA(windows, sizeof windows);
            players_folder_ = std::string(windows, 3) + "Program Files\\kb-demo-players";
            CreateDirectoryA(players_folder_.c_str(), nullptr);
        }
        programs_->Place(players_folder_ + "\\" + name);
    }
    if (classes.empty()) return true;
    const std::string program = winsupport::BuildFile("app_windows.exe");
    std::string command = "\"" + program + "\" \"" + record_file + "\"";
    for (const std::string& window_class : classes) command += " \"" + window_class + "\"";
    DeleteFileA(record_file.c_str());
    process_ = fixtures::StartProgram(command, "", program).process;
    if (process_ == nullptr) {
        *error = "app_windows.exe did not start (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    record_file_ = record_file;
    classes_ = classes;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kStartLimitMs) {
        if (std::FILE* f = std::fopen(record_file_.c_str(), "rb")) {
            std::string text;
            char chunk[512];
            for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text.append(chunk, n);
            std::fclose(f);
            // The stand-in writes its file in text mode: its lines end in CR LF.
            if (text.find(" ready\r\n") != std::string::npos || text.find(" ready\n") != std::string::npos) {
                read_to_ = static_cast<long>(text.size());
                return true;
            }
        }
        if (WaitForSingleObject(process_, 50) == WAIT_OBJECT_0) break;
    }
    *error = "the stand-in windows did not say they were ready";
    return false;
}

std::string StandinApps::Describe() const {
    std::string text;
    for (const std::string& c : classes_) text += (text.empty() ? "windows of class " : ", ") + c;
    std::string programs;
    for (const std::string& name : program_names_) programs += (programs.empty() ? "" : ", ") + name;
    if (!programs.empty()) text += (text.empty() ? "" : "; ") + std::string("programs ") + programs + " (App Paths)";
    if (!players_folder_.empty()) text += ", the players' also in " + players_folder_;
    return text;
}

std::vector<std::string> StandinApps::NewRecords() {
    std::vector<std::string> described;
    if (programs_) {
        const std::vector<std::string> started = programs_->Started();
        for (; programs_told_ < started.size(); ++programs_told_) {
            const std::string& line = started[programs_told_];
            const size_t bar = line.find('|');
            described.push_back("the program " + line.substr(0, bar) + " was started, its command line " +
                                (bar == std::string::npos ? std::string() : line.substr(bar + 1)));
        }
    }
    if (read_to_ == 0) return described;
    std::FILE* f = std::fopen(record_file_.c_str(), "rb");
    if (f == nullptr) return described;
    std::fseek(f, read_to_, SEEK_SET);
    std::string text;
    char chunk[512];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text.append(chunk, n);
    std::fclose(f);
    // Only whole lines: a line still being written is read next time.
    const size_t end = text.rfind('\n');
    if (end == std::string::npos) return described;
    read_to_ += static_cast<long>(end + 1);
    std::istringstream lines(text.substr(0, end + 1));
    for (std::string line; std::getline(lines, line);) {
        std::string words = DescribeStandinRecord(line);
        if (!words.empty()) described.push_back(words);
    }
    return described;
}

}  // namespace sim
