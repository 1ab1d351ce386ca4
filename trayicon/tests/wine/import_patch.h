// Reading and changing a loaded module's import table, so that a test can see what the real
// DLL asks of the system without a different build of it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tray_test {

struct ImportedFunction {
    std::string dll;
    bool by_ordinal;
    unsigned ordinal;  // when by_ordinal
    std::string name;  // otherwise
    void** slot;       // the module's address-table entry for it
};

std::vector<ImportedFunction> ImportsOf(HMODULE module);

// Points the module's calls to `dll`!`function` at `replacement`; returns the address they
// called before, or nullptr when the module does not import that function.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement);

// Points every call the module makes into `dll` at `replacement`; returns how many entries it
// changed.
int PatchEveryImport(HMODULE module, const char* dll, void* replacement);

}  // namespace tray_test
