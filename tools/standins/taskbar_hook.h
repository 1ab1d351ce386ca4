// taskbar_hook.dll: a test-only message hook for the taskbar window of Wine's own explorer.exe,
// which a stand-in can't replace. Hooked into explorer's thread, it writes each WM_COMMAND
// posted to "Shell_TrayWnd" to a record file, "command <wParam>", and takes the message away
// so that Wine's taskbar does not act on it. Never shipped.
#pragma once

#include <windows.h>

// The registered message a test posts to the taskbar window once hooked: it writes "ready".
#define KB_TASKBAR_HOOK_READY_MESSAGE "KbTaskbarHookReady"

extern "C" {
// The record file, for every process the hook runs in. Call before hooking.
__declspec(dllexport) void SetTaskbarRecord(const char* path);
__declspec(dllexport) LRESULT CALLBACK TaskbarGetMessage(int code, WPARAM wParam, LPARAM lParam);
}
