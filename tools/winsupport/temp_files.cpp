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

}  // namespace winsupport
