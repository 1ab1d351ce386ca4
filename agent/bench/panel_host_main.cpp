// soak_panel_host.exe: the soak's panel host (agent/bench/panel_host.h). Each round opens the
// status applet as the Control Panel does and ticks and clears its lock box from this thread while
// the dialog runs modally on its own; then the Keyboard and the Mouse control panels' pages as
// shell32 finds them, where a box is ticked, applied, cleared and the sheet ended with OK, so that
// the settings end each round as they began. The GDI and USER objects the three servers make are
// counted in this process. Never shipped.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <cstdio>
#include <string>

#include "agent/bench/gui_object_counter.h"
#include "agent/bench/handler_stand_in.h"
#include "agent/bench/panel_host.h"
#include "common/registry_names.h"
#include "keypages/dll/keypages_clsid.h"
#include "keypages/logic/keypages_resources.h"
#include "mousepages/dll/mousepages_clsid.h"
#include "mousepages/logic/mousepages_resources.h"
#include "statusapplet/logic/applet_resources.h"
#include "tools/fixtures/applet_host.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/sheets/page_collector.h"
#include "tools/fixtures/sheets/page_input.h"
#include "tools/fixtures/sheets/shell_handlers.h"
#include "tools/fixtures/sheets/test_sheet.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

constexpr int kKeyboardOptionsPage = 2;
constexpr int kMouseWheelPage = 0;

struct Panel {
    const wchar_t* applet_key;  // below HKEY_LOCAL_MACHINE, where shell32 finds the handlers
    const char* caption;
    const char* server;          // the server's file and class
    const CLSID* clsid;
    UINT pages;
    int page;                    // the page and the box on it that the round changes
    int box;
    const char* setting_key;     // where that box's setting is stored
    const char* setting;
};

const Panel kKeyboard = {L"" KB_REG_CONTROLS_FOLDER "Keyboard", "Keyboard", "keypages.dll",
                         &keypages::kKeyPagesClsid, 3,
                         kKeyboardOptionsPage, IDC_DISABLE_CAPS_LOCK, KB_REG_KEYBOARD_OPTION, KB_VAL_CAPS_LOCK};
const Panel kMouse = {L"" KB_REG_CONTROLS_FOLDER "Mouse", "Mouse", "mousepages.dll",
                      &mousepages::kMousePagesClsid, 2,
                      kMouseWheelPage, IDC_REVERSE, KB_REG_WHEEL, KB_VAL_SCROLL_REVERSE};

class Round {
public:
    explicit Round(PANEL_HOST_RECORD& record) : record_(record) {}

    // Notes the failed step; always false.
    bool Fail(const char* step) {
        std::snprintf(record_.LastFailure, sizeof record_.LastFailure, "%s", step);
        return false;
    }

private:
    PANEL_HOST_RECORD& record_;
};

