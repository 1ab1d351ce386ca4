#include "keypages/tests/wine/test_sheet.h"

namespace kp_test {

TestSheet::TestSheet(const std::vector<HPROPSHEETPAGE>& pages, int startPage) {
    std::vector<HPROPSHEETPAGE> handles = pages;
    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_MODELESS | PSH_PROPTITLE;
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = "Keyboard";
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = static_cast<UINT>(startPage);
    header.phpage = handles.data();
    window_ = reinterpret_cast<HWND>(PropertySheetA(&header));
    Pump();
}

TestSheet::~TestSheet() {
    Destroy();
}

HWND TestSheet::Page(int index) const {
    return reinterpret_cast<HWND>(SendMessageA(window_, PSM_INDEXTOHWND, index, 0));
}

HWND TestSheet::Show(int index) {
    SendMessageA(window_, PSM_SETCURSEL, index, 0);
    Pump();
    return Page(index);
}

void TestSheet::Press(int button) {
    SendMessageA(window_, PSM_PRESSBUTTON, button, 0);
    Pump();
}

void TestSheet::PressApply() {
    Press(PSBTN_APPLYNOW);
}

void TestSheet::PressOk() {
    Press(PSBTN_OK);
}

void TestSheet::PressCancel() {
    Press(PSBTN_CANCEL);
}

bool TestSheet::ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(window_, kApplyButton)) != FALSE;
}

bool TestSheet::Ended() const {
    return window_ == nullptr || SendMessageA(window_, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

void TestSheet::Destroy() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    Pump();
}

void TestSheet::Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace kp_test
