// EditFilterList over the device-installation interface. Buffers are sized from what the
// platform reports, so no list or id is ever cut or overrun, however long.
#include <windows.h>
#include <setupapi.h>

#include <string>

#include "agent/logic/filter_command.h"
#include "agent/logic/filter_list.h"
#include "agent/win32/filter_install.h"

// No device is skipped on bit 0x2000 of four hexadecimal digits of its id: with the revision
// digits read as "9999" such a test could tell no receiver from another, so it is left out.

namespace {

bool IsNtPlatform() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

enum class PropertyRead { Read, Missing, Failed };

PropertyRead ReadDeviceProperty(HDEVINFO set, SP_DEVINFO_DATA* device, DWORD property, std::string* bytes) {
    bytes->clear();
    DWORD size = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set, device, property, nullptr, nullptr, 0, &size)) {
        const DWORD error = GetLastError();
        if (error == ERROR_INVALID_DATA || error == ERROR_FILE_NOT_FOUND) return PropertyRead::Missing;
        if (error != ERROR_INSUFFICIENT_BUFFER) return PropertyRead::Failed;
    }
    if (size == 0) return PropertyRead::Read;
    bytes->assign(size, '\0');
    DWORD read = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set, device, property, nullptr,
                                           reinterpret_cast<BYTE*>(&(*bytes)[0]), size, &read)) {
        return PropertyRead::Failed;
    }
    bytes->resize(read < size ? read : size);
    return PropertyRead::Read;
}

FilterEditResult EditDeviceProperty(HDEVINFO set, SP_DEVINFO_DATA* device, const FilterCommand& command,
                                    FilterEditResult so_far) {
    const DWORD property = command.list == FilterListKind::Upper ? SPDRP_UPPERFILTERS : SPDRP_LOWERFILTERS;
    // A list that is there but can't be read is left alone: written back as the empty list,
    // it would lose the filters it holds.
    std::string stored;
    if (ReadDeviceProperty(set, device, property, &stored) == PropertyRead::Failed) return so_far;
    const FilterListEdit edit = EditFilterList(command, NormaliseFilterList(stored.data(), stored.size()));
    bool written = false;
    if (edit.outcome == FilterListOutcome::Inserted || edit.outcome == FilterListOutcome::Removed) {
        const BYTE* data = edit.bytes.empty() ? nullptr : reinterpret_cast<const BYTE*>(edit.bytes.data());
        written = SetupDiSetDeviceRegistryPropertyA(set, device, property, data,
                                                    static_cast<DWORD>(edit.bytes.size())) != FALSE;
    }
    return CombineFilterEdit(so_far, edit.outcome, written, true);
}

FilterEditResult EditHardwareKeyValue(HDEVINFO set, SP_DEVINFO_DATA* device, const FilterCommand& command,
                                      FilterEditResult so_far) {
    HKEY key = SetupDiOpenDevRegKey(set, device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_ALL_ACCESS);
    if (key == INVALID_HANDLE_VALUE) return so_far;
    const char* value = command.list == FilterListKind::Upper ? "UpperFilters" : "LowerFilters";
    DWORD type = REG_SZ;
    DWORD size = 0;
    std::string stored;
    LONG status = RegQueryValueExA(key, value, nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && size > 0) {
        stored.assign(size, '\0');
        status = RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(&stored[0]), &size);
        stored.resize(size < stored.size() ? size : stored.size());
    }
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        RegCloseKey(key);
        return so_far;
    }
    if (status != ERROR_SUCCESS || stored.empty()) type = REG_SZ;
    const FilterListEdit edit = EditFilterList(command, NormaliseFilterList(stored.data(), stored.size()));
    bool written = false;
    if (edit.outcome == FilterListOutcome::Removed && edit.bytes.empty()) {
        written = RegDeleteValueA(key, value) == ERROR_SUCCESS;
    } else if (edit.outcome == FilterListOutcome::Inserted || edit.outcome == FilterListOutcome::Removed) {
        written = RegSetValueExA(key, value, 0, type, reinterpret_cast<const BYTE*>(edit.bytes.data()),
                                 static_cast<DWORD>(edit.bytes.size())) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return CombineFilterEdit(so_far, edit.outcome, written, false);
}

}  // namespace

FilterEditResult EditFilterList(const char* command_text, bool present_devices_only) {
    FilterCommand command;
    if (!ParseFilterCommand(command_text, &command)) return FilterEditResult::NoChange;
    const bool nt_platform = IsNtPlatform();
    const DWORD flags = DIGCF_ALLCLASSES | (present_devices_only ? DIGCF_PRESENT : 0);
    HDEVINFO set = SetupDiGetClassDevsA(nullptr, nullptr, nullptr, flags);
    if (set == INVALID_HANDLE_VALUE) return FilterEditResult::NoChange;
    FilterEditResult result = FilterEditResult::NoChange;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        std::string ids;
        if (ReadDeviceProperty(set, &device, SPDRP_HARDWAREID, &ids) != PropertyRead::Read) continue;
        if (!HardwareIdMatches(ids.data(), ids.size(), command.hardware_id)) continue;
        result = nt_platform ? EditDeviceProperty(set, &device, command, result)
                             : EditHardwareKeyValue(set, &device, command, result);
    }
    SetupDiDestroyDeviceInfoList(set);
    return result;
}
