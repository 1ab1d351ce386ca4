// What `EditFilterList` reports over all the devices a command matched.
#pragma once

#include "agent/logic/filter_list.h"

enum class FilterEditResult {
    Added = 0,           // the filter was written into at least one device's list
    NoChange = 1,        // nothing was added: also every removal and every command that can't be parsed
    AlreadyPresent = 2,  // a matching device already had the filter and none got it added
};

// The result after one more device. An add counts only once its write succeeded, and only
// through the device-installation interface of the NT platform: on platform 1 the registry write
// leaves the result as it was.
FilterEditResult CombineFilterEdit(FilterEditResult so_far, FilterListOutcome outcome, bool written,
                                   bool nt_platform);
