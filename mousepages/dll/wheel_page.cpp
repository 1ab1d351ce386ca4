#include "mousepages/dll/wheel_page.h"

#include <commctrl.h>

#include "mousepages/logic/mousepages_resources.h"
#include "registry/win32/win32_registry.h"
#include "sheetext/win32/settings_notice.h"

namespace mousepages {

CPage1::CPage1(sheetext::CShellExtension* owner) : WheelSettingsPage(owner, IDD_WHEEL) {}

void CPage1::LoadSettings() {
    reg::Win32Registry registry;
    values_ = LoadWheelValues(registry);
    opened_lines_ = values_.ScrollLines;
}

void CPage1::OnInitDialog(HWND page) {
    opening_ = true;
    SendDlgItemMessageA(page, IDC_SCROLL_LINES_SPIN, UDM_SETRANGE, 0, MAKELPARAM(kMaxScrollLines, 0));
    SendDlgItemMessageA(page, IDC_SCROLL_LINES_SPIN, UDM_SETPOS, 0, MAKELPARAM(values_.ScrollLines, 0));
    CheckRadioButton(page, IDC_LINE_MODE, IDC_PAGE_MODE, values_.ScrollMode == 1 ? IDC_PAGE_MODE : IDC_LINE_MODE);
    CheckDlgButton(page, IDC_REVERSE, values_.Reverse != 0 ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemInt(page, IDC_SCROLL_LINES, values_.ScrollLines, TRUE);
    opening_ = false;
}

void CPage1::OnCommand(HWND page, int control, int code) {
    if (code == BN_CLICKED && (control == IDC_LINE_MODE || control == IDC_PAGE_MODE)) {
        CheckRadioButton(page, IDC_LINE_MODE, IDC_PAGE_MODE, control);
        Changed(page);
    } else if ((code == BN_CLICKED && control == IDC_REVERSE) || (code == EN_CHANGE && control == IDC_SCROLL_LINES)) {
        Changed(page);
    }
}

// Page mode keeps the lines the page holds, whatever the edit shows; line mode takes the edit's
// number as typed, even above what the up-down offers. An edit that holds no number keeps the
// lines the page opened with: 0 would leave the platform's wheel scrolling nothing wherever the
// hook doesn't run.
void CPage1::OnApply(HWND page) {
    if (IsDlgButtonChecked(page, IDC_PAGE_MODE) == BST_CHECKED) {
        values_.ScrollMode = 1;
    } else {
        values_.ScrollMode = 0;
        BOOL typed = FALSE;
        const UINT lines = GetDlgItemInt(page, IDC_SCROLL_LINES, &typed, FALSE);
        values_.ScrollLines = typed ? lines : opened_lines_;
    }
    // The platform's own notice of the change (SPIF_SENDCHANGE) waits for every window, a hung
    // one too: the page sends it itself.
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, SystemScrollLines(values_), nullptr, 0);
    sheetext::SendSettingsNotice(HWND_BROADCAST, SPI_SETWHEELSCROLLLINES);
    values_.Reverse = SendDlgItemMessageA(page, IDC_REVERSE, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    reg::Win32Registry registry;
    SaveWheelValues(registry, values_);
    AnnounceSettingsChange();
}

}  // namespace mousepages
