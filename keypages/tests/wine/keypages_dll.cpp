#include "keypages/tests/wine/keypages_dll.h"

#include "keypages/dll/keypages_clsid.h"

namespace kp_test {

template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

KeypagesDll::KeypagesDll() : module_(LoadLibraryA("keypages.dll")) {
    if (module_ == nullptr) return;
    getClassObject_ = Export<decltype(getClassObject_)>(module_, "DllGetClassObject");
    canUnloadNow_ = Export<decltype(canUnloadNow_)>(module_, "DllCanUnloadNow");
}

KeypagesDll::~KeypagesDll() {
    if (module_ != nullptr) FreeLibrary(module_);
}

HRESULT KeypagesDll::GetClassObject(REFCLSID clsid, REFIID iid, void** object) const {
    return getClassObject_ ? getClassObject_(clsid, iid, object) : E_FAIL;
}

HRESULT KeypagesDll::CanUnloadNow() const {
    return canUnloadNow_ ? canUnloadNow_() : E_FAIL;
}

IShellExtInit* KeypagesDll::CreateExtension() const {
    IClassFactory* factory = nullptr;
    if (FAILED(GetClassObject(keypages::kKeyPagesClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))))
        return nullptr;
    IShellExtInit* extension = nullptr;
    factory->CreateInstance(nullptr, IID_IShellExtInit, reinterpret_cast<void**>(&extension));
    factory->Release();
    return extension;
}

BOOL CALLBACK PageCollector::Add(HPROPSHEETPAGE page, LPARAM collector) {
    auto* self = reinterpret_cast<PageCollector*>(collector);
    if (self->accept) self->pages.push_back(page);
    return self->accept;
}

HRESULT AddPages(IShellExtInit* extension, PageCollector& collector) {
    IShellPropSheetExt* sheetExtension = nullptr;
    HRESULT result = extension->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&sheetExtension));
    if (FAILED(result)) return result;
    result = sheetExtension->AddPages(PageCollector::Add, reinterpret_cast<LPARAM>(&collector));
    sheetExtension->Release();
    return result;
}

ULONG References(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

}  // namespace kp_test
