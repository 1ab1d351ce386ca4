// What a reader of the keyboard filter's stand-in ("\\.\UOVKBFTR") meets: its records, and the
// private requests of its test variant (uovkbftr_test.sys), for tests and the receiver
// simulator only: the plain uovkbftr.sys refuses them and no program of the product sends
// them. Included by the driver, so it depends on nothing but fixed-width integer types.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

#define KB_KEYBOARD_FILTER_DEVICE_NAME_W L"\\Device\\UOVKBFTR"
#define KB_KEYBOARD_FILTER_LINK_NAME_W L"\\DosDevices\\UOVKBFTR"

// The stand-in runs as a service of its own: nothing of the product installs it.
#define KB_KEYBOARD_FILTER_SERVICE_NAME "UOVKBFTR"
#define KB_KEYBOARD_FILTER_FILE_NAME "uovkbftr.sys"
#define KB_KEYBOARD_FILTER_TEST_FILE_NAME "uovkbftr_test.sys"

// A read shorter than KEYBOARD_FILTER_RECORD_SIZE gets the first bytes of the record; a longer
// one gets the whole record and no more.

// Codes fed while nobody reads wait for the next reads, up to this many; a feed beyond is
// refused, so no code is ever lost unseen.
constexpr uint32_t UOV_WAITING_LIMIT = 64;

// ---- The test variant only.

// Feeds one hot-key code (input: 1 byte, any value): a pending read completes with it, or the
// next read does. Refused with no input (ERROR_INVALID_PARAMETER) and while UOV_WAITING_LIMIT
// codes wait (ERROR_BUSY). No output.
constexpr uint32_t IOCTL_UOV_TEST_FEED_CODE =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x900, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);

// Returns, as a little-endian uint32_t, how many reads have completed with a record since the
// driver loaded (reads that end cancelled or with nothing are not counted).
constexpr uint32_t IOCTL_UOV_TEST_GET_READ_COUNT =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x901, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);
