#include "agent/tests/wine/filter_install_prefix.h"

#include <windows.h>

#include <cstring>

#include "tools/winsupport/build_files.h"

namespace filter_test {

namespace {

std::string DriverPath(const FilterService& service) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\" + service.image_path;
}

std::string BuiltDriver(const FilterService& service) {
    const char* slash = std::strrchr(service.image_path, '\\');
    return winsupport::BuildFile(slash ? slash + 1 : service.image_path);
}

}  // namespace

DriverFiles::DriverFiles() {
    for (const FilterService& service : kFilterServices) {
        const std::string path = DriverPath(service);
        if (CopyFileA(BuiltDriver(service).c_str(), path.c_str(), TRUE)) made_.push_back(path);
    }
}

DriverFiles::~DriverFiles() {
    for (const std::string& path : made_) DeleteFileA(path.c_str());
}

bool DriverFiles::Remove(const FilterService& service) {
    const std::string path = DriverPath(service);
    for (const std::string& made : made_) {
        if (made == path) return DeleteFileA(path.c_str()) != FALSE;
    }
    return false;
}

bool ServiceKeyExists(const FilterService& service) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, service.key, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace filter_test
