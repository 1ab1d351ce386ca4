#include "agent/tests/wine/action_standins.h"

#include <fstream>
#include <sstream>

#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace agenttest {

namespace {

constexpr char kAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

std::string TempFile(const char* name) {
    char directory[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    return std::string(directory) + name;
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (!line.empty()) lines.push_back(line);
    return lines;
}

bool ReadDefault(const std::string& key_name, std::string* value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char text[MAX_PATH] = "";
    DWORD size = sizeof text;
    const bool read = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (read) *value = text;
    return true;
}

void WriteDefault(const std::string& key_name, const std::string& value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

}  // namespace

AppWindows::AppWindows(const std::vector<std::string>& classes) {
    record_ = TempFile("kb-hotkey-app-windows.txt");
    DeleteFileA(record_.c_str());
    first_class_ = classes.empty() ? "" : classes.front();
    std::string command = "\"" + winsupport::BuildFile("app_windows.exe") + "\" \"" + record_ + "\"";
    for (const std::string& name : classes) command += " " + name;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
        return;
    CloseHandle(process_.hThread);
    const DWORD start = GetTickCount();
    do {
        for (const std::string& line : Lines(record_))
            if (line.find(" ready") != std::string::npos) ready_ = true;
        if (!ready_) Sleep(20);
    } while (!ready_ && GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
}

AppWindows::~AppWindows() {
    if (!process_.hProcess) return;
    if (HWND window = FindWindowA(first_class_.c_str(), nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, winetest::SLOW_WAIT_LIMIT_MS) != WAIT_OBJECT_0)
        TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
}

std::vector<AppEvent> AppWindows::Events() const {
    std::vector<AppEvent> events;
    bool after_ready = false;
    for (const std::string& line : Lines(record_)) {
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
    std::vector<AppEvent> found;
    const DWORD start = GetTickCount();
    do {
        found.clear();
        for (const AppEvent& event : Events())
            if (event.what.find(what) != std::string::npos) found.push_back(event);
        if (found.size() >= count) break;
        Sleep(20);
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return found;
}

StandInPrograms::StandInPrograms() {
    record_ = TempFile("kb-started-programs.txt");
    DeleteFileA(record_.c_str());
    SetEnvironmentVariableA("KB_STANDIN_RECORD", record_.c_str());
    folder_ = TempFile("kb-standins\\");
    CreateDirectoryA(folder_.c_str(), nullptr);
}

StandInPrograms::~StandInPrograms() {
    for (const AppPath& entry : app_paths_) {
        const std::string key = std::string(kAppPaths) + entry.name;
        if (entry.existed)
            WriteDefault(key, entry.old_path);
        else
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
        DeleteFileA((folder_ + entry.name).c_str());
    }
    for (const std::string& path : placed_) DeleteFileA(path.c_str());
    RemoveDirectoryA(folder_.c_str());
    DeleteFileA(record_.c_str());
}

std::string StandInPrograms::Register(const std::string& name) {
    const std::string path = folder_ + name;
    CopyFileA(winsupport::BuildFile("program_recorder.exe").c_str(), path.c_str(), FALSE);
    const std::string key = std::string(kAppPaths) + name;
    AppPath entry{name, false, ""};
    entry.existed = ReadDefault(key, &entry.old_path);
    app_paths_.push_back(entry);
    WriteDefault(key, path);
    return path;
}

bool StandInPrograms::Place(const std::string& path) {
    if (!CopyFileA(winsupport::BuildFile("program_recorder.exe").c_str(), path.c_str(), FALSE)) return false;
    placed_.push_back(path);
    return true;
}

std::vector<std::string> StandInPrograms::Started() const { return Lines(record_); }

std::vector<std::string> StandInPrograms::WaitForStarted(size_t count) const {
    const DWORD start = GetTickCount();
    std::vector<std::string> started;
    do {
        started = Started();
        if (started.size() >= count) break;
        Sleep(20);
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return started;
}

}  // namespace agenttest
