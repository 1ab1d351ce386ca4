#include "tools/simulator/desktop/saved_settings.h"

namespace sim {

void SavedSettings::Keep(const char* key, const char* name) {
    for (const Saved& s : saved_)
        if (s.key == key && s.name == name) return;
    Saved saved{key, name, false, REG_NONE, {}};
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) == ERROR_SUCCESS) {
        DWORD size = 0;
        if (RegQueryValueExA(handle, name, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
            saved.data.resize(size);
            saved.existed = RegQueryValueExA(handle, name, nullptr, &saved.type, saved.data.data(), &size) ==
                            ERROR_SUCCESS;
            saved.data.resize(size);
        }
        RegCloseKey(handle);
    }
    saved_.push_back(saved);
}

void SavedSettings::WriteNumber(const char* key, const char* name, DWORD value) {
    Keep(key, name);
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(handle);
}

bool ReadStoredNumber(const char* key, const char* name, DWORD* value) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    DWORD size = sizeof *value;
    const bool read = RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                      ERROR_SUCCESS;
    RegCloseKey(handle);
    return read;
}

SavedSettings::~SavedSettings() {
    for (const Saved& s : saved_) {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, s.key.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS) continue;
        if (s.existed)
            RegSetValueExA(handle, s.name.c_str(), 0, s.type, s.data.data(), static_cast<DWORD>(s.data.size()));
        else
            RegDeleteValueA(handle, s.name.c_str());
        RegCloseKey(handle);
    }
}

}  // namespace sim
