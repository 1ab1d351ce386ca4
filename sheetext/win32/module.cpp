// Loading and unloading the server.
#include "sheetext/win32/module.h"

#include <shlobj.h>

namespace sheetext {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_locks = 0;
IMalloc* g_shellAllocator = nullptr;

}  // namespace

HINSTANCE ModuleInstance() {
    return g_instance;
}

IMalloc* ShellAllocator() {
    return g_shellAllocator;
}

void LockModule() {
    ++g_locks;
}

void UnlockModule() {
    --g_locks;
}

bool ModuleLocked() {
    return g_locks != 0;
}

}  // namespace sheetext

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        sheetext::g_instance = instance;
        DisableThreadLibraryCalls(instance);
        return SUCCEEDED(SHGetMalloc(&sheetext::g_shellAllocator));
    }
    // Only on FreeLibrary: when the process ends, COM may be gone before us.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr && sheetext::g_shellAllocator != nullptr) {
        sheetext::g_shellAllocator->Release();
        sheetext::g_shellAllocator = nullptr;
    }
    return TRUE;
}
