#include "keypages/tests/wine/page_input.h"

#include <vector>

namespace kp_test {

void Click(HWND dialog, int control) {
    SendDlgItemMessageA(dialog, control, BM_CLICK, 0, 0);
}

void Type(HWND dialog, int control, const std::string& text) {
    for (char c : text) SendDlgItemMessageA(dialog, control, WM_CHAR, static_cast<BYTE>(c), 1);
}

void PickComboItem(HWND dialog, int control, int index) {
    SendDlgItemMessageA(dialog, control, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

void PickListItem(HWND dialog, int control, int index) {
    SendDlgItemMessageA(dialog, control, LB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

std::string Text(HWND dialog, int control) {
    std::vector<char> text(1024);
    GetDlgItemTextA(dialog, control, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ComboItemText(HWND dialog, int control, int index) {
    const LRESULT length = SendDlgItemMessageA(dialog, control, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return "(no item)";
    std::vector<char> text(length + 1);
    SendDlgItemMessageA(dialog, control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

bool Shown(HWND dialog, int control) {
    return (GetWindowLongA(GetDlgItem(dialog, control), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool Enabled(HWND dialog, int control) {
    return IsWindowEnabled(GetDlgItem(dialog, control)) != FALSE;
}

bool Checked(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

}  // namespace kp_test
