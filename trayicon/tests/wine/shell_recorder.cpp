#include "trayicon/tests/wine/shell_recorder.h"

#include <shellapi.h>

#include <cstring>

#include "tools/fixtures/import_patch.h"

namespace tray_test {
namespace {

using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
using DestroyIconFunction = BOOL(WINAPI*)(HICON);
using CreateProcessFunction = decltype(&CreateProcessA);

ShellRecord g_record;
const IconCatalog* g_catalog = nullptr;
NotifyFunction g_real_notify = nullptr;
DestroyIconFunction g_real_destroy_icon = nullptr;
CreateProcessFunction g_real_create_process = nullptr;

BOOL WINAPI RecordNotify(DWORD message, PNOTIFYICONDATAA data) {
    NotifyCall call{message, data->cbSize, data->hWnd, data->uID, data->uFlags, 0, 0, {}, 0};
    if (data->uFlags & NIF_MESSAGE) call.callback_message = data->uCallbackMessage;
    if (data->uFlags & NIF_ICON) call.icon_resource = g_catalog->ResourceOf(data->hIcon);
    if (data->uFlags & NIF_TIP) {
        const void* end = std::memchr(data->szTip, '\0', 64);
        call.tooltip_bytes = end ? static_cast<const char*>(end) - data->szTip : 64;
        call.tooltip.assign(data->szTip, call.tooltip_bytes);
    }
    g_record.notifications.push_back(call);
    return g_real_notify(message, data);
}

BOOL WINAPI RecordCreateProcess(LPCSTR application, LPSTR command_line, LPSECURITY_ATTRIBUTES process_security,
                                LPSECURITY_ATTRIBUTES thread_security, BOOL inherit, DWORD flags, LPVOID environment,
                                LPCSTR folder, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION process) {
    const bool shown = startup != nullptr && (startup->dwFlags & STARTF_USESHOWWINDOW);
    g_record.launches.push_back({command_line ? command_line : "", shown ? startup->wShowWindow : 0xFFFFFFFFu});
    if (g_record.start_programs) {
        return g_real_create_process(application, command_line, process_security, thread_security, inherit, flags,
                                     environment, folder, startup, process);
    }
    // Handles the caller may close as it would a started program's.
    process->hProcess = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    process->hThread = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    process->dwProcessId = process->dwThreadId = 0;
    return TRUE;
}

BOOL WINAPI RecordDestroyIcon(HICON icon) {
    g_record.destroyed_icons.push_back(icon);
    return g_real_destroy_icon(icon);
}

}  // namespace

bool InstallShellRecorder(HMODULE dll, const IconCatalog* catalog) {
    g_catalog = catalog;
    g_record = {};
    void* notify = import_patch::PatchImport(dll, "shell32.dll", "Shell_NotifyIconA", reinterpret_cast<void*>(RecordNotify));
    void* exec =
        import_patch::PatchImport(dll, "kernel32.dll", "CreateProcessA", reinterpret_cast<void*>(RecordCreateProcess));
    void* destroy_icon = import_patch::PatchImport(dll, "user32.dll", "DestroyIcon", reinterpret_cast<void*>(RecordDestroyIcon));
    if (notify) g_real_notify = reinterpret_cast<NotifyFunction>(notify);
    if (destroy_icon) g_real_destroy_icon = reinterpret_cast<DestroyIconFunction>(destroy_icon);
    if (exec) g_real_create_process = reinterpret_cast<CreateProcessFunction>(exec);
    return notify != nullptr && exec != nullptr && destroy_icon != nullptr;
}

ShellRecord& Recorded() {
    return g_record;
}

}  // namespace tray_test
