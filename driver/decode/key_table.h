// The hot keys the filter recognises: one usage per key, in the order that gives each key its
// event code (position 1 is code 1). Entries 1 to 18 are Consumer-page usages carried by the
// consumer-key report; entry 19 is the Generic-Desktop System Power Down usage carried by the
// system-control report.
#pragma once

#include <stdint.h>

struct KeyTableEntry {
    uint16_t Usage;
    const char* Name;
};

constexpr int KEY_TABLE_SIZE = 19;
constexpr int KEY_TABLE_CONSUMER_KEYS = 18;
constexpr int KEY_TABLE_POWER_POSITION = 19;

// Index 0 holds position 1.
extern const KeyTableEntry KeyTable[KEY_TABLE_SIZE];

// The event code (1 to 18) of a consumer usage, or 0 when the usage is not one of the hot keys.
uint8_t ConsumerKeyCode(uint16_t usage);

// True when a system-control usage byte is the power key of entry 19.
bool IsPowerKeyUsage(uint8_t usage);
