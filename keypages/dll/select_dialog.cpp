#include "keypages/dll/select_dialog.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "keypages/dll/keyboard_page.h"
#include "keypages/logic/keypages_resources.h"
#include "sheetext/win32/module.h"

namespace keypages {

CSelectDlg::CSelectDlg(const char* name, const char* path) {
    keysettings::CopyToField(name_, name);
    keysettings::CopyToField(path_, path);
}

bool CSelectDlg::DoModal(HWND owner) {
    return DialogBoxParamA(sheetext::ModuleInstance(), MAKEINTRESOURCEA(IDD_SELECT), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this)) == IDOK;
}

void CSelectDlg::OnInitDialog(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_PROGRAM_PATH, path_);
    SetDlgItemTextA(dialog, IDC_ON_SCREEN_NAME, name_);
    // What is typed can't outgrow the fields that keep it.
    SendDlgItemMessageA(dialog, IDC_PROGRAM_PATH, EM_LIMITTEXT, sizeof(keysettings::TextField) - 1, 0);
    SendDlgItemMessageA(dialog, IDC_ON_SCREEN_NAME, EM_LIMITTEXT, sizeof(keysettings::TextField) - 1, 0);
}

void CSelectDlg::OnBrowse(HWND dialog) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA open = {};
    // The first form of the structure, which every Windows of ours takes.
    open.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    open.hwndOwner = dialog;
    open.lpstrFilter = "EXE Files\0*.exe\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.Flags = OFN_CREATEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&open)) return;
    // A path the field can't hold would be stored cut, and the key would start the wrong file
    // or nothing at all.
    if (std::strlen(file) >= sizeof path_) {
        char caption[64] = "";
        GetWindowTextA(dialog, caption, sizeof caption);
        MessageBoxA(dialog, ModuleString(IDS_PATH_TOO_LONG).get(), caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }

    SetDlgItemTextA(dialog, IDC_PROGRAM_PATH, file);
    // A file the shell can't name (one just to be created does not exist yet) leaves the name
    // empty rather than keeping the name of another program.
    SHFILEINFOA info = {};
    const bool named = SHGetFileInfoA(file, FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_DISPLAYNAME) != 0;
    SetDlgItemTextA(dialog, IDC_ON_SCREEN_NAME, named ? info.szDisplayName : "");
}

void CSelectDlg::OnOk(HWND dialog) {
    GetDlgItemTextA(dialog, IDC_PROGRAM_PATH, path_, sizeof path_);
    GetDlgItemTextA(dialog, IDC_ON_SCREEN_NAME, name_, sizeof name_);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK CSelectDlg::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only the dialog's own making carries the object: any process may send WM_INITDIALOG later,
    // with any lParam.
    if (message == WM_INITDIALOG && GetWindowLongPtrA(dialog, DWLP_USER) == 0) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<CSelectDlg*>(lParam)->OnInitDialog(dialog);
        return TRUE;
    }
    auto* self = reinterpret_cast<CSelectDlg*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (self == nullptr || message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_BROWSE:
        self->OnBrowse(dialog);
        return TRUE;
    case IDOK:
        self->OnOk(dialog);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace keypages
