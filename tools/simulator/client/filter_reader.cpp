#include "tools/simulator/client/filter_reader.h"

#include "deviceclient/control_devices.h"

namespace sim {

FilterReader::FilterReader()
    : device_(devclient::OpenFilterDevice(true)), read_done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      error_(device_.open_error()) {
    if (is_open()) Issue();
}

FilterReader::~FilterReader() {
    if (is_open() && outstanding_) {
        CancelIo(device_.get());
        DWORD bytes;
        GetOverlappedResult(device_.get(), &overlapped_, &bytes, TRUE);
    }
    CloseHandle(read_done_);
}

bool FilterReader::Issue() {
    while (!outstanding_) {
        ResetEvent(read_done_);
        overlapped_ = {};
        overlapped_.hEvent = read_done_;
        DWORD bytes = 0;
        if (ReadFile(device_.get(), &buffer_, sizeof buffer_, &bytes, &overlapped_)) {
            if (bytes == sizeof buffer_) early_.push_back(buffer_);
            continue;
        }
        if (GetLastError() != ERROR_IO_PENDING) {
            error_ = GetLastError();
            return false;
        }
        outstanding_ = true;
    }
    return true;
}

bool FilterReader::Collect(EVENT_RECORD* event, DWORD timeout_ms) {
    if (!early_.empty()) {
        *event = early_.front();
        early_.erase(early_.begin());
        return true;
    }
    if (!Issue()) return false;
    if (WaitForSingleObject(read_done_, timeout_ms) != WAIT_OBJECT_0) return false;
    outstanding_ = false;
    DWORD bytes = 0;
    if (!GetOverlappedResult(device_.get(), &overlapped_, &bytes, FALSE) || bytes != sizeof buffer_) {
        error_ = GetLastError();
        return false;
    }
    *event = buffer_;
    return true;
}

std::vector<EVENT_RECORD> FilterReader::Drain(BenchClient& bench) {
    std::vector<EVENT_RECORD> events;
    for (;;) {
        if (!Issue()) break;
        BENCH_STATS round_trip = {};
        bench.Stats(&round_trip);
        EVENT_RECORD event = {};
        if (!Collect(&event, 0)) break;
        events.push_back(event);
    }
    while (!early_.empty()) {
        events.push_back(early_.front());
        early_.erase(early_.begin());
    }
    return events;
}

bool FilterReader::Next(EVENT_RECORD* event, DWORD timeout_ms) { return Collect(event, timeout_ms); }

bool FilterReader::RfData(RF_DATA* table, DWORD* returned) {
    DWORD bytes = 0;
    const bool done = devclient::Control(device_, IOCTL_GET_RF_DATA, nullptr, 0, table, sizeof *table, &bytes);
    if (!done) error_ = GetLastError();
    if (returned) *returned = bytes;
    return done && bytes == sizeof *table;
}

}  // namespace sim

