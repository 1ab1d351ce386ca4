#include "keypages/tests/wine/modal_driver.h"

#include <commctrl.h>

#include <vector>

namespace kp_test {
namespace {

// Far beyond what a dialog takes to appear (the file dialog reads the folder first), so only a
// dialog that never comes fails the test.
constexpr DWORD kGiveUpMs = 30000;

BOOL CALLBACK KeepDialog(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// The visible top-level dialogs of a thread.
std::vector<HWND> DialogsOf(DWORD thread) {
    std::vector<HWND> dialogs;
    EnumThreadWindows(thread, KeepDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

}  // namespace

ModalDriver::ModalDriver(std::function<bool(ModalDriver&)> script)
    : script_(std::move(script)), test_thread_(GetCurrentThreadId()) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

ModalDriver::~ModalDriver() {
    Finish();
}

bool ModalDriver::Finish() {
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return succeeded_;
}

DWORD WINAPI ModalDriver::Run(void* parameter) {
    auto* self = static_cast<ModalDriver*>(parameter);
    self->succeeded_ = self->script_(*self);
    if (!self->succeeded_) self->CancelEveryDialog();
    return 0;
}

bool ModalDriver::Fail(const std::string& why) {
    if (failure_.empty()) failure_ = why;
    return false;
}

HWND ModalDriver::WaitFor(const std::function<bool(HWND)>& wanted, const std::string& what) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kGiveUpMs) {
        for (HWND dialog : DialogsOf(test_thread_)) {
            if (wanted(dialog)) return dialog;
        }
        Sleep(20);
    }
    Fail("no " + what + " appeared");
    return nullptr;
}

HWND ModalDriver::WaitForDialog(const char* title, HWND owner) {
    return WaitFor(
        [&](HWND dialog) {
            char text[64] = "";
            GetWindowTextA(dialog, text, sizeof text);
            return lstrcmpA(text, title) == 0 && (owner == nullptr || GetWindow(dialog, GW_OWNER) == owner);
        },
        std::string("dialog \"") + title + "\"");
}

HWND ModalDriver::WaitForDialogOwnedBy(HWND owner) {
    return WaitFor([&](HWND dialog) { return GetWindow(dialog, GW_OWNER) == owner; }, "message box");
}

bool ModalDriver::WaitUntilClosed(HWND dialog) {
    const DWORD start = GetTickCount();
    while (IsWindow(dialog)) {
        if (GetTickCount() - start > kGiveUpMs) return Fail("a dialog did not close");
        Sleep(20);
    }
    return true;
}

void ModalDriver::PostClick(HWND dialog, int control) {
    PostMessageA(GetDlgItem(dialog, control), BM_CLICK, 0, 0);
}

void ModalDriver::Retype(HWND dialog, int control, const std::string& text) {
    SendDlgItemMessageA(dialog, control, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(dialog, control, WM_CHAR, VK_BACK, 1);
    for (char c : text) SendDlgItemMessageA(dialog, control, WM_CHAR, static_cast<BYTE>(c), 1);
}

bool ModalDriver::ChooseFile(HWND file_dialog, const std::string& path) {
    // The name box is an edit of its own (edt1), or the edit of an extended combo box (cmb13),
    // as Wine's dialog has it.
    HWND name = GetDlgItem(file_dialog, 0x480);
    if (name == nullptr) name = reinterpret_cast<HWND>(SendDlgItemMessageA(file_dialog, 0x47C, CBEM_GETEDITCONTROL, 0, 0));
    if (name == nullptr) return Fail("the file dialog has no file name box");
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostClick(file_dialog, IDOK);
    return true;
}

// Every modal dialog has an owner; the sheet, which is not modal, has none and stays.
void ModalDriver::CancelEveryDialog() {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kGiveUpMs) {
        bool open = false;
        for (HWND dialog : DialogsOf(test_thread_)) {
            if (GetWindow(dialog, GW_OWNER) == nullptr) continue;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            open = true;
        }
        if (!open) return;
        Sleep(100);
    }
}

}  // namespace kp_test
