#include "sheetext/win32/shell_prop_page.h"

#include "sheetext/win32/module.h"
#include "sheetext/win32/shell_extension.h"

namespace sheetext {
namespace {

// The page whose dialog the sheet is creating. A dialog gets messages before WM_INITDIALOG
// hands it its page (an owner-drawn control asks for its item height as it is made), so the
// page is announced by PSPCB_CREATE, which comes just before. All pages live on one thread.
CShellPropPage* g_page_being_created = nullptr;

}  // namespace

CShellPropPage::CShellPropPage(CShellExtension* owner, int template_id) : owner_(owner), description_() {
    // The first form of the description, which every common-controls version takes.
    description_.dwSize = PROPSHEETPAGEA_V1_SIZE;
    description_.dwFlags = PSP_DEFAULT | PSP_USECALLBACK;
    description_.hInstance = ModuleInstance();
    description_.pszTemplate = MAKEINTRESOURCEA(template_id);
    description_.pfnDlgProc = DialogProc;
    description_.lParam = reinterpret_cast<LPARAM>(this);
    description_.pfnCallback = PageCallback;
}

HPROPSHEETPAGE CShellPropPage::CreateSheetPage() {
    return CreatePropertySheetPageA(&description_);
}

INT_PTR CALLBACK CShellPropPage::DialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CShellPropPage*>(GetWindowLongPtrA(page, DWLP_USER));
    if (message == WM_INITDIALOG) {
        // The page's own making comes once, with its description; a WM_INITDIALOG that any
        // process may send later, with any lParam, is not the page's.
        if (self != nullptr) return FALSE;
        self = reinterpret_cast<CShellPropPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        g_page_being_created = nullptr;
    } else if (self == nullptr) {
        self = g_page_being_created;
    }
    return self != nullptr ? self->OnMessage(page, message, wParam, lParam) : FALSE;
}

UINT CALLBACK CShellPropPage::PageCallback(HWND, UINT message, LPPROPSHEETPAGEA description) {
    switch (message) {
    case PSPCB_CREATE:
        g_page_being_created = reinterpret_cast<CShellPropPage*>(description->lParam);
        return 1;
    case PSPCB_RELEASE:
        // The last release destroys the extension object and this page with it.
        reinterpret_cast<CShellPropPage*>(description->lParam)->owner_->Release();
        return 0;
    default:
        return 0;
    }
}

void MarkChanged(HWND page) {
    PropSheet_Changed(GetParent(page), page);
}

INT_PTR NotifyResult(HWND page, LONG_PTR result) {
    SetWindowLongPtrA(page, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace sheetext
