// User mode's side of the receiver test bench: one handle on "\\.\KBBENCH" and a call per
// request. Every call returns false on failure and leaves the Windows error in error().
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "tools/simulator/bench_interface.h"

namespace sim {

class BenchClient {
public:
    BenchClient();
    ~BenchClient();
    BenchClient(const BenchClient&) = delete;
    BenchClient& operator=(const BenchClient&) = delete;

    bool is_open() const { return handle_ != INVALID_HANDLE_VALUE; }
    DWORD error() const { return error_; }

    bool LoadFilter(const char* service);
    bool UnloadFilter();
    bool Plug(uint32_t receiver, BENCH_PLUG_RESULT* result, int32_t start_status = 0, bool start_later = false,
              bool power_pagable = false);
    bool Unplug(uint32_t receiver, BENCH_UNPLUG_RESULT* result, bool hold_transfers = false);
    // Feeds reports in order; the number delivered, which is short of the count when a
    // receiver is not plugged in or has no transfer waiting.
    uint32_t Feed(const BENCH_REPORT* reports, uint32_t count);
    bool FeedOne(uint32_t receiver, const std::vector<uint8_t>& bytes, uint8_t kind = BENCH_INTERRUPT_TRANSFER);
    std::vector<BENCH_HID_RECORD> TakeHid();
    // Keyboard activity for the companion filter's reader.
    bool Keyboard(uint32_t activities);
    // A pending read of a file object of the bench's own on the loaded driver's control
    // device, and the cleanup of that file object or, with other_file, of another one.
    bool Cleanup(bool other_file, BENCH_CLEANUP_RESULT* result);
    // The call-th allocating call of the loaded filter from its load on fails; 0: none.
    bool FailAllocation(uint32_t call);
    bool Probe(uint32_t receiver, uint32_t probe, BENCH_PROBE_RESULT* result);
    bool Stats(BENCH_STATS* stats);

private:
    bool Call(uint32_t code, const void* in, DWORD in_size, void* out, DWORD out_size, DWORD* returned = nullptr);

    HANDLE handle_;
    DWORD error_ = 0;
};

// True when the bench's count is sound: nothing came back twice or otherwise than it was
// answered, nothing was lost, and all that is still out are the transfers in flight.
bool EveryRequestCameBack(const BENCH_STATS& stats);

// Feeds the WWW Back key (it starts nothing by itself) to `receiver` until the HID side receives
// it blanked, which the filter does only while a reader listens: another program's handle (the
// agent's) becomes a reader with its first read, a moment after it opened. That last key is
// queued for the reader, one event; the HID side's other records are taken and dropped. False
// when no reader came within `limit_ms`.
bool FeedUntilAReaderListens(BenchClient& bench, uint32_t receiver, DWORD limit_ms);

// A report record for the bench from bytes; at most BENCH_MAX_REPORT bytes are taken.
BENCH_REPORT MakeReport(uint32_t receiver, const std::vector<uint8_t>& bytes, uint8_t kind = BENCH_INTERRUPT_TRANSFER);

}  // namespace sim
