#include "tools/simulator/client/filter_reader.h"

namespace sim {

FilterReader::FilterReader() : read_done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    handle_ = CreateFileA(KB_FILTER_USER_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) error_ = GetLastError();
}

FilterReader::~FilterReader() {
    if (is_open()) {
        if (outstanding_) {
            CancelIo(handle_);
            DWORD bytes;
            GetOverlappedResult(handle_, &overlapped_, &bytes, TRUE);
        }
        CloseHandle(handle_);
    }
    CloseHandle(read_done_);
}

bool FilterReader::Issue() {
    while (!outstanding_) {
        ResetEvent(read_done_);
        overlapped_ = {};
        overlapped_.hEvent = read_done_;
        DWORD bytes = 0;
        if (ReadFile(handle_, &buffer_, sizeof buffer_, &bytes, &overlapped_)) {
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
    if (!GetOverlappedResult(handle_, &overlapped_, &bytes, FALSE) || bytes != sizeof buffer_) {
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
        BENCH_STATS round_trip;
        bench.Stats(&round_trip);
        EVENT_RECORD event;
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
    OVERLAPPED overlapped = {};
    overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD bytes = 0;
    BOOL done = DeviceIoControl(handle_, IOCTL_GET_RF_DATA, nullptr, 0, table, sizeof *table, &bytes, &overlapped);
    if (!done && GetLastError() == ERROR_IO_PENDING) done = GetOverlappedResult(handle_, &overlapped, &bytes, TRUE);
    if (!done) error_ = GetLastError();
    CloseHandle(overlapped.hEvent);
    if (returned) *returned = bytes;
    return done && bytes == sizeof *table;
}

}  // namespace sim

