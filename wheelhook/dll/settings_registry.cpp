// Loading the wheel settings and the launch commands from the registry.
#include <windows.h>

#include "common/registry_names.h"
#include "wheelhook/dll/shared_state.h"
#include "wheelhook/dll/win32_handles.h"
#include "wheelhook/logic/stored_values.h"
#include "wheelhook/wheelhook.h"

namespace {

// A value that is missing or can't be read leaves the field as it was; its type isn't checked.
void ReadDword(HKEY key, const char* name, uint32_t& field) {
    BYTE value[sizeof field];
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, value, &size) == ERROR_SUCCESS)
        field = DwordFromValue(field, value, size);
}

bool ReadWheelSettings(WheelSettings& settings) {
    RegistryKey key(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);
    if (!key) return false;
    ReadDword(key.Get(), KB_VAL_SCROLL_MODE, settings.ScrollMode);
    ReadDword(key.Get(), KB_VAL_SCROLL_LINE, settings.ScrollLine);
    ReadDword(key.Get(), KB_VAL_SCROLL_REVERSE, settings.ScrollReverse);
    ReadDword(key.Get(), KB_VAL_WHEEL_BUTTON, settings.WheelButton);
    ReadDword(key.Get(), KB_VAL_ZOOM_SIZE, settings.ZoomSize);
    ReadDword(key.Get(), KB_VAL_ZOOM_FACTOR, settings.ZoomFactor);
    ReadDword(key.Get(), KB_VAL_FUNCTION, settings.Function);
    return true;
}

// The default value of an App Paths key, cut to the command buffer (CommandFromValue). A value
// longer than the buffer is read whole and then cut: a read that fails with ERROR_MORE_DATA
// leaves its buffer's contents undefined. The block is a byte larger than the size first
// reported, so that a text stored without its NUL, which the read may hand back with one
// (Wine does, docs/wine-notes.md), still fits.
void ReadAppPath(const char* path, char (&command)[kCommandBufferSize]) {
    RegistryKey key(HKEY_LOCAL_MACHINE, path);
    if (!key) return;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return;
    const DWORD capacity = size + 1;
    HeapBlock text(capacity);
    if (!text.Get()) return;
    DWORD read = capacity;
    // A value that grew since it was measured fails here and leaves the command as it was.
    if (RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text.Get()),
                         &read) != ERROR_SUCCESS)
        return;
    CommandFromValue(text.Get(), read < capacity ? read : capacity, command);
}

}  // namespace

int WINAPI ReadFilterRegistry(void) {
    const bool read = ReadWheelSettings(g_shared.Settings);
    CorrectWheelSettings(g_shared.Settings);
    lstrcpynA(g_commands.explorer, "explorer.exe", sizeof g_commands.explorer);
    ReadAppPath(KB_REG_APP_PATH_IEXPLORE, g_commands.internet_explorer);
    ReadAppPath(KB_REG_APP_PATH_NETSCAPE, g_commands.netscape);
    BindLaunchCommands(g_shared.Functions);
    return read ? 1 : 0;
}
