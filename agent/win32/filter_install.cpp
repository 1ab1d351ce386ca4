// "/install", "/uninstall", the filter check and the install on an arrival, over EditFilterList.
#include "agent/win32/filter_install.h"

namespace {

// A filter whose service or driver file is missing is never written into a list: Windows would
// fail to load it and leave the whole stack, the user's keyboard with it, without a driver.
// "/uninstall" deletes the services and leaves the files, so the check of the next start finds
// the files alone.
FilterEditResult AddFilter(const FilterService& service, bool present_devices_only, FilterLog& log) {
    if (!FilterServicePresent(service)) {
        log.Write(service.missing_service_log);
        return FilterEditResult::NoChange;
    }
    if (!FilterDriverFilePresent(service)) {
        log.Write(service.missing_driver_log);
        return FilterEditResult::NoChange;
    }
    return EditFilterList(service.add_command, present_devices_only);
}

}  // namespace

FilterEditResult InstallFilters(bool present_devices_only, FilterLog& log) {
    for (const FilterService& service : kFilterServices) RegisterFilterService(service);
    FilterEditResult result = FilterEditResult::NoChange;
    for (const FilterService& service : kFilterServices) result = AddFilter(service, present_devices_only, log);
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
