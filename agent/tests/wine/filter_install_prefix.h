// What the installation's tests set in the prefix around a run: the filters' driver files in
// system32\drivers, a program's own Windows version, and a look at the filters' service keys.
#pragma once

#include <string>
#include <vector>

#include "agent/logic/filter_services.h"

namespace filter_test {

// The built driver files copied to where "/install" wants them; files that were there before
// stay, those copied here go again.
class DriverFiles {
public:
    DriverFiles();
    ~DriverFiles();
    DriverFiles(const DriverFiles&) = delete;
    DriverFiles& operator=(const DriverFiles&) = delete;

    // Takes away a file copied here; false when it was the prefix's own.
    bool Remove(const FilterService& service);

private:
    std::vector<std::string> made_;
};


bool ServiceKeyExists(const FilterService& service);

}  // namespace filter_test
