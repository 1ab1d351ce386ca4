#include "tools/winsupport/driver_service.h"

#include <cstdio>

namespace winsupport {
namespace {

std::string LastError(const char* what) {
    char text[160];
    std::snprintf(text, sizeof text, "%s failed, error %lu", what, GetLastError());
    return text;
}

bool WaitForState(SC_HANDLE service, DWORD wanted) {
    for (int i = 0; i < 100; ++i) {
        SERVICE_STATUS status;
        if (!QueryServiceStatus(service, &status)) return false;
        if (status.dwCurrentState == wanted) return true;
        Sleep(50);
    }
    return false;
}

// Wine's service manager answers ERROR_INTERNAL_ERROR or a request time-out when the process
// that hosts kernel drivers is slow to come up on a loaded machine; the same start a moment
// later succeeds.
bool StartWithRetries(SC_HANDLE service) {
    constexpr int kAttempts = 3;
    constexpr DWORD kPauseMs = 1000;
    for (int attempt = 1;; ++attempt) {
        if (StartServiceA(service, 0, nullptr)) return true;
        const DWORD error = GetLastError();
        if (attempt == kAttempts || (error != ERROR_INTERNAL_ERROR && error != ERROR_SERVICE_REQUEST_TIMEOUT)) {
            SetLastError(error);
            return false;
        }
        Sleep(kPauseMs);
    }
}

}  // namespace

void DeleteStaleService(const char* name) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    if (SC_HANDLE service = OpenServiceA(manager, name, SERVICE_ALL_ACCESS)) {
        SERVICE_STATUS status;
        if (ControlService(service, SERVICE_CONTROL_STOP, &status)) {
            WaitForState(service, SERVICE_STOPPED);
        }
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

DriverService::DriverService(const char* name, const std::string& sys_path, bool start, const char* group)
    : name_(name) {
    DeleteStaleService(name);
    manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager_) {
        error_ = LastError("OpenSCManagerA");
        return;
    }
    service_ = CreateServiceA(manager_, name, name, SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER,
                              SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, sys_path.c_str(),
                              group, nullptr, nullptr, nullptr, nullptr);
    if (!service_) {
        error_ = LastError("CreateServiceA");
        return;
    }
    if (!start) return;
    if (!StartWithRetries(service_)) {
        error_ = LastError("StartServiceA");
        return;
    }
    if (!WaitForState(service_, SERVICE_RUNNING)) {
        error_ = "the service did not reach the running state";
        return;
    }
    running_ = true;
}

bool DriverService::Stop() {
    if (!service_) return false;
    SERVICE_STATUS status;
    if (!ControlService(service_, SERVICE_CONTROL_STOP, &status)) {
        error_ = LastError("ControlService(STOP)");
        return false;
    }
    running_ = false;
    return WaitForState(service_, SERVICE_STOPPED);
}

DriverService::~DriverService() {
    if (service_) {
        if (running_) Stop();
        DeleteService(service_);
        CloseServiceHandle(service_);
    }
    if (manager_) CloseServiceHandle(manager_);
}

}  // namespace winsupport
