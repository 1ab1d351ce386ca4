#include "agent/logic/action_player_search.h"

#include <cstring>

namespace {

constexpr char kProgramFiles[] = "Program Files\\";
constexpr size_t kDriveRootLength = 3;

}  // namespace

bool JoinPlayerPath(char* out, size_t out_size, const char* directory, const char* file) {
    if (out_size == 0) return false;
    out[0] = '\0';
    const size_t directory_length = std::strlen(directory);
    const size_t file_length = std::strlen(file);
    if (directory_length + 1 + file_length >= out_size) return false;
    std::memcpy(out, directory, directory_length);
    out[directory_length] = '\\';
    std::memcpy(out + directory_length + 1, file, file_length + 1);
    return true;
}

bool ProgramFilesFolder(char* out, size_t out_size, const char* windows_directory, const char* entry) {
    if (out_size == 0) return false;
    out[0] = '\0';
    if (std::strlen(windows_directory) < kDriveRootLength) return false;
    const size_t folder_length = std::strlen(kProgramFiles);
    const size_t entry_length = std::strlen(entry);
    if (kDriveRootLength + folder_length + entry_length >= out_size) return false;
    std::memcpy(out, windows_directory, kDriveRootLength);
    std::memcpy(out + kDriveRootLength, kProgramFiles, folder_length);
    std::memcpy(out + kDriveRootLength + folder_length, entry, entry_length + 1);
    return true;
}

void ProbePlayerDirectory(PlayerEntry (&rows)[kPlayerCount], const char* directory, const PlayerFileProbe& probe) {
    for (PlayerEntry& row : rows) {
        if (row.found) continue;
        char path[kPlayerPathSize];
        if (!JoinPlayerPath(path, sizeof path, directory, row.program_file)) continue;
        if (!probe.Exists(path)) continue;
        std::memcpy(row.path, path, sizeof path);
        row.found = 1;
    }
}

bool IsSearchableFolderName(const char* name) {
    return std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0;
}

int FoundPlayerCount(const PlayerEntry (&rows)[kPlayerCount]) {
    int count = 0;
    for (const PlayerEntry& row : rows) count += row.found ? 1 : 0;
    return count;
}

int PlayerRowForListEntry(const PlayerEntry (&rows)[kPlayerCount], int selection) {
    if (selection < 0) return -1;
    int entry = 0;
    for (int row = 0; row < kPlayerCount; ++row) {
        if (!rows[row].found) continue;
        if (entry == selection) return row;
        ++entry;
    }
    return -1;
}
