#include "tools/winsupport/temp_files.h"

#include <windows.h>

#include <fstream>

namespace winsupport {

std::string TempPath(const char* name) {
    char directory[MAX_PATH] = "";
    GetTempPathA(sizeof directory, directory);
    return std::string(directory) + name;
}

std::vector<std::string> NonEmptyLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (!line.empty()) lines.push_back(line);
    return lines;
}

bool DeleteWhenFree(const std::string& path, unsigned long limit_ms) {
    const DWORD start = GetTickCount();
    while (!DeleteFileA(path.c_str())) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND) return true;
        if (GetTickCount() - start >= limit_ms) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace winsupport
