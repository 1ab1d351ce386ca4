// CShellPropPage: a property page made from a dialog template of the server, whose tab title
// is the template's caption. It belongs to its CShellExtension and keeps it alive while the
// sheet shows it.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace sheetext {

class CShellExtension;

class CShellPropPage {
public:
    CShellPropPage(CShellExtension* owner, int template_id);
    virtual ~CShellPropPage() = default;
    CShellPropPage(const CShellPropPage&) = delete;
    CShellPropPage& operator=(const CShellPropPage&) = delete;

    // A sheet page made from this page's description; null when it can't be made.
    HPROPSHEETPAGE CreateSheetPage();

protected:
    // Every message of the page's dialog, some of which come before WM_INITDIALOG; the result
    // is the dialog procedure's.
    virtual INT_PTR OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    CShellExtension* owner() const { return owner_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    static UINT CALLBACK PageCallback(HWND page, UINT message, LPPROPSHEETPAGEA description);

    CShellExtension* owner_;
    PROPSHEETPAGEA description_;
};

// Marks the page changed, which enables the sheet's Apply button.
void MarkChanged(HWND page);

// Answers a notification: the value the sheet reads back (PSNRET_NOERROR and the like).
INT_PTR NotifyResult(HWND page, LONG_PTR result);

}  // namespace sheetext
