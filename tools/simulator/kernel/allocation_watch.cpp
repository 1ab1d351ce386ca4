// The allocating calls the loaded filter makes, counted, and one of them failed on request. The
// filter's own import table is pointed at stand-ins for the kernel's allocating functions once
// it is loaded: a test sees what the filter still holds after its DriverUnload, and can make any
// one allocation after the load fail to see that the filter survives it. DriverEntry has run by
// then, so its allocations are neither counted nor failed. The stand-ins call the kernel's own
// functions.
#include "tools/simulator/kernel/bench.h"

#include <ddk/ntimage.h>

namespace bench {
namespace {

volatile LONG Allocated;
volatile LONG Freed;
volatile LONG Calls;
LONG FailAt;
LONG FailedCall;
LONG FailedFunction;

// Counts one allocating call; true when it is the one to fail.
bool Fails(BenchAllocator function) {
    const LONG call = InterlockedIncrement(&Calls);
    if (call != FailAt) return false;
    FailedFunction = function;
    FailedCall = call;
    return true;
}

PVOID NTAPI WatchedAllocatePool(POOL_TYPE type, SIZE_T bytes, ULONG tag) {
    if (Fails(BENCH_ALLOCATE_POOL)) return nullptr;
    PVOID block = ExAllocatePoolWithTag(type, bytes, tag);
    if (block) InterlockedIncrement(&Allocated);
    return block;
}

VOID NTAPI WatchedFree(PVOID block) {
    if (block) InterlockedIncrement(&Freed);
    ExFreePool(block);
}

VOID NTAPI WatchedFreeWithTag(PVOID block, ULONG tag) {
    if (block) InterlockedIncrement(&Freed);
    ExFreePoolWithTag(block, tag);
}

PIRP NTAPI WatchedAllocateIrp(CCHAR stackSize, BOOLEAN chargeQuota) {
    return Fails(BENCH_ALLOCATE_IRP) ? nullptr : IoAllocateIrp(stackSize, chargeQuota);
}

NTSTATUS NTAPI WatchedCreateDevice(PDRIVER_OBJECT driver, ULONG extensionSize, PUNICODE_STRING name,
                                   DEVICE_TYPE type, ULONG characteristics, BOOLEAN exclusive,
                                   PDEVICE_OBJECT* device) {
    if (Fails(BENCH_CREATE_DEVICE)) {
        *device = nullptr;
        return STATUS_INSUFFICIENT_RESOURCES;
    }
    return IoCreateDevice(driver, extensionSize, name, type, characteristics, exclusive, device);
}

struct Watched {
    const char* Name;
    PVOID Replacement;
};

const Watched WATCHED[] = {
    {"ExAllocatePoolWithTag", reinterpret_cast<PVOID>(WatchedAllocatePool)},
    {"ExFreePool", reinterpret_cast<PVOID>(WatchedFree)},
    {"ExFreePoolWithTag", reinterpret_cast<PVOID>(WatchedFreeWithTag)},
    {"IoAllocateIrp", reinterpret_cast<PVOID>(WatchedAllocateIrp)},
    {"IoCreateDevice", reinterpret_cast<PVOID>(WatchedCreateDevice)},
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

void WatchAllocations(PDRIVER_OBJECT driver) {
    Allocated = 0;
    Freed = 0;
    Calls = 0;
    FailAt = 0;
    FailedCall = 0;
    FailedFunction = 0;
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

void FailAllocation(ULONG call) { FailAt = static_cast<LONG>(call); }

void FillAllocationStats(BENCH_STATS* out) {
    out->PoolAllocated = static_cast<uint32_t>(Allocated);
    out->PoolFreed = static_cast<uint32_t>(Freed);
    out->AllocatingCalls = static_cast<uint32_t>(Calls);
    out->FailedCall = static_cast<uint32_t>(FailedCall);
    out->FailedFunction = static_cast<uint32_t>(FailedFunction);
}

}  // namespace bench
