// The control interface of the receiver test bench (kbbench.sys): what crosses between the bench
// driver and the programs that drive it through "\\.\KBBENCH". The bench stands in for a
// receiver's hot-key interface below a filter driver and for the HID driver above it.
// Included by the bench driver (freestanding), by the simulator tool, the Wine tests and host
// tests, so it depends on nothing but fixed-width integer types.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

#define KB_BENCH_DEVICE_NAME_W L"\\Device\\KBBENCH"
#define KB_BENCH_LINK_NAME_W L"\\DosDevices\\KBBENCH"
#define KB_BENCH_USER_PATH "\\\\.\\KBBENCH"
#define KB_BENCH_SERVICE_NAME "KBBENCH"
// The bench's load-order group. Wine runs the drivers of one group in one process, on one
// thread; a driver a benchmark sets beside the bench's filter joins it there.
#define KB_BENCH_SERVICE_GROUP "KB receiver test bench"
#define KB_BENCH_FILE_NAME "kbbench.sys"

constexpr uint32_t kb_bench_code(uint32_t function) {
    return kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, function, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);
}

// Every request is METHOD_BUFFERED; the records below are their inputs and outputs.
constexpr uint32_t IOCTL_BENCH_LOAD_FILTER = kb_bench_code(0x900);    // in BENCH_FILTER
constexpr uint32_t IOCTL_BENCH_UNLOAD_FILTER = kb_bench_code(0x901);  // no data
constexpr uint32_t IOCTL_BENCH_PLUG = kb_bench_code(0x902);           // in BENCH_PLUG, out BENCH_PLUG_RESULT
constexpr uint32_t IOCTL_BENCH_UNPLUG = kb_bench_code(0x903);         // in BENCH_UNPLUG, out BENCH_UNPLUG_RESULT
constexpr uint32_t IOCTL_BENCH_FEED = kb_bench_code(0x904);           // in BENCH_REPORT[n], out BENCH_FEED_RESULT
constexpr uint32_t IOCTL_BENCH_TAKE_HID = kb_bench_code(0x905);       // out BENCH_HID_RECORD[n]
constexpr uint32_t IOCTL_BENCH_PROBE = kb_bench_code(0x906);          // in BENCH_PROBE, out BENCH_PROBE_RESULT
constexpr uint32_t IOCTL_BENCH_STATS = kb_bench_code(0x907);          // out BENCH_STATS
constexpr uint32_t IOCTL_BENCH_KEYBOARD = kb_bench_code(0x908);       // in BENCH_KEYBOARD
constexpr uint32_t IOCTL_BENCH_CLEANUP = kb_bench_code(0x909);        // in BENCH_CLEANUP, out BENCH_CLEANUP_RESULT

constexpr uint32_t BENCH_MAX_RECEIVERS = 4;     // receivers are numbered 1 to 4
constexpr uint32_t BENCH_MAX_REPORT = 64;       // bytes of one input report
constexpr uint32_t BENCH_TRANSFERS_IN_FLIGHT = 2;  // interrupt transfers kept below the filter
constexpr uint32_t BENCH_HID_QUEUE_LENGTH = 1024;  // reports kept for user mode to take

// The filter to put into the bench's stacks: the name of its (registered, stopped) service.
// A driver with no AddDevice (only a control device) loads too, but receivers can't be
// plugged in below it.
struct BENCH_FILTER {
    char Service[32];  // NUL-terminated
};

// Keyboard activity fed to the companion keyboard-interface filter ("\\.\LVXNFLTR"): each
// one is an activity record for its reader.
struct BENCH_KEYBOARD {
    uint32_t Activities;  // 1 to BENCH_MAX_ACTIVITIES
};
constexpr uint32_t BENCH_MAX_ACTIVITIES = 255;

// A reader's handle going away while its read pends. On file objects of its own on the
// loaded driver's control device (while no receiver is plugged in), the bench sends a read
// that pends, then the cleanup of that file object (or of a second one) as the I/O manager
// sends it when a file object's last handle is closed. A read the cleanup left pending is then
// cancelled by the bench, and the file objects are closed, so nothing stays behind.
struct BENCH_CLEANUP {
    uint32_t OtherFile;  // 1: the cleanup is for a second file object, not the reading one
};

struct BENCH_CLEANUP_RESULT {
    int32_t CleanupStatus;
    uint32_t ReadPended;          // 1: the read was pending when the cleanup went down
    uint32_t ReadEndedByCleanup;  // 1: the read had come back by the time the cleanup did
    int32_t ReadStatus;           // how the read came back in the end
    uint32_t ReadBytes;
};

struct BENCH_PLUG {
    uint32_t Receiver;     // 1 to BENCH_MAX_RECEIVERS
    int32_t StartStatus;   // what the physical device answers to the start request
    uint32_t StartLater;   // 1: the start request is answered later, from another thread
    uint32_t PowerPagable; // 1: the physical device takes its power requests at passive level
};

