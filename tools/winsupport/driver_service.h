// Runs a kernel driver from the build tree as a demand-start service for the lifetime of the
// object: created and started on construction, stopped and deleted on destruction.
//
// The service points at the driver by its absolute path: Wine does not load a driver whose
// ImagePath is the relative "system32\drivers\x.sys" form that the product writes for Windows.
#pragma once

#include <windows.h>

#include <string>

namespace winsupport {

class DriverService {
public:
    // name: the service name; sys_path: full Windows path of the .sys file. With start false
    // the service is only registered, for a driver that another driver loads (ZwLoadDriver).
    // group: the service's load-order group; Wine runs the drivers of one group in one process.
    DriverService(const char* name, const std::string& sys_path, bool start = true, const char* group = nullptr);
    ~DriverService();
    DriverService(const DriverService&) = delete;
    DriverService& operator=(const DriverService&) = delete;

    // True once the service exists and is running.
    bool running() const { return running_; }
    // True once the service exists.
    bool registered() const { return service_ != nullptr; }
    // What went wrong, for the test's failure message.
    const std::string& error() const { return error_; }

    // Stops the service and waits until the driver has unloaded. True on success.
    bool Stop();

private:
    std::string name_;
    std::string error_;
    bool running_ = false;
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

// Removes a service of that name left behind by an earlier, interrupted run.
void DeleteStaleService(const char* name);

}  // namespace winsupport
