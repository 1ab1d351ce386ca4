#include "setup/tests/wine/setup_windows.h"

#include "tools/fixtures/program_start.h"
#include "tools/fixtures/window_text.h"
#include "tools/winetest/test_support.h"

namespace setup_test {

namespace {

struct Search {
    DWORD process_id;
    const std::function<bool(HWND)>& wanted;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM lParam) {
    Search& search = *reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process_id || !IsWindowVisible(window) || !search.wanted(window)) return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindWindowOf(DWORD process_id, const std::function<bool(HWND)>& wanted) {
    Search search = {process_id, wanted, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD process_id, const std::function<bool(HWND)>& wanted) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(process_id, wanted)) != nullptr; });
    return found;
}

bool IsDialog(HWND window) {
    char class_name[16] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    return lstrcmpA(class_name, "#32770") == 0;
}

struct TextSearch {
    const char* text;
    bool found;
};

BOOL CALLBACK VisitChild(HWND window, LPARAM lParam) {
    TextSearch& search = *reinterpret_cast<TextSearch*>(lParam);
    search.found = fixtures::WindowText(window) == search.text;
    return !search.found;
}

std::function<bool(HWND)> MessageBoxSaying(const char* words) {
    // A message box shows its text in a static control of id 0xFFFF.
    return [words](HWND window) { return IsDialog(window) && ControlText(window, 0xFFFF).find(words) != std::string::npos; };
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > winetest::SLOW_WAIT_LIMIT_MS) return false;
        Sleep(50);
    }
    return true;
}

HWND WaitForDialog(DWORD process_id, const char* title) {
    return WaitForWindow(process_id,
                         [title](HWND window) { return IsDialog(window) && fixtures::WindowText(window).rfind(title, 0) == 0; });
}

HWND FindMessageBox(DWORD process_id, const char* words) { return FindWindowOf(process_id, MessageBoxSaying(words)); }

HWND WaitForMessageBox(DWORD process_id, const char* words) {
    return WaitForWindow(process_id, MessageBoxSaying(words));
}

std::string ControlText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    return control != nullptr ? fixtures::WindowText(control) : "";
}

bool HasChildWithText(HWND parent, const char* text) {
    TextSearch search = {text, false};
    EnumChildWindows(parent, VisitChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool ControlPanelOpensTheApplet() {
    char root[MAX_PATH];
    GetWindowsDirectoryA(root, MAX_PATH);
    root[3] = '\0';
    const fixtures::StartedProgram control = fixtures::StartProgram("control.exe skyrel.cpl", root);
    if (control.process == nullptr) return false;
    const HWND dialog = WaitForDialog(control.id, "Skyrel RF Status");
    if (dialog != nullptr) Press(dialog, IDOK);
    const bool ended = WaitForSingleObject(control.process, winetest::SLOW_WAIT_LIMIT_MS) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(control.process, 1);
    CloseHandle(control.process);
    return dialog != nullptr && ended;
}

}  // namespace setup_test
