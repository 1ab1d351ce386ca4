// What a reader of the companion filter's stand-in ("\\.\LVXNFLTR") meets beyond the product's
// control codes (common/control_interface.h): its activity records, and the private requests of
// its test variant (lvxnftr_test.sys), for tests and the receiver simulator only: the shipped
// lvxnftr.sys refuses them and no program of the product sends them. Included by the driver,
// so it depends on nothing but fixed-width integer types.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

// The byte each activity record carries; readers count records and ignore the value.
constexpr uint8_t LVX_ACTIVITY_RECORD = 1;

// Activity kept while nobody reads is counted up to this many records; more is folded into them.
constexpr uint32_t LVX_ACTIVITY_LIMIT = 255;

// ---- The test variant only.

// Its file; it runs under the shipped driver's service name.
#define KB_COMPANION_TEST_FILE_NAME "lvxnftr_test.sys"

// Feeds one keyboard activity: a pending 1-byte read completes, or the next read does. No
// input, no output.
constexpr uint32_t IOCTL_LVX_TEST_FEED_ACTIVITY =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x900, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);

// Returns what the stand-in was last sent: a LVX_KEPT_STATE.
constexpr uint32_t IOCTL_LVX_TEST_GET_STATE =
    kb_ctl_code(KB_FILE_DEVICE_UNKNOWN, 0x901, KB_METHOD_BUFFERED, KB_FILE_ANY_ACCESS);

#pragma pack(push, 1)
struct LVX_KEPT_STATE {
    uint8_t LockByte;                 // last IOCTL_SET_LOCK input; 0 at start
    DISABLE_KEYS_INPUT DisabledKeys;  // last IOCTL_DISABLE_KEYS input; all 0 at start
};
#pragma pack(pop)

static_assert(sizeof(LVX_KEPT_STATE) == 17, "lock byte and the four key flags");
