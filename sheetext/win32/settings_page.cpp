#include "sheetext/win32/settings_page.h"

namespace sheetext {

INT_PTR CSettingsPage::OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadSettings();
        OnInitDialog(page);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(PSN_APPLY)) return FALSE;
        OnApply(page);
        return NotifyResult(page, PSNRET_NOERROR);
    default:
        return OnPageMessage(page, message, wParam, lParam);
    }
}

}  // namespace sheetext
