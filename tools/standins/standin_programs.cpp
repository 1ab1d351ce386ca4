#include "tools/standins/standin_programs.h"

#include "tools/winsupport/build_files.h"
#include "tools/winsupport/temp_files.h"

namespace standins {
namespace {

constexpr char kAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
// How long a copy may stay held by the program the agent started from it, which records one
// line and ends.
constexpr unsigned long kProgramEndLimitMs = 15000;

// A copy takes the exact name asked for: copied over a file of that name in another case, it
// would keep the old one, and the program would record under that.
bool CopyRecorder(const std::string& path) {
    winsupport::DeleteWhenFree(path, kProgramEndLimitMs);
    return CopyFileA(winsupport::BuildFile("program_recorder.exe").c_str(), path.c_str(), FALSE) != FALSE;
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
                   static_cast<DWORD>(value.size()) + 1);
    RegCloseKey(key);
}

}  // namespace

StandInPrograms::StandInPrograms() {
    record_ = winsupport::TempPath("kb-started-programs.txt");
    DeleteFileA(record_.c_str());
    SetEnvironmentVariableA("KB_STANDIN_RECORD", record_.c_str());
    folder_ = winsupport::TempPath("kb-standins\\");
    CreateDirectoryA(folder_.c_str(), nullptr);
}

StandInPrograms::~StandInPrograms() {
    for (const AppPath& entry : app_paths_) {
        const std::string key = std::string(kAppPaths) + entry.name;
        if (entry.existed)
            WriteDefault(key, entry.old_path);
        else
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
        winsupport::DeleteWhenFree(folder_ + entry.name, kProgramEndLimitMs);
    }
    for (const std::string& path : placed_) winsupport::DeleteWhenFree(path, kProgramEndLimitMs);
    RemoveDirectoryA(folder_.c_str());
    DeleteFileA(record_.c_str());
}

std::string StandInPrograms::Register(const std::string& name) {
    const std::string path = folder_ + name;
    CopyRecorder(path);
    const std::string key = std::string(kAppPaths) + name;
    AppPath entry{name, false, ""};
    entry.existed = ReadDefault(key, &entry.old_path);
    app_paths_.push_back(entry);
    WriteDefault(key, path);
    return path;
}

bool StandInPrograms::Place(const std::string& path) {
    if (!CopyRecorder(path)) return false;
    placed_.push_back(path);
    return true;
}

std::vector<std::string> StandInPrograms::Started() const { return winsupport::NonEmptyLines(record_); }

std::vector<std::string> StandInPrograms::WaitForStarted(size_t count, DWORD limit_ms) const {
    const DWORD start = GetTickCount();
    std::vector<std::string> started;
    do {
        started = Started();
        if (started.size() >= count) break;
        Sleep(20);
    } while (GetTickCount() - start < limit_ms);
    return started;
}

}  // namespace standins
