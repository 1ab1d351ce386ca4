#include "tools/simulator/desktop/control_panel.h"

#include <commctrl.h>
#include <prsht.h>

#include <memory>

#include "common/registry_names.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/sheets/page_collector.h"
#include "tools/fixtures/sheets/page_input.h"
#include "tools/fixtures/sheets/shell_handlers.h"
#include "tools/fixtures/sheets/test_sheet.h"
#include "tools/winsupport/build_files.h"

namespace sim {
namespace {

constexpr DWORD kSheetLimitMs = 30000;

struct PanelFacts {
    const char* caption;
    const wchar_t* applet_key;
    const char* handler_key;
    const char* server;
    int start_page;
};

PanelFacts FactsOf(Panel panel) {
    if (panel == Panel::Keyboard)
        return {"Keyboard", L"Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Keyboard",
                KB_REG_KEYBOARD_SHEET_HANDLER, "keypages.dll", 1};
    return {"Mouse", L"Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Mouse",
            KB_REG_MOUSE_SHEET_HANDLER, "mousepages.dll", 1};
}

bool KeyExists(const char* key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    std::string words;
    for (const char* c = text; *c; ++c)
        if (*c != '&') words += *c;
    return words;
}

struct PageView {
    std::vector<std::string> lines;
    HWND first_list = nullptr;
};

BOOL CALLBACK LookAtControl(HWND control, LPARAM view_address) {
    auto* view = reinterpret_cast<PageView*>(view_address);
    char class_name[32] = "";
    GetClassNameA(control, class_name, sizeof class_name);
    if (!IsWindowVisible(control)) return TRUE;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG kind = style & BS_TYPEMASK;
    if (lstrcmpiA(class_name, "Button") == 0 &&
        (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON)) {
        if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            view->lines.push_back(std::string(kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX ? "ticked: \"" : "chosen: \"") +
                                  WindowText(control) + "\"");
    } else if (lstrcmpiA(class_name, "ComboBox") == 0) {
        if (view->first_list == nullptr) view->first_list = control;
        const LRESULT item = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (item != CB_ERR) {
            char text[256] = "";
            if (SendMessageA(control, CB_GETLBTEXTLEN, item, 0) < static_cast<LRESULT>(sizeof text))
                SendMessageA(control, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
            view->lines.push_back(std::string("list: \"") + text + "\"" + (IsWindowEnabled(control) ? "" : " (disabled)"));
        }
    } else if (lstrcmpiA(class_name, "Edit") == 0 && IsWindowEnabled(control)) {
        view->lines.push_back("field: \"" + WindowText(control) + "\"");
    }
    return TRUE;
}

PageView LookAt(HWND page) {
    PageView view;
    if (page != nullptr) EnumChildWindows(page, LookAtControl, reinterpret_cast<LPARAM>(&view));
    return view;
}

}  // namespace

ControlPanel::~ControlPanel() {
    Close(PSBTN_CANCEL);
    for (const std::string& server : registered_)
        fixtures::RunProgram("regsvr32.exe /s /u \"" + server + "\"");
}

bool ControlPanel::Open(Panel panel, std::string* error) {
    if (is_open()) {
        *error = "a control panel's sheet is open already";
        return false;
    }
    const PanelFacts facts = FactsOf(panel);
    if (!KeyExists(facts.handler_key)) {
        const std::string server = winsupport::BuildFile(facts.server);
        if (fixtures::RunProgram("regsvr32.exe /s \"" + server + "\"") != 0) {
            *error = std::string("regsvr32 did not register ") + facts.server;
            return false;
        }
        registered_.push_back(server);
    }
    panel_ = panel;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (thread_ == nullptr || WaitForSingleObject(ready_, kSheetLimitMs) != WAIT_OBJECT_0 || sheet_ == nullptr) {
        *error = std::string("shell32 found no pages for the ") + facts.caption + " control panel";
        Close(PSBTN_CANCEL);
        return false;
    }
    return true;
}

DWORD WINAPI ControlPanel::Run(void* address) {
    auto* self = static_cast<ControlPanel*>(address);
    const PanelFacts facts = FactsOf(self->panel_);
    CoInitialize(nullptr);
    {
        sheet_test::ShellHandlers handlers(facts.applet_key);
        sheet_test::PageCollector collector;
        handlers.AddPages(collector);
        std::unique_ptr<sheet_test::TestSheet> sheet;
        if (!collector.pages.empty())
            sheet.reset(new sheet_test::TestSheet(facts.caption, collector.pages, facts.start_page));
        self->sheet_ = sheet ? sheet->window() : nullptr;
        SetEvent(self->ready_);
        // A modeless sheet ends when OK or Cancel leaves it without a current page.
        MSG message;
        while (sheet && !sheet->Ended() && GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (!PropSheet_IsDialogMessage(sheet->window(), &message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }
    CoUninitialize();
    return 0;
}

void ControlPanel::Close(int button) {
    if (sheet_ != nullptr && IsWindow(sheet_)) {
        SendMessageA(sheet_, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
        // Wakes the sheet's loop, which looks for the end after each message.
        PostMessageA(sheet_, WM_NULL, 0, 0);
    }
    // A sheet that never ends is left to the process's end; its thread is not cut off.
    if (thread_ != nullptr) {
        ended_ = WaitForSingleObject(thread_, kSheetLimitMs) == WAIT_OBJECT_0;
        CloseHandle(thread_);
    }
    if (ready_ != nullptr) CloseHandle(ready_);
    thread_ = ready_ = nullptr;
    sheet_ = nullptr;
}

HWND ControlPanel::Page() const {
    return sheet_ ? reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
}

std::vector<std::string> ControlPanel::Describe() const {
    HWND page = Page();
    std::vector<std::string> lines;
    if (page == nullptr) return lines;
    lines.push_back("the \"" + WindowText(sheet_) + "\" sheet shows its \"" + WindowText(page) + "\" page");
    for (const std::string& line : LookAt(page).lines) lines.push_back("  " + line);
    return lines;
}

bool ControlPanel::Pick(int index) {
    HWND page = Page();
    HWND list = LookAt(page).first_list;
    if (list == nullptr || index < 0 || index >= SendMessageA(list, CB_GETCOUNT, 0, 0)) return false;
    sheet_test::PickComboItem(page, GetDlgCtrlID(list), index);
    return true;
}

bool ControlPanel::PressOk() {
    if (!is_open()) return false;
    Close(PSBTN_OK);
    return ended_;
}

}  // namespace sim
