// Records what the tray DLL asks of the shell (Shell_NotifyIconA), what it starts
// (CreateProcessA) and which icons it destroys (DestroyIcon). The recorder replaces those
// entries of the DLL's import table in the test process: the DLL under test is the one that
// ships, only its calls are seen first. Calls to the notification area and DestroyIcon go on to
// the real functions; programs are started only while a test asks for it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "trayicon/tests/wine/icon_pixels.h"

namespace tray_test {

struct NotifyCall {
    DWORD message;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
    DWORD size;
    HWND window;
    UINT id;
    UINT flags;
    UINT callback_message;
    int icon_resource;  // as IconCatalog::ResourceOf tells it, when NIF_ICON
    std::string tooltip;  // when NIF_TIP
    size_t tooltip_bytes;  // up to the NUL, within the 64-byte field
};

struct ExecCall {
    std::string command_line;
    UINT show;  // the new program's first show command; 0xFFFFFFFF when none was given
};

struct ShellRecord {
    std::vector<NotifyCall> notifications;
    std::vector<ExecCall> launches;
    std::vector<HICON> destroyed_icons;
    bool start_programs = false;  // the launches go on to the real CreateProcessA
};

// Installs the recorder into `dll`; false when the DLL does not import one of the three.
bool InstallShellRecorder(HMODULE dll, const IconCatalog* catalog);
ShellRecord& Recorded();

}  // namespace tray_test
