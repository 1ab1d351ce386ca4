#include "tools/standins/taskbar_hook.h"

#include <cstdio>
#include <cstring>

namespace {

// One copy for every process the DLL is mapped into.
char g_record[MAX_PATH] __attribute__((section(".kbshare"), shared)) = "";

void Record(const char* line) {
    FILE* file = std::fopen(g_record, "a");
    if (!file) return;
    std::fputs(line, file);
    std::fputc('\n', file);
    std::fclose(file);
}

bool IsTaskbar(HWND window) {
    char name[32] = "";
    return window && GetClassNameA(window, name, sizeof name) && std::strcmp(name, "Shell_TrayWnd") == 0;
}

}  // namespace

void SetTaskbarRecord(const char* path) {
    std::strncpy(g_record, path, sizeof g_record - 1);
    g_record[sizeof g_record - 1] = '\0';
}

LRESULT CALLBACK TaskbarGetMessage(int code, WPARAM wParam, LPARAM lParam) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && IsTaskbar(message->hwnd)) {
        const UINT ready = RegisterWindowMessageA(KB_TASKBAR_HOOK_READY_MESSAGE);
        if (message->message == WM_COMMAND) {
            char line[48];
            std::snprintf(line, sizeof line, "command %lu", static_cast<unsigned long>(message->wParam));
            Record(line);
            message->message = WM_NULL;
        } else if (message->message == ready) {
            Record("ready");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
