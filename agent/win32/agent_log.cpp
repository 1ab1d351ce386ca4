#include "agent/win32/agent_log.h"

#include <cstdarg>
#include <cstdio>

#include "agent/logic/log_line.h"
#include "agent/win32/agent_state.h"

HWND CreateAgentLog(HWND main_window, HINSTANCE instance) {
    return CreateWindowExA(0, "listbox", "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                           main_window, nullptr, instance, nullptr);
}

void WriteAgentLog(const char* format, ...) {
    const HWND box = Agent().log_box;
    if (box == nullptr) return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    SYSTEMTIME now;
    GetLocalTime(&now);
    char line[sizeof text + 16];
    FormatLogLine(line, sizeof line, now.wHour, now.wMinute, now.wSecond, text);
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    const LRESULT count = SendMessageA(box, LB_GETCOUNT, 0, 0);
    if (count != LB_ERR && DropOldestLine(static_cast<int>(count))) SendMessageA(box, LB_DELETESTRING, 0, 0);
    const LRESULT last = SendMessageA(box, LB_GETCOUNT, 0, 0) - 1;
    SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(last), 0);
}
