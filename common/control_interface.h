// The control interface of the hot-key filter driver: what crosses between the kernel and
// user mode through "\\.\UVXNFLTR", and the two requests the companion keyboard filter takes.
// Included by the driver (freestanding), by the agent and the applet, and by host tests, so it
// depends on nothing but the compiler's own fixed-width integer types.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "device_kinds.h"

// ---- Device names --------------------------------------------------------------------------
#define KB_FILTER_DEVICE_NAME_W L"\\Device\\UVXNFLTR"
#define KB_FILTER_LINK_NAME_W L"\\DosDevices\\UVXNFLTR"
#define KB_FILTER_USER_PATH "\\\\.\\UVXNFLTR"

#define KB_COMPANION_DEVICE_NAME_W L"\\Device\\LVXNFLTR"
#define KB_COMPANION_LINK_NAME_W L"\\DosDevices\\LVXNFLTR"
#define KB_COMPANION_USER_PATH "\\\\.\\LVXNFLTR"

#define KB_KEYBOARD_FILTER_USER_PATH "\\\\.\\UOVKBFTR"

#define KB_FILTER_SERVICE_NAME "UVXNFTR"
#define KB_COMPANION_SERVICE_NAME "LVXNFTR"

// ---- Control codes -------------------------------------------------------------------------
// Built the way the platform's CTL_CODE builds them, so the values can be checked against it.
constexpr uint32_t kb_ctl_code(uint32_t device_type, uint32_t function, uint32_t method,
                               uint32_t access) {
    return (device_type << 16) | (access << 14) | (function << 2) | method;
}

constexpr uint32_t KB_FILE_DEVICE_UNKNOWN = 0x22;
constexpr uint32_t KB_METHOD_BUFFERED = 0;
constexpr uint32_t KB_FILE_ANY_ACCESS = 0;

constexpr uint32_t IOCTL_GET_RF_DATA =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x800, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);
constexpr uint32_t IOCTL_SET_LOCK =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x801, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);
constexpr uint32_t IOCTL_DISABLE_KEYS =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x802, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);
constexpr uint32_t IOCTL_SET_MODE =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x803, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);

// The internal request by which the HID driver submits USB transfers to the stack below.
constexpr uint32_t KB_IOCTL_INTERNAL_USB_SUBMIT_URB = 0x220003;

// ---- The keyboard filter's records --------------------------------------------------------
// A read of "\\.\UOVKBFTR" returns a record of this many bytes: byte 0 the hot-key code, the
// other bytes 0.
constexpr uint32_t KEYBOARD_FILTER_RECORD_SIZE = 5;

// ---- Event codes (byte 0 of an event record) -----------------------------------------------
enum FilterEventCode : uint8_t {
    EVENT_STATUS_CHANGED = 0,     // re-read the status table
    EVENT_FIRST_HOT_KEY = 1,      // 1..18: position in the key table
    EVENT_LAST_CONSUMER_KEY = 18,
    EVENT_POWER_KEY = 19,
    EVENT_KEYS_RELEASED = 50,
    EVENT_STATUS_REPORT = 99,     // also any report with an unknown number
    EVENT_RECEIVER_REMOVED = 100,
    EVENT_RECEIVER_ADDED = 101,
};

// The most events the hot-key filter keeps for its reader. At a full queue a new event drops the
// oldest: a reader that keeps up never meets the bound, and one that stops reading but keeps
// its handle costs only a few kilobytes of non-paged pool.
constexpr uint32_t EVENT_QUEUE_LIMIT = 256;

#pragma pack(push, 1)

// One event as a read returns it: the code and the auxiliary byte current when it was queued.
struct EVENT_RECORD {
    uint8_t Code;
    uint8_t AuxByte;
};

// One row of the wireless-device status table; a wire format, so packed and little-endian.
struct RF_RECORD {
    uint8_t State;    // bit 0 linked, bit 7 reported since last cleared
    uint8_t Channel;  // shown as Channel + 1
    uint16_t Id;      // low 12 bits used; shown as Id + 1
    uint8_t Flags;    // bit 0 battery low, bit 4 lock
};

struct RF_DATA {
    RF_RECORD Record[DEVICE_KIND_COUNT];
};

// Input of IOCTL_DISABLE_KEYS: four little-endian flags, 1 = key turned off.
struct DISABLE_KEYS_INPUT {
    uint32_t CapsLock;
    uint32_t LeftWindow;
    uint32_t RightWindow;
    uint32_t Application;
};

#pragma pack(pop)

static_assert(sizeof(EVENT_RECORD) == 2, "an event record is 2 bytes");
static_assert(sizeof(RF_RECORD) == 5, "RF_RECORD is a 5-byte wire record");
static_assert(sizeof(RF_DATA) == 40, "the status table is 40 bytes");
static_assert(sizeof(DISABLE_KEYS_INPUT) == 16, "IOCTL_DISABLE_KEYS takes 16 bytes");
// The same offsets in every build, kernel or user mode, i686 or x86_64.
static_assert(offsetof(RF_RECORD, Channel) == 1 && offsetof(RF_RECORD, Id) == 2 && offsetof(RF_RECORD, Flags) == 4,
              "RF_RECORD: State, Channel, Id, Flags");
static_assert(offsetof(RF_DATA, Record[DEVICE_MOUSE]) == 10, "records follow each other by kind");
static_assert(offsetof(EVENT_RECORD, AuxByte) == 1, "the event code, then the auxiliary byte");
static_assert(offsetof(DISABLE_KEYS_INPUT, Application) == 12, "four 32-bit flags");

constexpr uint8_t RF_STATE_LINKED = 0x01;
constexpr uint8_t RF_STATE_REPORTED = 0x80;
constexpr uint8_t RF_FLAG_BATTERY_LOW = 0x01;
constexpr uint8_t RF_FLAG_LOCK = 0x10;

// The lock byte sent with IOCTL_SET_LOCK: 0 unlocks, bit 7 set locks.
constexpr uint8_t LOCK_BYTE_ON_BIT = 0x80;

// Status-table index values of a device-status report that are not device kinds.
constexpr uint8_t RF_INDEX_CLEAR_ALL = 254;
constexpr uint8_t RF_INDEX_LOCK_ONLY = 255;
