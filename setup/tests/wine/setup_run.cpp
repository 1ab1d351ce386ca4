#include "setup/tests/wine/setup_run.h"

#include <shlobj.h>

#include "common/window_classes.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/winetest/test_support.h"

namespace setup_test {

namespace {

const char kPendingKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingValue[] = "PendingFileRenameOperations";

std::string SetupCommand() { return Quoted(KB_SETUP_FILE); }

std::string UninstallerCommand(const std::string& arguments) {
    return Quoted(InstallFolder() + "\\uninstall.exe") + " " + arguments + " _?=" + InstallFolder();
}

// "\??\C:\x" and "!\??\C:\x" (a rename that replaces C:\x) name C:\x.
std::string PlainPath(std::string path) {
    if (!path.empty() && path[0] == '!') path.erase(0, 1);
    if (path.compare(0, 4, "\\??\\") == 0) path.erase(0, 4);
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string ProgramFiles() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, folder);
    return folder;
}

}  // namespace

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string InstallFolder() { return ProgramFiles() + "\\Orvanta Skyrel"; }

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

std::string DriversFolder() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\system32\\drivers";
}

std::string DistFile(const char* name) { return std::string(KB_SETUP_DIST) + "\\" + name; }

DWORD RunSetup(const std::string& arguments) {
    return fixtures::RunProgram(SetupCommand() + " " + arguments);
}

DWORD RunUninstaller(const std::string& arguments) {
    return fixtures::RunProgram(UninstallerCommand(arguments));
}

HANDLE StartSetup() { return fixtures::StartProgram(SetupCommand()).process; }

HANDLE StartUninstaller() { return fixtures::StartProgram(UninstallerCommand("")).process; }

HWND WaitForAgent() {
    const DWORD start = GetTickCount();
    do {
        if (HWND agent = FindWindowA(KB_CLASS_AGENT_MAIN, nullptr)) return agent;
        Sleep(50);
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return nullptr;
}

bool AgentRunning() { return FindWindowA(KB_CLASS_AGENT_MAIN, nullptr) != nullptr; }

std::vector<std::string> FilesPendingRestart() {
    const sheet_test::RawValue value = sheet_test::ReadValue(HKEY_LOCAL_MACHINE, kPendingKey, kPendingValue);
    std::vector<std::string> texts;
    const std::string bytes(value.bytes.begin(), value.bytes.end());
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = bytes.find('\0', at);
        texts.push_back(bytes.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    // Pairs of a file and what becomes of it: nothing (it is removed) or the name of the file
    // it replaces.
    std::vector<std::string> files;
    for (size_t i = 0; i + 1 < texts.size(); i += 2) {
        files.push_back(PlainPath(texts[i]));
        if (!texts[i + 1].empty()) files.push_back(PlainPath(texts[i + 1]));
    }
    return files;
}

bool PendingRestart(const std::string& change, const std::vector<std::string>& pending) {
    const std::string path = PlainPath(change.substr(2));
    for (const std::string& file : pending) {
        if (lstrcmpiA(file.c_str(), path.c_str()) == 0) return true;
    }
    return false;
}

MachineState TakeMachineState() {
    return MachineState::Take({{HKEY_LOCAL_MACHINE, "HKLM", "Software"},
                               {HKEY_LOCAL_MACHINE, "HKLM", "System\\CurrentControlSet\\Services"},
                               {HKEY_CLASSES_ROOT, "HKCR", ""}},
                              {ProgramFiles(), SystemFolder()});
}

void SetWindowsVersion(const char* version) {
    if (version != nullptr) {
        sheet_test::WriteText(HKEY_CURRENT_USER, "Software\\Wine", "Version", version);
    } else {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        RegDeleteValueA(key, "Version");
        RegCloseKey(key);
    }
}

}  // namespace setup_test
