// app_windows.exe RECORD_FILE CLASS...: stands in for the outside applications the agent drives
// (browser, media players, Calculator, taskbar, Office). It makes one visible window of each
// class named and writes what reaches them to RECORD_FILE, one line each, flushed at once:
//   <ms> ready                        every window is made
//   <ms> <class> taken                a window of that class was there before: none is made
//   <ms> <class> command <wParam> <lParam>      WM_COMMAND
//   <ms> <class> keydown|keyup|syskeydown|syskeyup <vk> <lParam>
//   <ms> <class> foreground           the window became the active one
// <ms> counts from the start of the program; for a keystroke it is the time the keystroke was
// made (its message time), so that the sender's pauses show even when this program is served
// late on a loaded machine. WM_CLOSE to any of its windows ends it. Never shipped.
#include <windows.h>

#include <cstdio>

namespace {

FILE* g_record;
DWORD g_start;

void Record(HWND window, const char* what, WPARAM wParam, LPARAM lParam, bool with_arguments,
            DWORD at = GetTickCount()) {
    char class_name[64] = "";
    if (window) GetClassNameA(window, class_name, sizeof class_name);
    std::fprintf(g_record, "%lu %s%s%s", static_cast<unsigned long>(at - g_start), class_name,
                 window ? " " : "", what);
    if (with_arguments)
        std::fprintf(g_record, " %lu %ld", static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    std::fputc('\n', g_record);
    std::fflush(g_record);
}

const char* KeyMessageName(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return "keydown";
    case WM_KEYUP:
        return "keyup";
    case WM_SYSKEYDOWN:
        return "syskeydown";
    case WM_SYSKEYUP:
        return "syskeyup";
    default:
        return nullptr;
    }
}

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const char* key = KeyMessageName(message)) {
        Record(window, key, wParam, lParam, true, static_cast<DWORD>(GetMessageTime()));
        return 0;
    }
    switch (message) {
    case WM_COMMAND:
        Record(window, "command", wParam, lParam, true);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) Record(window, "foreground", 0, 0, false);
        return 0;
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool MakeWindow(HINSTANCE instance, const char* class_name, int row) {
    if (FindWindowA(class_name, nullptr)) {
        std::fprintf(g_record, "%lu %s taken\n", static_cast<unsigned long>(GetTickCount() - g_start), class_name);
        std::fflush(g_record);
        return true;
    }
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = StandInProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = class_name;
    if (!RegisterClassA(&window_class)) return false;
    HWND window = CreateWindowExA(0, class_name, class_name, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40 + 20 * row,
                                  40 + 20 * row, 320, 120, nullptr, nullptr, instance, nullptr);
    return window != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: app_windows RECORD_FILE CLASS...\n");
        return 2;
    }
    g_start = GetTickCount();
    g_record = std::fopen(argv[1], "w");
    if (!g_record) return 1;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 2; i < argc; ++i)
        if (!MakeWindow(instance, argv[i], i - 2)) return 1;
    Record(nullptr, "ready", 0, 0, false);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::fclose(g_record);
    return 0;
}
