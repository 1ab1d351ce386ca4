#include "agent/tests/wine/registry_values.h"

#include <shlwapi.h>

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

}  // namespace agenttest
