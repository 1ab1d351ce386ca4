#include "agent/tests/wine/registry_values.h"

#include <shlwapi.h>

#include <cstring>
#include <string>

namespace agenttest {

void SetBytes(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
}

void SetNumber(const char* key, const char* name, uint32_t value) {
    const DWORD data = value;
    SetBytes(key, name, REG_DWORD, &data, sizeof data);
}

bool ReadNumber(const char* key, const char* name, uint32_t* value) {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_ANY, nullptr, &data, &size) != ERROR_SUCCESS) return false;
    *value = data;
    return true;
}

bool ReadText(HKEY root, const char* key, const char* name, std::string* text) {
    char data[512] = {};
    DWORD size = sizeof data - 1;
    if (RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return false;
    *text = data;
    return true;
}

void DeleteTree(HKEY root, const char* key) { SHDeleteKeyA(root, key); }

void SetProgramVersion(const char* program, const char* version) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + program;
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS)
        return;
    if (version) {
        RegSetValueExA(k, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(std::strlen(version)) + 1);
    } else {
        RegDeleteValueA(k, "Version");
    }
    RegCloseKey(k);
}

}  // namespace agenttest
