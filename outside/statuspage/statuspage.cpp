// The least in-process COM server the shell can load: it serves no class, so every request for
// a class object is answered CLASS_E_CLASSNOTAVAILABLE, and since it never hands out an object
// it may always be unloaded. The page the real server adds is its own business.
#include <windows.h>

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID, LPVOID* object) {
    if (object != nullptr) *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return S_OK; }

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
