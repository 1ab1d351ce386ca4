#include "agent/win32/player_search.h"

#include <windows.h>

#include "agent/logic/action_player_search.h"

namespace {

constexpr UINT kDirectorySize = 80;  // what the Windows and system directories are read into

class OpenForReading : public PlayerFileProbe {
public:
    bool Exists(const char* path) const override {
        HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        return true;
    }
};

// Names too long for a player's path are passed over.
void ProbeProgramFiles(PlayerEntry (&rows)[kPlayerCount], const char* windows_directory, const PlayerFileProbe& probe,
                       uint32_t limit_ms) {
    char pattern[kPlayerPathSize];
    if (!ProgramFilesFolder(pattern, sizeof pattern, windows_directory, "*.*")) return;
    const DWORD start = GetTickCount();
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern, &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !IsSearchableFolderName(entry.cFileName)) continue;
        char folder[kPlayerPathSize];
        if (ProgramFilesFolder(folder, sizeof folder, windows_directory, entry.cFileName))
            ProbePlayerDirectory(rows, folder, probe);
    } while (GetTickCount() - start < limit_ms && FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

void SearchPlayerPrograms(PlayerEntry (&rows)[kPlayerCount], uint32_t limit_ms) {
    const OpenForReading probe;
    char windows_directory[kDirectorySize] = "";
    char system_directory[kDirectorySize] = "";
    // A directory longer than the buffer is reported by its length, the buffer left unfilled.
    if (GetWindowsDirectoryA(windows_directory, kDirectorySize) >= kDirectorySize) windows_directory[0] = '\0';
    if (GetSystemDirectoryA(system_directory, kDirectorySize) >= kDirectorySize) system_directory[0] = '\0';
    if (windows_directory[0]) ProbePlayerDirectory(rows, windows_directory, probe);
    if (system_directory[0]) ProbePlayerDirectory(rows, system_directory, probe);
    if (windows_directory[0]) ProbeProgramFiles(rows, windows_directory, probe, limit_ms);
}
