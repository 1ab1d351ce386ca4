// Keyboard activity for the companion keyboard-interface filter's stand-in. It runs as a
// service of its own (in its own process under Wine), so it is reached by name, the way a
// program reaches it, with its private feed request.
#include "tools/simulator/kernel/bench.h"

#include "outside/lvxnftr/companion_interface.h"

// Exported by the kernel; declared only in the file-system headers.
extern "C" NTSYSAPI NTSTATUS NTAPI ZwDeviceIoControlFile(HANDLE file, HANDLE event, PIO_APC_ROUTINE apc,
                                                         PVOID apcContext, PIO_STATUS_BLOCK io, ULONG code,
                                                         PVOID input, ULONG inputLength, PVOID output,
                                                         ULONG outputLength);

namespace bench {

NTSTATUS FeedKeyboardActivity(ULONG count) {
    UNICODE_STRING name = RTL_CONSTANT_STRING(KB_COMPANION_DEVICE_NAME_W);
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, nullptr, nullptr);
    HANDLE device = nullptr;
    IO_STATUS_BLOCK io;
    NTSTATUS status = ZwCreateFile(&device, GENERIC_READ | GENERIC_WRITE | SYNCHRONIZE, &attributes, &io, nullptr,
                                   FILE_ATTRIBUTE_NORMAL, 0, FILE_OPEN, FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
    if (!NT_SUCCESS(status)) return status;
    for (ULONG i = 0; i < count && NT_SUCCESS(status); ++i) {
        status = ZwDeviceIoControlFile(device, nullptr, nullptr, nullptr, &io, IOCTL_LVX_TEST_FEED_ACTIVITY, nullptr, 0,
                                       nullptr, 0);
    }
    ZwClose(device);
    return status;
}

}  // namespace bench
