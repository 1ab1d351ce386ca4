// The pool the loaded filter takes and gives back, counted. The filter's own import table is
// pointed at counting stand-ins for the pool functions once it is loaded, so that a test can
// see what the filter still holds after its DriverUnload. Only what it allocates after the
// load is counted; the stand-ins call the kernel's own functions.
#include "tools/simulator/kernel/bench.h"

#include <ddk/ntimage.h>

namespace bench {
namespace {

volatile LONG Allocated;
volatile LONG Freed;

PVOID NTAPI CountedAllocate(POOL_TYPE type, SIZE_T bytes, ULONG tag) {
    PVOID block = ExAllocatePoolWithTag(type, bytes, tag);
    if (block) InterlockedIncrement(&Allocated);
    return block;
}

VOID NTAPI CountedFree(PVOID block) {
    if (block) InterlockedIncrement(&Freed);
    ExFreePool(block);
}

VOID NTAPI CountedFreeWithTag(PVOID block, ULONG tag) {
    if (block) InterlockedIncrement(&Freed);
    ExFreePoolWithTag(block, tag);
}

struct Watched {
    const char* Name;
    PVOID Replacement;
};

const Watched WATCHED[] = {
    {"ExAllocatePoolWithTag", reinterpret_cast<PVOID>(CountedAllocate)},
    {"ExFreePool", reinterpret_cast<PVOID>(CountedFree)},
    {"ExFreePoolWithTag", reinterpret_cast<PVOID>(CountedFreeWithTag)},
};

bool SameName(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

template <typename T>
T* At(PUCHAR base, ULONG rva) {
    return reinterpret_cast<T*>(base + rva);
}

}  // namespace

void WatchPool(PDRIVER_OBJECT driver) {
    Allocated = 0;
    Freed = 0;
    auto* base = static_cast<PUCHAR>(driver->DriverStart);
    if (!base) return;
    auto* dos = reinterpret_cast<PIMAGE_DOS_HEADER>(base);
    auto* nt = At<IMAGE_NT_HEADERS>(base, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;
    for (auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); d->Name != 0; ++d) {
        auto* lookup = At<IMAGE_THUNK_DATA>(base, d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk);
        auto* slot = At<IMAGE_THUNK_DATA>(base, d->FirstThunk);
        for (; lookup->u1.AddressOfData != 0; ++lookup, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal)) continue;
            const char* name =
                reinterpret_cast<const char*>(At<IMAGE_IMPORT_BY_NAME>(base, static_cast<ULONG>(lookup->u1.AddressOfData))->Name);
            for (const Watched& w : WATCHED) {
                if (SameName(name, w.Name)) slot->u1.Function = reinterpret_cast<ULONG_PTR>(w.Replacement);
            }
        }
    }
}

void FillPoolStats(BENCH_STATS* out) {
    out->PoolAllocated = static_cast<uint32_t>(Allocated);
    out->PoolFreed = static_cast<uint32_t>(Freed);
}

}  // namespace bench
