// A filter driver put into the receiver test bench for the lifetime of the object: the filter's
// service is registered (not started), the bench is started as a service, and the bench loads
// the filter into its own process. Destruction unplugs, unloads and removes it all again.
#pragma once

#include <memory>
#include <string>

#include "tools/simulator/client/bench_client.h"
#include "tools/winsupport/driver_service.h"

namespace sim {

class BenchSession {
public:
    // filter_service: the filter's service name; filter_path: full Windows path of its .sys.
    BenchSession(const char* filter_service, const std::string& filter_path);
    ~BenchSession();
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;

    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }
    BenchClient& bench() { return *client_; }

private:
    winsupport::DriverService filter_;
    winsupport::DriverService bench_service_;
    std::unique_ptr<BenchClient> client_;
    bool ready_ = false;
    std::string error_;
};

}  // namespace sim
