#include "agent/win32/print_screen_notice.h"

#include "agent/win32/agent_state.h"
#include "agent/win32/print_screen_ids.h"
#include "agent/win32/settings_store.h"

namespace {

INT_PTR CALLBACK NoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    KeyboardSettings& settings = Agent().settings;
    switch (message) {
    case WM_INITDIALOG:
        CheckDlgButton(dialog, KB_IDC_SHOW_PRTSCR, settings.PrtScr ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case KB_IDC_SHOW_PRTSCR:
            settings.PrtScr = IsDlgButtonChecked(dialog, KB_IDC_SHOW_PRTSCR);
            return TRUE;
        case IDOK:
            SaveOptions(settings);
            EndDialog(dialog, 1);
            return TRUE;
        default:
            // Escape and the close box (IDCANCEL) leave the notice open.
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

void RunPrintScreenNotice(HINSTANCE instance, HWND owner) {
    // The notice's own loop serves the popup, and so the next Print Screen: that one finds the
    // notice still open rather than stacking another on it.
    static bool open;
    if (open) return;
    open = true;
    DialogBoxParamA(instance, MAKEINTRESOURCEA(KB_IDD_PRINT_SCREEN), owner, NoticeProc, 0);
    open = false;
}
