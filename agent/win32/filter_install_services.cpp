// The two filter services, written straight into the registry as Windows 98 to XP read them.
#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

#include "common/registry_names.h"
#include "agent/win32/filter_install.h"

bool RegisterFilterService(const FilterService& service) {
    HKEY key;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, service.key, &key) != ERROR_SUCCESS) return false;
    bool written = true;
    for (const ServiceValue& value : service.values) {
        LONG result;
        if (value.type == ServiceValueType::Number) {
            result = RegSetValueExA(key, value.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.number),
                                    sizeof value.number);
        } else {
            result = RegSetValueExA(key, value.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text),
                                    static_cast<DWORD>(std::strlen(value.text)) + 1);
        }
        written = written && result == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return written;
}

bool FilterServicePresent(const FilterService& service) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, service.key, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool FilterDriverFilePresent(const FilterService& service) {
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) return false;
    std::string path = windows;
    if (path.back() != '\\') path += '\\';
    path += service.image_path;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DeleteFilterServices() {
    HKEY services;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SERVICES, 0, KEY_ALL_ACCESS, &services) != ERROR_SUCCESS) return;
    for (const FilterService& service : kFilterServices) SHDeleteKeyA(services, service.name);
    RegCloseKey(services);
}
