#include "agent/win32/agent_desk.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "programstart/win32/start_program.h"

namespace {

HWND WindowOf(DeskWindow window) { return reinterpret_cast<HWND>(window); }
DeskWindow DeskOf(HWND window) { return reinterpret_cast<DeskWindow>(window); }

class Win32Desk : public ActionDesk {
public:
    DeskWindow Foreground() override { return DeskOf(GetForegroundWindow()); }

    DeskWindow FindByClass(const char* window_class) override { return DeskOf(FindWindowA(window_class, nullptr)); }

    bool HasClass(DeskWindow window, const char* window_class) override {
        char name[64] = "";
        GetClassNameA(WindowOf(window), name, sizeof name);
        return std::strcmp(name, window_class) == 0;
    }

    void BringForward(DeskWindow window) override { SetForegroundWindow(WindowOf(window)); }

    void ShowRestored(DeskWindow window) override {
        if (IsIconic(WindowOf(window))) ShowWindow(WindowOf(window), SW_RESTORE);
        if (!IsWindowVisible(WindowOf(window))) ShowWindow(WindowOf(window), SW_SHOW);
    }

    void Key(uint8_t virtual_key, bool release) override {
        keybd_event(virtual_key, 0, release ? KEYEVENTF_KEYUP : 0, 0);
    }

    void Pause(uint32_t ms) override {
        if (ms) Sleep(ms);
    }

    void StartProgram(const char* command_line) override { ::StartProgram(command_line, SW_SHOW); }

    void ShellOpen(const char* file) override {
        ShellExecuteA(nullptr, "open", file, nullptr, nullptr, SW_SHOWNORMAL);
    }

    void OpenMyComputer() override {
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
};

}  // namespace

ActionDesk& AgentDesk() {
    static Win32Desk desk;
    return desk;
}
