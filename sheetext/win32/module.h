// The loaded server: its instance, the source of every dialog template, string and bitmap it
// shows, and the count that decides whether it may be unloaded.
#pragma once

#include <windows.h>
#include <objidl.h>

namespace sheetext {

HINSTANCE ModuleInstance();

// The shell's task allocator, held while the server is loaded: the server can't load without it.
IMalloc* ShellAllocator();

// One lock per live extension object and per LockServer(TRUE).
void LockModule();
void UnlockModule();
bool ModuleLocked();

}  // namespace sheetext