// The stored value of a setting, or ~0 while it is missing.
DWORD StoredSetting(const char* key, const char* name) {
    DWORD value = ~0u, size = sizeof value;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return value;
    if (RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        value = ~0u;
    RegCloseKey(opened);
    return value;
}

bool WaitUntilEnabled(HWND control) {
    const DWORD start = GetTickCount();
    while (!IsWindowEnabled(control)) {
        if (GetTickCount() - start > winetest::SLOW_WAIT_LIMIT_MS) return false;
        Sleep(20);
    }
    return true;
}

// Each click of the lock box sends the lock to both filters and stores it; the box stays as
// clicked only when the companion filter took it.
bool AppletRound(Round& round) {
    applet_test::AppletLibrary library;
    if (!library.loaded()) return round.Fail("skyrel.cpl did not load");
    gui_counter::CountObjectsOf(library.module());
    applet_test::OpenDialog dialog(library);
    if (!dialog.window()) return round.Fail("the status dialog did not open");
    HWND box = dialog.Control(KB_IDC_LOCK);
    // The box is enabled once a refresh has seen the receiver report its devices.
    if (!WaitUntilEnabled(box)) return round.Fail("the lock box stayed disabled");
    for (int click = 0; click < 2; ++click) {
        const LRESULT before = SendMessageA(box, BM_GETCHECK, 0, 0);
        SendMessageA(box, BM_CLICK, 0, 0);
        if (SendMessageA(box, BM_GETCHECK, 0, 0) == before) return round.Fail("the lock box went back");
    }
    if (!dialog.Close()) return round.Fail("the status dialog did not end with 0");
    return true;
}

bool DriveSheet(const Panel& panel, Round& round) {
    sheet_test::ShellHandlers handlers(panel.applet_key);
    if (!handlers.found()) return round.Fail("shell32 found no handler");
    sheet_test::PageCollector collector;
    if (handlers.AddPages(collector) != panel.pages) {
        for (HPROPSHEETPAGE page : collector.pages) DestroyPropertySheetPage(page);
        return round.Fail("the server added another number of pages");
    }
    sheet_test::TestSheet sheet(panel.caption, collector.pages, panel.page);
    HWND page = sheet.Page(panel.page);
    if (!page) return round.Fail("the page has no window");
    const DWORD before = StoredSetting(panel.setting_key, panel.setting);
    sheet_test::Click(page, panel.box);
    sheet.PressApply();
    if (StoredSetting(panel.setting_key, panel.setting) == before) return round.Fail("Apply stored nothing");
    sheet_test::Click(page, panel.box);
    sheet.PressOk();
    if (!sheet.Ended()) return round.Fail("OK did not end the sheet");
    return true;
}

// The sheet and shell32's array go before the handlers shell32 kept are let go; then the
// server's objects, pages and all, must be gone.
bool PanelRound(const Panel& panel, HandlerStandIns& standIns, PANEL_HOST_RECORD& record, Round& round) {
    const bool done = DriveSheet(panel, round);
    InterlockedExchangeAdd(&record.KeptHandlers, standIns.LetGoOfKept());
    if (done && !standIns.ServerIdle()) return round.Fail("the server kept objects after its sheet");
    return done;
}

void RunRound(HandlerStandIns& keyboard, HandlerStandIns& mouse, PANEL_HOST_RECORD& record) {
    Round round(record);
    const bool done = AppletRound(round) && PanelRound(kKeyboard, keyboard, record, round) &&
                      PanelRound(kMouse, mouse, record, round);
    InterlockedIncrement(done ? &record.Rounds : &record.FailedRounds);
}

bool RunRegsvr32(const char* verb, const char* server) {
    return fixtures::RunProgram(std::string("regsvr32.exe /s ") + verb + "\"" + winsupport::BuildFile(server) + "\"") == 0;
}

// Rounds until the soak says stop, holding whenever it asks; false when the stand-ins could not
// take their place.
bool Serve(PANEL_HOST_RECORD& record, HANDLE run, HANDLE held, HANDLE stop) {
    HandlerStandIns keyboard(kKeyboard.server, *kKeyboard.clsid);
    HandlerStandIns mouse(kMouse.server, *kMouse.clsid);
    if (!keyboard.registered() || !mouse.registered()) {
        std::snprintf(record.LastFailure, sizeof record.LastFailure, "the handlers' stand-ins were not registered");
        return false;
    }
    gui_counter::CountObjectsOf(keyboard.server());
    gui_counter::CountObjectsOf(mouse.server());
    while (WaitForSingleObject(stop, 0) != WAIT_OBJECT_0) {
        if (WaitForSingleObject(run, 0) != WAIT_OBJECT_0) {
            // A round starts only after this event was reset and `run` was found set again.
            SetEvent(held);
            HANDLE either[] = {run, stop};
            WaitForMultipleObjects(2, either, FALSE, INFINITE);
            ResetEvent(held);
            continue;
        }
        RunRound(keyboard, mouse, record);
    }
    return true;
}

}  // namespace

int main() {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kPanelHostRecord);
    auto* record = mapping ? static_cast<PANEL_HOST_RECORD*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    HANDLE run = OpenEventA(SYNCHRONIZE, FALSE, kPanelHostRun);
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, kPanelHostHeld);
    HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, kPanelHostStop);
    if (!record || !run || !held || !stop || !gui_counter::StartCounting()) return 2;
    if (CoInitialize(nullptr) != S_OK) return 2;
    bool served = false;
    if (RunRegsvr32("", "keypages.dll") && RunRegsvr32("", "mousepages.dll"))
        served = Serve(*record, run, held, stop);
    else
        std::snprintf(record->LastFailure, sizeof record->LastFailure, "regsvr32 did not register the servers");
    RunRegsvr32("/u ", "keypages.dll");
    RunRegsvr32("/u ", "mousepages.dll");
    CoUninitialize();
    return served ? 0 : 1;
}
