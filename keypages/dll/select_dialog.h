// CSelectDlg: the "Select" dialog in which the user names a hot key's custom program, typed
// or found with the file dialog, and the name the agent's popup shows for it.
#pragma once

#include <windows.h>

#include "keysettings/logic/text_field.h"

namespace keypages {

class CSelectDlg {
public:
    CSelectDlg(const char* name, const char* path);
    CSelectDlg(const CSelectDlg&) = delete;
    CSelectDlg& operator=(const CSelectDlg&) = delete;

    // Shows the dialog over `owner` until it is closed; true after OK, and then name() and
    // path() are the texts as edited, each cut to a field's 127 characters.
    bool DoModal(HWND owner);
    const char* name() const { return name_; }
    const char* path() const { return path_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND dialog);
    void OnBrowse(HWND dialog);
    void OnOk(HWND dialog);

    keysettings::TextField name_ = {};
    keysettings::TextField path_ = {};
};

}  // namespace keypages
