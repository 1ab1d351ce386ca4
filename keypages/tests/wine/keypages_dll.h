// keypages.dll as the shell meets it: loaded into the test process, its class object, its
// extension objects and the pages they hand to a property sheet.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <vector>

namespace kp_test {

class KeypagesDll {
public:
    KeypagesDll();
    ~KeypagesDll();
    KeypagesDll(const KeypagesDll&) = delete;
    KeypagesDll& operator=(const KeypagesDll&) = delete;

    HMODULE module() const { return module_; }
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object) const;
    HRESULT CanUnloadNow() const;
    // A new extension object through the class factory, as its IShellExtInit; null on failure.
    IShellExtInit* CreateExtension() const;

private:
    HMODULE module_;
    HRESULT(STDAPICALLTYPE* getClassObject_)(REFCLSID, REFIID, void**) = nullptr;
    HRESULT(STDAPICALLTYPE* canUnloadNow_)() = nullptr;
};

// An add-page callback that keeps the pages it is given, or refuses them all.
struct PageCollector {
    bool accept = true;
    std::vector<HPROPSHEETPAGE> pages;

    static BOOL CALLBACK Add(HPROPSHEETPAGE page, LPARAM collector);
};

// Asks the extension for its pages as the shell does: IShellPropSheetExt::AddPages.
HRESULT AddPages(IShellExtInit* extension, PageCollector& collector);

// The object's reference count, read by adding one reference and taking it back.
ULONG References(IUnknown* object);

}  // namespace kp_test
