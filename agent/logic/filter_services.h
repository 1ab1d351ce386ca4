// The two filters the agent puts into the receiver's stacks: each one's service, with its values
// in the order they are written, its driver file, and the commands that add it to and remove it
// from its interface's "LowerFilters". The keyboard interface's filter comes first.
#pragma once

#include <cstdint>

enum class ServiceValueType { Number, Text };

struct ServiceValue {
    const char* name;
    ServiceValueType type;
    uint32_t number;
    const char* text;
};

constexpr int kServiceValueCount = 5;

struct FilterService {
    const char* name;        // the service, and the entry in the filter list
    const char* key;         // below HKEY_LOCAL_MACHINE
    const char* image_path;  // relative to the Windows folder, as Windows expects it
    ServiceValue values[kServiceValueCount];
    const char* add_command;
    const char* remove_command;
    // Logged when the filter is left out of a list because its driver file, or its service, is
    // not there: a lower filter whose driver can't load keeps the whole stack, and so the
    // keyboard, from starting.
    const char* missing_driver_log;
    const char* missing_service_log;
};

constexpr int kFilterServiceCount = 2;

// [0] LVXNFTR below the keyboard interface (MI_00), [1] UVXNFTR below the hot-key interface (MI_01).
extern const FilterService kFilterServices[kFilterServiceCount];

