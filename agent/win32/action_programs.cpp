#include "agent/win32/action_programs.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "agent/win32/action_browser.h"

namespace {

void OpenMyComputer() {
    LPITEMIDLIST drives = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives))) return;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_IDLIST;
    info.lpIDList = drives;
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&info);
    CoTaskMemFree(drives);
}

void WakeCalculator() {
    HWND calculator = FindWindowA(kCalculatorClass, nullptr);
    if (!calculator) {
        WinExec(kCalculatorProgram, SW_SHOW);
        Sleep(kCalculatorStartWaitMs);
        calculator = FindWindowA(kCalculatorClass, nullptr);
    }
    // A key press of the agent's own lets it hand the foreground over.
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    if (!calculator) return;
    if (IsIconic(calculator)) ShowWindow(calculator, SW_RESTORE);
    if (!IsWindowVisible(calculator)) ShowWindow(calculator, SW_SHOW);
    SetForegroundWindow(calculator);
}

}  // namespace

void PerformProgramAction(const ProgramAction& action) {
    switch (action.Start) {
    case ProgramStart::None:
        break;
    case ProgramStart::ShellOpen:
        ShellExecuteA(nullptr, "open", action.Command, nullptr, nullptr, SW_SHOWNORMAL);
        break;
    case ProgramStart::RunCommand:
        WinExec(action.Command, SW_SHOW);
        break;
    case ProgramStart::BrowserSearchBar:
        if (HWND browser = FindBrowserWindow()) TypeIntoBrowser(browser, SearchKeySequence());
        break;
    case ProgramStart::OpenMyComputer:
        OpenMyComputer();
        break;
    case ProgramStart::WakeCalculator:
        WakeCalculator();
        break;
    }
}
