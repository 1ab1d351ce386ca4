// A device's filter list as the registry holds it (REG_MULTI_SZ: each name with its NUL, then
// one closing NUL), and what one command does to it.
#pragma once

#include <cstddef>
#include <string>

#include "agent/logic/filter_command.h"

// The list in its stored form from what a read gave back. A missing, empty or unreadable list is
// the empty list: one NUL, size 1. Bytes after the closing NUL are dropped, and a list that lacks
// its NULs (cut off, or stored as a plain text) gets them.
std::string NormaliseFilterList(const char* bytes, std::size_t size);

enum class FilterListOutcome {
    Unchanged,       // nothing to write
    AlreadyPresent,  // an add found the filter in the list; nothing to write
    Inserted,        // write `bytes`, which hold the filter now
    Removed,         // write `bytes`; size 0 means the list goes
};

struct FilterListEdit {
    FilterListOutcome outcome;
    std::string bytes;
};

// The command applied to a list in its stored form. An add puts the name at the front ("first",
// "add"), behind the last entry ("last"), in front of the reference ("before", the front when
// it is not there) or behind it ("after", the end when it is not there). A removal takes every
// entry equal to the name out; the list left with no entry has size 0.
FilterListEdit EditFilterList(const FilterCommand& command, const std::string& list);

// Whether a device's hardware ids (REG_MULTI_SZ, `size` bytes) belong to the command's device:
// the first id, with its four revision digits (characters 26 to 29) read as "9999" so that any
// revision of the receiver matches, equal to `wanted` without regard to case. An id too short to
// hold revision digits is compared as it stands.
bool HardwareIdMatches(const char* ids, std::size_t size, const std::string& wanted);
