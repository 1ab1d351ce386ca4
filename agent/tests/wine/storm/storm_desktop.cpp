#include "agent/tests/wine/storm/storm_desktop.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>

#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/storm/storm_marker.h"
#include "common/private_messages.h"
#include "common/registry_names.h"
#include "common/window_classes.h"
#include "tools/fixtures/program_start.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

constexpr int kMediaSelectCode = 14;
constexpr DWORD kAnswerLimitMs = 5000;

// The first window of `window_class` (and `title`, if given) that a process made, waited for.
HWND WaitForWindow(HANDLE process, const char* window_class, const char* title = nullptr) {
    const DWORD id = GetProcessId(process);
    const DWORD start = GetTickCount();
    do {
        for (HWND window = FindWindowExA(nullptr, nullptr, window_class, title); window;
             window = FindWindowExA(nullptr, window, window_class, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == id) return window;
        }
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return nullptr;
}

}  // namespace

StormDesktop::~StormDesktop() {
    hooks_.clear();
    if (applet_) PostMessageA(applet_, WM_COMMAND, IDOK, 0);
    for (HWND sheet : sheets_) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &answer);
        PostMessageA(sheet, WM_NULL, 0, 0);
    }
    for (HANDLE process : others_) {
        if (WaitForSingleObject(process, winetest::WAIT_LIMIT_MS) == WAIT_TIMEOUT) TerminateProcess(process, 1);
        CloseHandle(process);
    }
    for (const std::string& server : registered_) fixtures::RunProgram("regsvr32.exe /s /u \"" + server + "\"");
    agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
    agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);
}

void StormDesktop::Add(const std::string& name, StormTargetKind kind, HWND window, HANDLE process) {
    targets_.push_back({name, kind, window, process});
}

HANDLE StormDesktop::StartProgram(const std::string& command, const std::string& folder) {
    const HANDLE process = fixtures::StartProgram(command, folder).process;
    if (process != nullptr) others_.push_back(process);
    return process;
}

bool StormDesktop::OpenAgent(std::string* error) {
    // Nothing in the settings starts anything: no Print Screen notice, no wheel-button function.
    agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
    agenttest::SetNumber(KB_REG_WHEEL, KB_VAL_FUNCTION, 0);
    HWND main = nullptr;
    if (!agent_.Start() || (main = agent_.WaitForMainWindow()) == nullptr || !agent_.WaitUntilIdle()) {
        *error = "keyagent.exe did not start";
        return false;
    }
    const HANDLE agent = agent_.process();
    PostMessageA(main, WM_AGENT_HOTKEY, kMediaSelectCode, 0);
    const HWND popup = WaitForWindow(agent, KB_CLASS_AGENT_POPUP);
    const HWND select = WaitForWindow(agent, KB_CLASS_MEDIA_SELECT);
    const HWND tray = WaitForWindow(agent, KB_CLASS_STATUS_TRAY);
    const HWND zoom = WaitForWindow(agent, KB_CLASS_ZOOM);
    if (!popup || !select || !tray || !zoom) {
        *error = "the agent's popup, media-select, tray or zoom window is missing";
        return false;
    }
    Add("the agent's main window", StormTargetKind::AgentMain, main, agent);
    Add("the agent's popup", StormTargetKind::Popup, popup, agent);
    Add("the media-select window", StormTargetKind::MediaSelect, select, agent);
    Add("the tray window", StormTargetKind::Tray, tray, agent);
    Add("the zoom window", StormTargetKind::Zoom, zoom, agent);
    return true;
}

bool StormDesktop::OpenApplet(std::string* error) {
    // control.exe finds the applet along the library search path, its current folder first.
    HANDLE control = StartProgram("control.exe skyrel.cpl", winsupport::BuildDir());
    const HWND dialog = control ? WaitForWindow(control, "#32770", "Skyrel RF Status") : nullptr;
    if (!dialog) {
        *error = "control.exe showed no \"Skyrel RF Status\" dialog";
        return false;
    }
    applet_ = dialog;
    Add("the applet's dialog", StormTargetKind::Applet, dialog, control);
    return true;
}

bool StormDesktop::OpenPanel(const char* panel, std::string* error) {
    const std::string server = winsupport::BuildFile(std::string(panel) == "Keyboard" ? "keypages.dll" : "mousepages.dll");
    if (fixtures::RunProgram("regsvr32.exe /s \"" + server + "\"") != 0) {
        *error = "regsvr32 did not register " + server;
        return false;
    }
    registered_.push_back(server);
    HANDLE host = StartProgram("\"" + winsupport::BuildFile("kb_panel_sheet.exe") + "\" " + panel, winsupport::BuildDir());
    const HWND sheet = host ? WaitForWindow(host, "#32770") : nullptr;
    if (!sheet) {
        *error = std::string("no sheet of the ") + panel + " control panel's pages";
        return false;
    }
    sheets_.push_back(sheet);
    for (int index = 0;; ++index) {
        DWORD_PTR page = 0;
        if (!SendMessageTimeoutA(sheet, PSM_INDEXTOHWND, index, 0, SMTO_ABORTIFHUNG, kAnswerLimitMs, &page) || !page)
            break;
        Add(std::string("the ") + panel + " page " + std::to_string(index), StormTargetKind::Page,
            reinterpret_cast<HWND>(page), host);
    }
    return true;
}

bool StormDesktop::Open(std::string* error) {
    if (!OpenAgent(error) || !OpenApplet(error) || !OpenPanel("Keyboard", error) || !OpenPanel("Mouse", error))
        return false;
    for (const StormTarget& target : targets_) {
        hooks_.push_back(std::make_unique<ThreadHook>(KB_STORM_MARKER_DLL, KB_STORM_MARKER_HOOK, target.window));
        if (!hooks_.back()->set()) {
            *error = "no marker hook on the thread of " + target.name;
            return false;
        }
    }
    return true;
}

bool StormDesktop::Settled(const StormTarget& target) {
    static const UINT marker = RegisterWindowMessageA(KB_STORM_MARKER_MESSAGE);
    char name[64];
    std::snprintf(name, sizeof name, KB_STORM_MARKER_EVENT, ++markers_);
    HANDLE taken = CreateEventA(nullptr, TRUE, FALSE, name);
    PostMessageA(target.window, marker, markers_, 0);
    const HANDLE waits[2] = {taken, target.process};
    const DWORD result = WaitForMultipleObjects(2, waits, FALSE, winetest::SLOW_WAIT_LIMIT_MS);
    CloseHandle(taken);
    return result == WAIT_OBJECT_0;
}

bool StormDesktop::AllAnswer(std::string* error) const {
    for (const StormTarget& target : targets_) {
        DWORD_PTR answer = 0;
        if (WaitForSingleObject(target.process, 0) == WAIT_OBJECT_0) {
            *error = "the process of " + target.name + " ended";
            return false;
        }
        if (!SendMessageTimeoutA(target.window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerLimitMs, &answer)) {
            *error = target.name + " does not answer";
            return false;
        }
    }
    return true;
}