struct BENCH_PLUG_RESULT {
    int32_t AddDeviceStatus;  // what the filter's AddDevice returned
    int32_t StartStatus;      // how the start request came back (0 when AddDevice failed)
    uint32_t Attached;        // 1 when a device of the filter sits on the physical device
    uint32_t LeftBehind;      // AddDevice failed but left a device attached (a fault)
    uint32_t FilterFlags;     // the flags of the device put on the physical device, before the start
    uint32_t FilterType;      // and its device type
};

// Requests the bench can send to the top of a receiver's stack, one of each kind.
enum BenchProbe : uint32_t {
    BENCH_PROBE_CREATE,
    BENCH_PROBE_CLOSE,
    BENCH_PROBE_READ,
    BENCH_PROBE_DEVICE_CONTROL,
    BENCH_PROBE_INTERNAL_CONTROL,  // an internal request that is not a URB submission
    BENCH_PROBE_SUBMIT_URB,        // a URB submission that the physical device answers at once
    BENCH_PROBE_POWER,
    BENCH_PROBE_PNP,
    BENCH_PROBE_COUNT,
};

// The physical device answers every probe with success and this value plus the probe kind as
// its information, so a caller can tell that the request reached the bottom of the stack.
constexpr uint32_t BENCH_PROBE_ANSWER = 0xB000;

struct BENCH_PROBE {
    // A receiver's stack, or 0 for the filter driver's own device while no receiver is plugged
    // in (its control device); that one takes only the probes that need no open file, from
    // BENCH_PROBE_INTERNAL_CONTROL on.
    uint32_t Receiver;
    uint32_t Probe;  // BenchProbe
};

struct BENCH_PROBE_RESULT {
    int32_t Status;
    uint32_t Information;
};

struct BENCH_UNPLUG {
    uint32_t Receiver;
    // 0: the HID side cancels its transfers first, as on a normal removal. 1: the transfers
    // are left inside the filter when the remove request goes down; while the removal is
    // pending the bench sends one probe of every kind to the filter device, then completes
    // the transfers from another thread.
    uint32_t HoldTransfers;
};

struct BENCH_UNPLUG_RESULT {
    int32_t SurpriseStatus;
    int32_t RemoveStatus;
    uint32_t Detached;          // 1: nothing is left attached to the physical device
    uint32_t HeldTransfers;     // transfers inside the filter when the remove request went down
    uint32_t RemoveWaited;      // 1: the remove request came back only after they completed
    BENCH_PROBE_RESULT Probe[BENCH_PROBE_COUNT];  // sent while the removal was pending
};

enum BenchTransferKind : uint8_t {
    BENCH_INTERRUPT_TRANSFER = 0,    // completes one of the transfers in flight
    BENCH_CONTROL_TRANSFER = 1,      // a control-transfer URB carrying the bytes
    BENCH_NULL_BUFFER_TRANSFER = 2,  // an interrupt-transfer URB with no buffer
    // Completes one of the transfers in flight as a stall: the request failed, its buffer holding
    // the bytes. The HID side does not send that transfer again.
    BENCH_FAILED_TRANSFER = 3,
    BENCH_OUTPUT_TRANSFER = 4,       // an interrupt-transfer URB going out to the device
};

// One report fed in at the bottom of a receiver's stack.
struct BENCH_REPORT {
    uint8_t Receiver;
    uint8_t Kind;    // BenchTransferKind
    uint8_t Length;  // 1 to BENCH_MAX_REPORT
    uint8_t Reserved;
    uint8_t Bytes[BENCH_MAX_REPORT];
};

struct BENCH_FEED_RESULT {
    uint32_t Delivered;  // reports delivered, in order; the first one not delivered stops the feed
};

// One transfer as the HID driver above the filter received it: every one that came back with
// data, failed or not.
struct BENCH_HID_RECORD {
    uint8_t Receiver;
    uint8_t Kind;
    uint8_t Length;
    uint8_t Reserved;
    int32_t Status;
    uint8_t Bytes[BENCH_MAX_REPORT];
};

// The bench's count of the requests it sent down: each must come back completed exactly once.
struct BENCH_STATS {
    uint32_t IrpsSent;
    uint32_t IrpsCompleted;
    uint32_t IrpsCompletedTwice;
    uint32_t StatusMismatches;   // the dispatch result disagreed with how the request came back
    uint32_t TransfersPending;   // waiting at the bottom now
    uint32_t TransfersLost;      // never came back before their receiver went away
    uint32_t HidRecordsDropped;  // the HID queue was full
    uint32_t ReceiversPlugged;
    // Pool blocks the loaded filter allocated and freed since its load; kept after its unload,
    // until the next load.
    uint32_t PoolAllocated;
    uint32_t PoolFreed;
};

static_assert(sizeof(BENCH_REPORT) == 68, "a fed report is a fixed 68-byte record");
static_assert(sizeof(BENCH_HID_RECORD) == 72, "a HID record is a fixed 72-byte record");
static_assert(sizeof(BENCH_UNPLUG_RESULT) == 20 + 8 * BENCH_PROBE_COUNT, "no padding");
