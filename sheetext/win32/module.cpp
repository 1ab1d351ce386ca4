// Loading and unloading the server.
#include "sheetext/win32/module.h"

#include <shlobj.h>

namespace sheetext {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_locks = 0;
IMalloc* g_shell_allocator = nullptr;

}  // namespace

HINSTANCE ModuleInstance() {
    return g_instance;
}

IMalloc* ShellAllocator() {
    return g_shell_allocator;
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
        return SUCCEEDED(SHGetMalloc(&sheetext::g_shell_allocator));
    }
    // Only on FreeLibrary: when the process ends, COM may be gone before us.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr && sheetext::g_shell_allocator != nullptr) {
        sheetext::g_shell_allocator->Release();
        sheetext::g_shell_allocator = nullptr;
    }
    return TRUE;
}
