#include "sheetext/win32/class_factory.h"

#include "sheetext/win32/module.h"
#include "sheetext/win32/server.h"
#include "sheetext/win32/shell_extension.h"

namespace sheetext {

ClassFactory& Factory() {
    static ClassFactory factory;
    return factory;
}

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

// The factory is a static object: its count only tells DllCanUnloadNow whether clients hold it.
STDMETHODIMP_(ULONG) ClassFactory::AddRef() {
    return static_cast<ULONG>(++clients_);
}

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    return static_cast<ULONG>(--clients_);
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    CShellExtension* extension = kServer.create_extension();
    if (extension == nullptr) return E_OUTOFMEMORY;
    // The object starts with one reference; the interface asked for takes its own, and an
    // interface it does not have leaves it with none.
    const HRESULT result = extension->QueryInterface(iid, object);
    extension->Release();
    return result;
}

// An unlock without a lock is ignored: taken from the module's count it would let the server
// be unloaded under a live extension object.
STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ++server_locks_;
        LockModule();
    } else if (server_locks_ > 0) {
        --server_locks_;
        UnlockModule();
    }
    return S_OK;
}

}  // namespace sheetext
