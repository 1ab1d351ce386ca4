#include "sheetext/win32/shell_extension.h"

#include "sheetext/win32/extension_interfaces.h"
#include "sheetext/win32/module.h"
#include "sheetext/win32/shell_prop_page.h"

namespace sheetext {

void* CShellExtension::operator new(size_t size) noexcept {
    return ShellAllocator()->Alloc(size);
}

void CShellExtension::operator delete(void* object) noexcept {
    ShellAllocator()->Free(object);
}

CShellExtension::CShellExtension() {
    LockModule();
}

CShellExtension::~CShellExtension() {
    ReleaseInitialization();
    UnlockModule();
}

STDMETHODIMP CShellExtension::QueryInterface(REFIID iid, void** object) {
    return QueryExtensionInterface(this, iid, object);
}

STDMETHODIMP_(ULONG) CShellExtension::AddRef() {
    return static_cast<ULONG>(++references_);
}

STDMETHODIMP_(ULONG) CShellExtension::Release() {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

void CShellExtension::ReleaseInitialization() {
    if (data_ != nullptr) data_->Release();
    data_ = nullptr;
    if (prog_id_key_ != nullptr) RegCloseKey(prog_id_key_);
    prog_id_key_ = nullptr;
}

// The drop list that the data object carries names the files the sheet is about; no page of
// ours shows them, so the list is only checked to be there, as the shell expects.
STDMETHODIMP CShellExtension::Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY prog_id_key) {
    ReleaseInitialization();
    data_ = data;
    if (prog_id_key != nullptr && RegOpenKeyExA(prog_id_key, nullptr, 0, MAXIMUM_ALLOWED, &prog_id_key_) != ERROR_SUCCESS)
        prog_id_key_ = nullptr;
    folder_ = folder;
    if (data == nullptr) return S_OK;

    data->AddRef();
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium))) return E_FAIL;
    HRESULT result = E_FAIL;
    if (medium.tymed == TYMED_HGLOBAL && GlobalLock(medium.hGlobal) != nullptr) {
        GlobalUnlock(medium.hGlobal);
        result = S_OK;
    }
    ReleaseStgMedium(&medium);
    return result;
}

STDMETHODIMP CShellExtension::AddPages(LPFNSVADDPROPSHEETPAGE add_page, LPARAM parameter) {
    for (int i = 0; i < PageCount(); ++i) {
        HPROPSHEETPAGE page = Page(i).CreateSheetPage();
        if (page == nullptr) continue;
        // Each sheet page holds one reference from its creation to its PSPCB_RELEASE. A page
        // the sheet refuses is destroyed here, and its release gives that reference back, so
        // only the accepted pages keep the object alive.
        AddRef();
        if (!add_page(page, parameter)) DestroyPropertySheetPage(page);
    }
    return S_OK;
}

STDMETHODIMP CShellExtension::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) {
    return S_OK;
}

}  // namespace sheetext
