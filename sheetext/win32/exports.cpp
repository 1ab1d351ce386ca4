// The six exports of a settings server: the four that COM and regsvr32 call, and the two
// that rundll32 calls.
#include <windows.h>
#include <olectl.h>
#include <rpc.h>

#include "registry/win32/win32_registry.h"
#include "sheetext/logic/registration.h"
#include "sheetext/win32/class_factory.h"
#include "sheetext/win32/module.h"
#include "sheetext/win32/server.h"

namespace {

// The server's class id as the registry spells it: in braces, lower-case digits.
bool ClsidText(char (&text)[sheetext::kClsidTextSize]) {
    RPC_CSTR bare = nullptr;
    if (UuidToStringA(const_cast<UUID*>(&sheetext::kServer.clsid), &bare) != RPC_S_OK) return false;
    const bool made = sheetext::BraceClsidText(reinterpret_cast<const char*>(bare), text);
    RpcStringFreeA(&bare);
    return made;
}

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, sheetext::kServer.clsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return sheetext::Factory().QueryInterface(iid, object);
}

STDAPI DllCanUnloadNow() {
    return sheetext::ModuleLocked() || sheetext::Factory().HasClients() ? S_FALSE : S_OK;
}

STDAPI DllRegisterServer() {
    char clsid[sheetext::kClsidTextSize];
    if (!ClsidText(clsid)) return E_FAIL;
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(sheetext::ModuleInstance(), path, MAX_PATH);
    path[length < MAX_PATH ? length : MAX_PATH] = '\0';
    reg::Win32Registry registry;
    return sheetext::RegisterServerKeys(registry, sheetext::kServer.names, clsid, path) ? S_OK : E_FAIL;
}

STDAPI DllUnregisterServer() {
    char clsid[sheetext::kClsidTextSize];
    if (ClsidText(clsid)) {
        reg::Win32Registry registry;
        sheetext::UnregisterServerKeys(registry, sheetext::kServer.names, clsid);
    }
    return S_OK;
}

extern "C" void CALLBACK RegisterServer(HWND, HINSTANCE, LPSTR, int) {
    DllRegisterServer();
}

extern "C" void CALLBACK UnregisterServer(HWND, HINSTANCE, LPSTR, int) {
    DllUnregisterServer();
}
