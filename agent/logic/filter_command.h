// One change to a device's filter list, as the command text that names it: the hardware id,
// the filter name and options such as "-ADD -LOWER" (options may be shortened to any prefix,
// and the first option word that fits wins).
#pragma once

#include <string>

enum class FilterListKind { Upper, Lower };

enum class FilterPosition { First, Last, Before, After, Remove };

struct FilterCommand {
    FilterListKind list = FilterListKind::Upper;
    FilterPosition position = FilterPosition::First;
    std::string hardware_id;
    std::string filter_name;
    // The entry "before" and "after" are placed against; for "remove", the filter name.
    std::string reference;
};

// False for a text that says nothing sound: an unknown option, "before" or "after" with no
// entry behind it, a third plain token, a missing hardware id or filter name.
bool ParseFilterCommand(const char* text, FilterCommand* command);
