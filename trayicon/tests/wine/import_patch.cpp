#include "trayicon/tests/wine/import_patch.h"

namespace tray_test {
namespace {

template <typename T>
T* At(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

// Writes `replacement` into an address-table entry, which the loader leaves read-only.
bool Replace(void** slot, void* replacement) {
    DWORD protection;
    if (!VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection)) return false;
    *slot = replacement;
    VirtualProtect(slot, sizeof(void*), protection, &protection);
    return true;
}

}  // namespace

std::vector<ImportedFunction> ImportsOf(HMODULE module) {
    std::vector<ImportedFunction> imports;
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    auto* nt = At<IMAGE_NT_HEADERS>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return imports;
    for (auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress); d->Name != 0; ++d) {
        // The lookup table keeps the names and ordinals; the address table is overwritten by
        // the loader with the addresses bound.
        auto* lookup = At<IMAGE_THUNK_DATA>(module, d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk);
        auto* address = At<IMAGE_THUNK_DATA>(module, d->FirstThunk);
        for (; lookup->u1.AddressOfData != 0; ++lookup, ++address) {
            ImportedFunction f{At<char>(module, d->Name), false, 0, {}, reinterpret_cast<void**>(&address->u1.Function)};
            if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal)) {
                f.by_ordinal = true;
                f.ordinal = IMAGE_ORDINAL(lookup->u1.Ordinal);
            } else {
                f.name = reinterpret_cast<char*>(At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(lookup->u1.AddressOfData))->Name);
            }
            imports.push_back(f);
        }
    }
    return imports;
}

void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement) {
    for (const ImportedFunction& f : ImportsOf(module)) {
        if (f.by_ordinal || lstrcmpiA(f.dll.c_str(), dll) != 0 || f.name != function) continue;
        void* previous = *f.slot;
        return Replace(f.slot, replacement) ? previous : nullptr;
    }
    return nullptr;
}

int PatchEveryImport(HMODULE module, const char* dll, void* replacement) {
    int changed = 0;
    for (const ImportedFunction& f : ImportsOf(module)) {
        if (lstrcmpiA(f.dll.c_str(), dll) == 0 && Replace(f.slot, replacement)) ++changed;
    }
    return changed;
}

}  // namespace tray_test
