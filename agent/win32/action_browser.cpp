#include "agent/win32/action_browser.h"

#include <shellapi.h>

#include <cstring>

#include "agent/logic/action_programs.h"

namespace {

constexpr int kHomeKeyIndex = 4;
constexpr char kBrowserClass[] = "IEFrame";
constexpr char kExplorerClass[] = "ExploreWClass";

bool IsBrowserClass(HWND window) {
    char class_name[64] = "";
    GetClassNameA(window, class_name, sizeof class_name);
    return std::strcmp(class_name, kBrowserClass) == 0 || std::strcmp(class_name, kExplorerClass) == 0;
}

}  // namespace

HWND FindBrowserWindow() {
    HWND foreground = GetForegroundWindow();
    if (foreground && IsBrowserClass(foreground)) return foreground;
    return FindWindowA(kBrowserClass, nullptr);
}

void TypeIntoBrowser(HWND browser, const KeySequence& sequence) {
    if (GetForegroundWindow() != browser) SetForegroundWindow(browser);
    if (sequence.LeadPauseMs) Sleep(sequence.LeadPauseMs);
    for (int i = 0; i < sequence.Count; ++i) {
        const KeyStroke& stroke = sequence.Strokes[i];
        keybd_event(stroke.VirtualKey, 0, stroke.Release ? KEYEVENTF_KEYUP : 0, 0);
        Sleep(stroke.PauseMs);
    }
}

bool PerformBrowserKey(int index) {
    const HWND browser = FindBrowserWindow();
    if (browser) {
        TypeIntoBrowser(browser, BrowserKeySequence(index));
        return true;
    }
    if (index != kHomeKeyIndex) return false;
    ShellExecuteA(nullptr, "open", kBrowserProgram, nullptr, nullptr, SW_SHOWNORMAL);
    return true;
}
