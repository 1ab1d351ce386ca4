#include "tools/simulator/client/bench_client.h"

#include <cstring>

namespace sim {

BenchClient::BenchClient()
    : handle_(CreateFileA(KB_BENCH_USER_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) error_ = GetLastError();
}

BenchClient::~BenchClient() {
    if (is_open()) CloseHandle(handle_);
}

bool BenchClient::Call(uint32_t code, const void* in, DWORD in_size, void* out, DWORD out_size, DWORD* returned) {
    DWORD bytes = 0;
    if (!DeviceIoControl(handle_, code, const_cast<void*>(in), in_size, out, out_size, &bytes, nullptr)) {
        error_ = GetLastError();
        return false;
    }
    if (returned) *returned = bytes;
    return true;
}

bool BenchClient::LoadFilter(const char* service) {
    BENCH_FILTER in = {};
    std::strncpy(in.Service, service, sizeof in.Service - 1);
    return Call(IOCTL_BENCH_LOAD_FILTER, &in, sizeof in, nullptr, 0);
}

bool BenchClient::UnloadFilter() { return Call(IOCTL_BENCH_UNLOAD_FILTER, nullptr, 0, nullptr, 0); }

bool BenchClient::Plug(uint32_t receiver, BENCH_PLUG_RESULT* result, int32_t start_status, bool start_later,
                       bool power_pagable) {
    BENCH_PLUG in = {receiver, start_status, start_later ? 1u : 0u, power_pagable ? 1u : 0u};
    return Call(IOCTL_BENCH_PLUG, &in, sizeof in, result, sizeof *result);
}

bool BenchClient::Unplug(uint32_t receiver, BENCH_UNPLUG_RESULT* result, bool hold_transfers) {
    BENCH_UNPLUG in = {receiver, hold_transfers ? 1u : 0u};
    return Call(IOCTL_BENCH_UNPLUG, &in, sizeof in, result, sizeof *result);
}

uint32_t BenchClient::Feed(const BENCH_REPORT* reports, uint32_t count) {
    BENCH_FEED_RESULT result = {};
    if (!Call(IOCTL_BENCH_FEED, reports, count * sizeof(BENCH_REPORT), &result, sizeof result)) return 0;
    return result.Delivered;
}

bool BenchClient::FeedOne(uint32_t receiver, const std::vector<uint8_t>& bytes, uint8_t kind) {
    BENCH_REPORT report = MakeReport(receiver, bytes, kind);
    return Feed(&report, 1) == 1;
}

std::vector<BENCH_HID_RECORD> BenchClient::TakeHid() {
    std::vector<BENCH_HID_RECORD> all;
    std::vector<BENCH_HID_RECORD> batch(64);
    for (;;) {
        DWORD bytes = 0;
        if (!Call(IOCTL_BENCH_TAKE_HID, nullptr, 0, batch.data(), batch.size() * sizeof batch[0], &bytes)) break;
        size_t n = bytes / sizeof batch[0];
        all.insert(all.end(), batch.begin(), batch.begin() + n);
        if (n < batch.size()) break;
    }
    return all;
}

bool BenchClient::Keyboard(uint32_t activities) {
    BENCH_KEYBOARD in = {activities};
    return Call(IOCTL_BENCH_KEYBOARD, &in, sizeof in, nullptr, 0);
}

bool BenchClient::Cleanup(bool other_file, BENCH_CLEANUP_RESULT* result) {
    BENCH_CLEANUP in = {other_file ? 1u : 0u};
    return Call(IOCTL_BENCH_CLEANUP, &in, sizeof in, result, sizeof *result);
}

bool BenchClient::FailAllocation(uint32_t call) {
    BENCH_FAIL_ALLOCATION in = {call};
    return Call(IOCTL_BENCH_FAIL_ALLOCATION, &in, sizeof in, nullptr, 0);
}

bool BenchClient::Probe(uint32_t receiver, uint32_t probe, BENCH_PROBE_RESULT* result) {
    BENCH_PROBE in = {receiver, probe};
    return Call(IOCTL_BENCH_PROBE, &in, sizeof in, result, sizeof *result);
}

bool BenchClient::Stats(BENCH_STATS* stats) { return Call(IOCTL_BENCH_STATS, nullptr, 0, stats, sizeof *stats); }

bool EveryRequestCameBack(const BENCH_STATS& stats) {
    return stats.IrpsCompletedTwice == 0 && stats.StatusMismatches == 0 && stats.TransfersLost == 0 &&
           stats.IrpsSent - stats.IrpsCompleted == stats.TransfersPending;
}

bool FeedUntilAReaderListens(BenchClient& bench, uint32_t receiver, DWORD limit_ms) {
    const std::vector<uint8_t> www_back = {0x01, 0x24, 0x02};
    const DWORD start = GetTickCount();
    do {
        if (!bench.FeedOne(receiver, www_back)) return false;
        for (const BENCH_HID_RECORD& record : bench.TakeHid()) {
            if (record.Length == www_back.size() && record.Bytes[1] == 0 && record.Bytes[2] == 0) return true;
        }
        Sleep(20);
    } while (GetTickCount() - start < limit_ms);
    return false;
}

BENCH_REPORT MakeReport(uint32_t receiver, const std::vector<uint8_t>& bytes, uint8_t kind) {
    BENCH_REPORT report = {};
    report.Receiver = static_cast<uint8_t>(receiver);
    report.Kind = kind;
    size_t n = bytes.size() < BENCH_MAX_REPORT ? bytes.size() : BENCH_MAX_REPORT;
    report.Length = static_cast<uint8_t>(n);
    if (n) std::memcpy(report.Bytes, bytes.data(), n);
    return report;
}

}  // namespace sim
