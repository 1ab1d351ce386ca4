// Wine's shell32 keeps the IShellExtInit it asks each property-sheet handler for
// (docs/wine-notes.md): in a process that opens sheets over and over, every sheet would leave its
// handler object behind, with the pages and the bitmaps they hold. The panel host registers a class
// object of its own for the server's class, so that shell32's CoCreateInstance gets a stand-in
// that passes every call on to the real handler, made by the server's own class factory, and
// holds the one reference to it. Once the sheet and shell32's array are gone, the host lets go of
// the handlers whose stand-ins shell32 still holds. The pages' references stay the server's own,
// so a handler that leaked one still shows in the counts.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <vector>

class HandlerStandIn;

class HandlerStandIns : public IClassFactory {
public:
    // Loads the server `file` of the build and registers the stand-ins' class object for `clsid`
    // in this apartment.
    HandlerStandIns(const char* file, const CLSID& clsid);
    // Revokes the class object; the server stays loaded until the process ends.
    ~HandlerStandIns();
    HandlerStandIns(const HandlerStandIns&) = delete;
    HandlerStandIns& operator=(const HandlerStandIns&) = delete;

    bool registered() const { return cookie_ != 0; }
    HMODULE server() const { return server_; }
    // Once the sheet and shell32's array are gone: lets go of the handlers shell32 still holds
    // through their stand-ins; how many there were.
    int LetGoOfKept();
    // Whether the server holds no object and no lock any more (its DllCanUnloadNow).
    bool ServerIdle() const;

    // IClassFactory, living as long as this object.
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    // The server's class factory, asked for anew each time: a factory held between sheets
    // would keep the server from being idle.
    IClassFactory* ServerFactory() const;

    HMODULE server_ = nullptr;
    CLSID clsid_;
    HRESULT(STDAPICALLTYPE* get_class_object_)(REFCLSID, REFIID, void**) = nullptr;
    DWORD cookie_ = 0;
    std::vector<std::unique_ptr<HandlerStandIn>> stand_ins_;
};
