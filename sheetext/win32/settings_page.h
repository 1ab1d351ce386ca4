// CSettingsPage: a page that keeps its own copy of some settings, read as its dialog is made
// and written when the sheet applies it (OK or Apply). What the page does with its controls in
// between is its own.
#pragma once

#include <windows.h>

#include "sheetext/win32/shell_prop_page.h"

namespace sheetext {

class CSettingsPage : public CShellPropPage {
protected:
    using CShellPropPage::CShellPropPage;

    // Reads the page's settings from the registry, just before OnInitDialog.
    virtual void LoadSettings() = 0;
    virtual void OnInitDialog(HWND page) = 0;
    virtual void OnCommand(HWND page, int control, int code) = 0;
    // PSN_APPLY: the page writes its settings; the sheet then goes on as by default.
    virtual void OnApply(HWND page) = 0;
    // Any other message of the page's dialog; FALSE when the page leaves it to the dialog.
    virtual INT_PTR OnPageMessage(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

private:
    INT_PTR OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) final;
};

}  // namespace sheetext
