// The server's one class factory: it makes CShellExtension objects for the server's CLSID.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace sheetext {

class ClassFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

    // True while some client holds a reference to the factory.
    bool HasClients() const { return clients_ != 0; }

private:
    LONG clients_ = 0;
    LONG server_locks_ = 0;
};

ClassFactory& Factory();

}  // namespace sheetext
