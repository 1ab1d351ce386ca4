#include "tools/simulator/client/bench_session.h"

#include <cstdio>

#include "tools/winsupport/build_files.h"

namespace sim {

BenchSession::BenchSession(const char* filter_service, const std::string& filter_path)
    : filter_(filter_service, filter_path, false),
      bench_service_(KB_BENCH_SERVICE_NAME, winsupport::BuildFile(KB_BENCH_FILE_NAME), true, KB_BENCH_SERVICE_GROUP) {
    if (!filter_.registered()) {
        error_ = "the filter's service: " + filter_.error();
        return;
    }
    if (!bench_service_.running()) {
        error_ = "the bench's service: " + bench_service_.error();
        return;
    }
    client_.reset(new BenchClient);
    if (!client_->is_open()) {
        char text[80];
        std::snprintf(text, sizeof text, "opening %s failed, error %lu", KB_BENCH_USER_PATH, client_->error());
        error_ = text;
        return;
    }
    if (!client_->LoadFilter(filter_service)) {
        char text[120];
        std::snprintf(text, sizeof text, "the bench could not load the filter %s, error %lu", filter_service,
                      client_->error());
        error_ = text;
        return;
    }
    ready_ = true;
}

BenchSession::~BenchSession() {
    if (client_ && client_->is_open()) client_->UnloadFilter();
    client_.reset();
}

}  // namespace sim
