#include "tools/winsupport/build_files.h"

#include <windows.h>

namespace winsupport {

std::string BuildDir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

std::string BuildFile(const char* name) { return BuildDir() + name; }

}  // namespace winsupport
