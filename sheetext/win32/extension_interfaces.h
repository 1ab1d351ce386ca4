// What an object that is both a shell extension's IShellExtInit and its IShellPropSheetExt, with
// one reference count, answers to QueryInterface.
#pragma once

#include <windows.h>
#include <shlobj.h>

namespace sheetext {

template <typename Extension>
HRESULT QueryExtensionInterface(Extension* extension, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit)) {
        *object = static_cast<IShellExtInit*>(extension);
    } else if (IsEqualIID(iid, IID_IShellPropSheetExt)) {
        *object = static_cast<IShellPropSheetExt*>(extension);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    extension->AddRef();
    return S_OK;
}

}  // namespace sheetext
