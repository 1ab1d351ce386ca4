// Inner state of the receiver test bench: the receivers it plugs in below the filter, the
// transfers it keeps in flight through their stacks, and the count of every request it sends.
#pragma once

#include <ddk/wdm.h>
#include <usb.h>

#include "tools/simulator/bench_interface.h"

namespace bench {

struct Receiver;

// One interrupt transfer that the HID side keeps in flight, resubmitted whenever it comes back.
struct Transfer {
    Receiver* Owner;
    PIRP Irp;
    _URB_BULK_OR_INTERRUPT_TRANSFER Urb;
    UCHAR Buffer[BENCH_MAX_REPORT];
    LONG Completions;  // of the current submission
    LONG InFlight;     // 1 from submission until its completion routine ran
};

struct Receiver {
    ULONG Number;
    bool Plugged;
    PDEVICE_OBJECT Pdo;
    PDEVICE_OBJECT Top;       // referenced top of the stack: where the HID side sends requests
    volatile LONG Resubmit;   // the HID side keeps its transfers in flight while set
    Transfer Transfers[BENCH_TRANSFERS_IN_FLIGHT];

    // The physical device's side.
    NTSTATUS StartStatus;
    bool StartLater;
    PIRP StartRequest;        // the start request while it is answered later
    bool Started;
    bool Gone;                // surprise removal or removal seen: new transfers are refused
    LIST_ENTRY Pending;       // transfers waiting at the bottom, guarded by the bench lock

    // Removal with held transfers.
    bool HoldOnRemove;
    KEVENT RemoveSeen;        // the remove request reached the physical device
    KEVENT HolderDone;
    LONG TransfersReleasedAt; // sequence number taken before the held transfers completed
    BENCH_PROBE_RESULT HeldProbe[BENCH_PROBE_COUNT];
};

// Extension of a physical device: which receiver it is.
struct PdoExtension {
    Receiver* Owner;
};

extern PDRIVER_OBJECT BenchDriver;
extern PDEVICE_OBJECT ControlDevice;
extern KSPIN_LOCK Lock;  // the pending lists and the HID queue

// ---- receivers.cpp: plug and unplug.
Receiver* ReceiverByNumber(ULONG number);  // null when out of range
void InitReceivers();
NTSTATUS Plug(const BENCH_PLUG& in, BENCH_PLUG_RESULT* out);
NTSTATUS Unplug(const BENCH_UNPLUG& in, BENCH_UNPLUG_RESULT* out);
void UnplugAll();
ULONG PluggedCount();

// ---- filter_host.cpp: the filter driver loaded into the bench's process.
NTSTATUS LoadFilter(const BENCH_FILTER& in);
NTSTATUS UnloadFilter();
PDRIVER_OBJECT Filter();
// The filter driver's one device while no receiver is plugged in, or null.
PDEVICE_OBJECT FilterControlDevice();

// ---- allocation_watch.cpp: the loaded filter's allocating calls from its load on: the pool it
// takes and gives back, and the one call made to fail.
void WatchAllocations(PDRIVER_OBJECT driver);
void FailAllocation(ULONG call);  // 0: none fails
void FillAllocationStats(BENCH_STATS* out);

// ---- cleanup_request.cpp: a reader's cleanup sent to the filter's control device.
NTSTATUS SendCleanup(const BENCH_CLEANUP& in, BENCH_CLEANUP_RESULT* out);

// ---- companion_feed.cpp: keyboard activity for the companion filter's stand-in.
NTSTATUS FeedKeyboardActivity(ULONG count);

// ---- physical_device.cpp: the bottom of each stack.
NTSTATUS DispatchPhysical(PDEVICE_OBJECT device, PIRP irp);
PIRP TakePendingTransfer(Receiver* receiver);  // null when none waits
void CompleteTransfer(PIRP irp, NTSTATUS status, USBD_STATUS usbStatus, const UCHAR* bytes, ULONG length);

// ---- hid_side.cpp: the driver above the filter.
void SubmitTransfers(Receiver* receiver);
void FreeTransfers(Receiver* receiver);
ULONG TransfersInFlight(const Receiver* receiver);
NTSTATUS Feed(const BENCH_REPORT* reports, ULONG count, BENCH_FEED_RESULT* out);
ULONG TakeHidRecords(BENCH_HID_RECORD* out, ULONG capacity);
ULONG HidRecordsDropped();

// ---- requests.cpp: single requests sent down a stack and waited for, and the count of all.
PIRP AllocateRequest(PDEVICE_OBJECT top);
// A request on its way: Send starts it (its next stack location filled in), Finish waits for
// it to come back, checks how it came back against what its dispatch said, and frees it.
struct SentRequest {
    PIRP Irp;
    KEVENT Done;
    LONG Completions;
    BOOLEAN PendingReturned;
    NTSTATUS Returned;  // what the dispatch routine said
};
void Send(PDEVICE_OBJECT top, PIRP irp, SentRequest* request);
bool CameBack(SentRequest* request);  // without waiting
NTSTATUS Finish(SentRequest* request, ULONG_PTR* information);
// Send and Finish in one.
NTSTATUS SendAndWait(PDEVICE_OBJECT top, PIRP irp, ULONG_PTR* information);
NTSTATUS SendPnp(PDEVICE_OBJECT top, UCHAR minor);
BENCH_PROBE_RESULT SendProbe(PDEVICE_OBJECT top, ULONG probe);
void CountSent();
void CountCompletion(LONG completionsOfThisRequest);
void CountStatusMismatch();
void CountLostTransfer();
void FillStats(BENCH_STATS* out);
LONG NextSequence();

// Starts a system thread; false when it could not be started.
bool StartThread(PKSTART_ROUTINE routine, PVOID context);
void SleepMilliseconds(LONG ms);

}  // namespace bench
