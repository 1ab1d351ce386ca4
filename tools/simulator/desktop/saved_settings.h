// The settings a session writes, put back as they were when the session ends: the demo and the
// Wine tests share one Wine prefix, and the next program there must find the registry as it was.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sim {

class SavedSettings {
public:
    SavedSettings() = default;
    ~SavedSettings();
    SavedSettings(const SavedSettings&) = delete;
    SavedSettings& operator=(const SavedSettings&) = delete;

    // Keeps the value's present state (once per value) before anyone changes it.
    void Keep(const char* key, const char* name);
    // Keeps it, then writes a number under HKEY_LOCAL_MACHINE.
    void WriteNumber(const char* key, const char* name, DWORD value);

private:
    struct Saved {
        std::string key, name;
        bool existed;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::vector<Saved> saved_;
};

// A number stored under HKEY_LOCAL_MACHINE, of at most 4 bytes; false when it isn't there.
bool ReadStoredNumber(const char* key, const char* name, DWORD* value);

}  // namespace sim
