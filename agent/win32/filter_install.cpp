// "/install", "/uninstall", the filter check and the install on an arrival, over EditFilterList.
#include "agent/win32/filter_install.h"

namespace {

// A filter whose service or driver file is missing is never written into a list: Windows would
// fail to load it and leave the whole stack, the user's keyboard with it, without a driver.
// "/uninstall" deletes the services and leaves the files, so the check of the next start finds
// the files alone. False for a filter left out, which is logged.
bool FilterCanBeAdded(const FilterService& service, FilterLog& log) {
    if (!FilterServicePresent(service)) {
        log.Write(service.missing_service_log);
        return false;
    }
    if (!FilterDriverFilePresent(service)) {
        log.Write(service.missing_driver_log);
        return false;
    }
    return true;
}

FilterEditResult AddFilter(const FilterService& service, bool present_devices_only, FilterLog& log) {
    if (!FilterCanBeAdded(service, log)) return FilterEditResult::NoChange;
    return EditFilterList(service.add_command, present_devices_only);
}

}  // namespace

FilterEditResult InstallFilters(bool present_devices_only, FilterLog& log, bool* complete) {
    bool all_in_place = true;
    for (const FilterService& service : kFilterServices) all_in_place = RegisterFilterService(service) && all_in_place;
    FilterEditResult result = FilterEditResult::NoChange;
    for (const FilterService& service : kFilterServices) {
        const bool addable = FilterCanBeAdded(service, log);
        all_in_place = all_in_place && addable;
        result = addable ? EditFilterList(service.add_command, present_devices_only) : FilterEditResult::NoChange;
    }
    if (complete != nullptr) *complete = all_in_place;
    return result;
}

void UninstallFilters() {
    DeleteFilterServices();
    for (const FilterService& service : kFilterServices) EditFilterList(service.remove_command, false);
}

bool CheckFilters(FilterLog& log) {
    bool exist = true;
    for (const FilterService& service : kFilterServices) {
        if (AddFilter(service, false, log) == FilterEditResult::NoChange) exist = false;
    }
    log.Write(exist ? "Filter Driver exist" : "Filter Driver doesn't exist");
    return exist;
}
