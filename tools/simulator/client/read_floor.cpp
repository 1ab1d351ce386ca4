#include "tools/simulator/client/read_floor.h"

#include "tools/simulator/bench_interface.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/build_files.h"

namespace sim {

InstantReads::InstantReads()
    : driver_(KB_INSTANT_READ_SERVICE_NAME, winsupport::BuildFile(KB_INSTANT_READ_FILE_NAME), true,
              KB_BENCH_SERVICE_GROUP) {
    if (!driver_.running()) {
        error_ = "the instant-read driver did not start: " + driver_.error();
        return;
    }
    device_ = CreateFileA(KB_INSTANT_READ_USER_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device_ == INVALID_HANDLE_VALUE)
        error_ = "the instant-read driver's device could not be opened, error " + std::to_string(GetLastError());
}

InstantReads::~InstantReads() {
    if (device_ != INVALID_HANDLE_VALUE) CloseHandle(device_);
}

double InstantReads::RoundTrip() {
    EVENT_RECORD record{};
    DWORD bytes = 0;
    const LONGLONG start = winsupport::Now();
    if (!ReadFile(device_, &record, sizeof record, &bytes, nullptr) || bytes != sizeof record) return -1;
    return winsupport::Milliseconds(winsupport::Now() - start);
}

bool InstantReads::Sample(std::vector<double>* samples) {
    const double ms = RoundTrip();
    if (ms < 0) return false;
    samples->push_back(ms);
    return true;
}

}  // namespace sim
