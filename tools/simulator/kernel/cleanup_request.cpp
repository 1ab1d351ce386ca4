// The cleanup that the I/O manager sends when a reader's last handle of the filter's control
// device is closed while its read is still pending, sent by the bench for file objects of its
// own: the filter must end that read then, or the one pending-read place stays taken.
//
// The bench builds those file objects itself and sends each one's whole life (create, read,
// cleanup, close) as the I/O manager would: under Wine a handle opened by name doesn't lead
// back to the file object the filter was given.
#include "tools/simulator/kernel/bench.h"

namespace bench {
namespace {

constexpr ULONG FILE_POOL_TAG = 0x6C664E42;  // "BNfl" as the pool shows it

PIRP FileRequest(PDEVICE_OBJECT device, PFILE_OBJECT file, UCHAR major) {
    PIRP irp = AllocateRequest(device);
    if (!irp) return nullptr;
    irp->Tail.Overlay.OriginalFileObject = file;
    irp->Tail.Overlay.Thread = PsGetCurrentThread();
    PIO_STACK_LOCATION next = IoGetNextIrpStackLocation(irp);
    next->MajorFunction = major;
    next->FileObject = file;
    return irp;
}

NTSTATUS SendFileRequest(PDEVICE_OBJECT device, PFILE_OBJECT file, UCHAR major) {
    PIRP irp = FileRequest(device, file, major);
    return irp ? SendAndWait(device, irp, nullptr) : STATUS_INSUFFICIENT_RESOURCES;
}

// A file object on `device`, opened by the filter; null when it could not be had.
PFILE_OBJECT OpenFile(PDEVICE_OBJECT device) {
    auto* file = static_cast<PFILE_OBJECT>(ExAllocatePoolWithTag(NonPagedPool, sizeof(FILE_OBJECT), FILE_POOL_TAG));
    if (!file) return nullptr;
    RtlZeroMemory(file, sizeof *file);
    file->Type = IO_TYPE_FILE;
    file->Size = sizeof *file;
    file->DeviceObject = device;
    if (NT_SUCCESS(SendFileRequest(device, file, IRP_MJ_CREATE))) return file;
    ExFreePoolWithTag(file, FILE_POOL_TAG);
    return nullptr;
}

void CloseFile(PDEVICE_OBJECT device, PFILE_OBJECT file) {
    if (!file) return;
    SendFileRequest(device, file, IRP_MJ_CLOSE);
    ExFreePoolWithTag(file, FILE_POOL_TAG);
}

NTSTATUS ReadThenCleanup(PDEVICE_OBJECT device, PFILE_OBJECT reading, PFILE_OBJECT cleaned,
                         BENCH_CLEANUP_RESULT* out) {
    PIRP readIrp = FileRequest(device, reading, IRP_MJ_READ);
    PIRP cleanup = FileRequest(device, cleaned, IRP_MJ_CLEANUP);
    if (!readIrp || !cleanup) {
        if (readIrp) IoFreeIrp(readIrp);
        if (cleanup) IoFreeIrp(cleanup);
        return STATUS_INSUFFICIENT_RESOURCES;
    }
    EVENT_RECORD record = {};
    readIrp->AssociatedIrp.SystemBuffer = &record;
    IoGetNextIrpStackLocation(readIrp)->Parameters.Read.Length = sizeof record;

    SentRequest read = {};
    Send(device, readIrp, &read);
    out->ReadPended = read.Returned == STATUS_PENDING && !CameBack(&read);
    out->CleanupStatus = SendAndWait(device, cleanup, nullptr);
    out->ReadEndedByCleanup = out->ReadPended && CameBack(&read);
    // What the cleanup left pending would otherwise outlive its file object.
    if (!CameBack(&read)) IoCancelIrp(readIrp);
    ULONG_PTR bytes = 0;
    out->ReadStatus = Finish(&read, &bytes);
    out->ReadBytes = static_cast<uint32_t>(bytes);
    return STATUS_SUCCESS;
}

}  // namespace

NTSTATUS SendCleanup(const BENCH_CLEANUP& in, BENCH_CLEANUP_RESULT* out) {
    PDEVICE_OBJECT device = FilterControlDevice();
    if (!device) return STATUS_NO_SUCH_DEVICE;
    PFILE_OBJECT reader = OpenFile(device);
    PFILE_OBJECT other = in.OtherFile ? OpenFile(device) : nullptr;
    NTSTATUS status = STATUS_UNSUCCESSFUL;
    if (reader && (other || !in.OtherFile)) status = ReadThenCleanup(device, reader, other ? other : reader, out);
    CloseFile(device, other);
    CloseFile(device, reader);
    return status;
}

}  // namespace bench
