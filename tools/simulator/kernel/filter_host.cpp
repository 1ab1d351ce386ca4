// The filter under test, loaded into the bench's own process: drivers started as separate
// services may live in separate processes, where the bench could neither call the filter's
// AddDevice nor share device objects with it.
#include "tools/simulator/kernel/bench.h"

extern "C" {
// Exported by the kernel without a declaration in the WDM headers.
__declspec(dllimport) extern POBJECT_TYPE IoDriverObjectType;
NTKERNELAPI NTSTATUS NTAPI ObReferenceObjectByName(PUNICODE_STRING name, ULONG attributes,
                                                    PACCESS_STATE accessState, ACCESS_MASK access,
                                                    POBJECT_TYPE type, KPROCESSOR_MODE mode,
                                                    PVOID parseContext, PVOID* object);
}

namespace bench {
namespace {

constexpr ULONG NAME_CHARS = 128;

PDRIVER_OBJECT FilterDriver;
WCHAR ServiceKeyText[NAME_CHARS];
UNICODE_STRING ServiceKey;

// Prefix + the ASCII service name into a counted string over buffer; false when invalid.
bool BuildName(const WCHAR* prefix, const char* service, WCHAR* buffer, UNICODE_STRING* out) {
    ULONG n = 0;
    for (; prefix[n]; ++n) buffer[n] = prefix[n];
    for (ULONG i = 0; service[i]; ++i) {
        char c = service[i];
        bool usable = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!usable || n + 1 >= NAME_CHARS) return false;
        buffer[n++] = static_cast<WCHAR>(c);
    }
    buffer[n] = 0;
    RtlInitUnicodeString(out, buffer);
    return true;
}

}  // namespace

PDRIVER_OBJECT Filter() { return FilterDriver; }

PDEVICE_OBJECT FilterControlDevice() {
    if (!FilterDriver || PluggedCount() != 0) return nullptr;
    PDEVICE_OBJECT device = FilterDriver->DeviceObject;
    return device && !device->NextDevice ? device : nullptr;
}

NTSTATUS LoadFilter(const BENCH_FILTER& in) {
    if (FilterDriver) return STATUS_IMAGE_ALREADY_LOADED;
    char service[sizeof in.Service + 1];
    RtlCopyMemory(service, in.Service, sizeof in.Service);
    service[sizeof in.Service] = 0;
    if (!service[0]) return STATUS_INVALID_PARAMETER;

    if (!BuildName(L"\\Registry\\Machine\\System\\CurrentControlSet\\Services\\", service, ServiceKeyText,
                   &ServiceKey)) {
        return STATUS_INVALID_PARAMETER;
    }
    WCHAR driverText[NAME_CHARS];
    UNICODE_STRING driverName;
    BuildName(L"\\Driver\\", service, driverText, &driverName);

    NTSTATUS status = ZwLoadDriver(&ServiceKey);
    if (!NT_SUCCESS(status)) return status;
    PVOID object = nullptr;
    status = ObReferenceObjectByName(&driverName, OBJ_CASE_INSENSITIVE, nullptr, 0, IoDriverObjectType,
                                     KernelMode, nullptr, &object);
    if (!NT_SUCCESS(status)) {
        ZwUnloadDriver(&ServiceKey);
        return status;
    }
    FilterDriver = static_cast<PDRIVER_OBJECT>(object);
    WatchAllocations(FilterDriver);
    return STATUS_SUCCESS;
}

NTSTATUS UnloadFilter() {
    if (!FilterDriver) return STATUS_SUCCESS;
    UnplugAll();
    ObDereferenceObject(FilterDriver);
    FilterDriver = nullptr;
    return ZwUnloadDriver(&ServiceKey);
}

}  // namespace bench
