// Reports per second from the receiver test bench through the real uvxnftr.sys to a reader of
// "\\.\UVXNFLTR" that blocks in 2-byte reads on a thread of its own, as the agent's reader does;
// with the events lost on the way: none while the reader keeps up, and beyond the queue's bound
// only the oldest of the events nobody read. Beside it, as its floor, the reads per second the
// same reader gets from the instant-read driver, whose reads complete at once, batch for batch
// in the same run, and the round trip of one such read. Results go to the file named by the
// first argument and to the console.
#include <windows.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "common/control_interface.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/simulator/client/filter_reader.h"
#include "tools/simulator/client/read_floor.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/result_file.h"

namespace {

constexpr uint32_t kReports = 50000;
constexpr uint32_t kBatch = 128;  // below the queue's bound, so a reader that keeps up loses nothing
constexpr int kRoundTrips = 5000;
// An unread burst that just fits: the queue's bound, and one more taken by the read outstanding.
constexpr uint32_t kFits = EVENT_QUEUE_LIMIT + 1;

std::vector<BENCH_REPORT> HotKeyPressesAndReleases(uint32_t count) {
    std::vector<BENCH_REPORT> reports;
    for (uint32_t i = 0; i < count; ++i) {
        reports.push_back(sim::MakeReport(1, i % 2 ? std::vector<uint8_t>{0x01, 0x00, 0x00}
                                                   : std::vector<uint8_t>{0x01, 0xE9, 0x00}));
    }
    return reports;
}

double Seconds(LONGLONG ticks) { return winsupport::Milliseconds(ticks) / 1e3; }

// Reads 2-byte records on a thread of its own, blocking in each read as the agent's reader does,
// as many as it is allowed, then waits until it is allowed more. It reads the filter's device
// or, switched over between two batches, the instant-read driver's: one thread for both, so
// that where the scheduler puts it weighs on the filter and on its floor alike.
struct BlockingReader {
    HANDLE device = INVALID_HANDLE_VALUE;  // read now
    HANDLE other = INVALID_HANDLE_VALUE;   // read after the next switch
    volatile LONG events = 0;
    volatile LONG allowed = 0;
    volatile LONG stop = 0;
    HANDLE thread = nullptr;
    // Set once the count reaches what is allowed, not after every event: a waiter woken for
    // each read would be timed as well, and the reads are what is measured.
    HANDLE reached = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE more = CreateEventA(nullptr, FALSE, FALSE, nullptr);

    static DWORD WINAPI Loop(LPVOID context) {
        auto* self = static_cast<BlockingReader*>(context);
        EVENT_RECORD event = {};
        DWORD bytes;
        while (!self->stop) {
            if (self->events >= self->allowed) {
                WaitForSingleObject(self->more, INFINITE);
                continue;
            }
            if (!ReadFile(self->device, &event, sizeof event, &bytes, nullptr)) break;
            if (InterlockedIncrement(&self->events) >= self->allowed) SetEvent(self->reached);
        }
        return 0;
    }

    bool Start(const char* path, const char* other_path) {
        device = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (device == INVALID_HANDLE_VALUE) return false;
        // The filter's handle is a reader from its first read on, before the first report is
        // fed; a read with no room takes no event.
        EVENT_RECORD none = {};
        DWORD bytes = 0;
        if (!ReadFile(device, &none, 0, &bytes, nullptr)) return false;
        other = CreateFileA(other_path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (other == INVALID_HANDLE_VALUE) return false;
        thread = CreateThread(nullptr, 0, Loop, this, 0, nullptr);
        return thread != nullptr;
    }

    // Only while it waits, having read all it was allowed.
    void Switch() { std::swap(device, other); }

    // Lets it read until `count` events in all.
    void Allow(LONG count) {
        allowed = count;
        SetEvent(more);
    }

    // False when it did not reach `count` within `ms`.
    bool WaitFor(LONG count, DWORD ms) {
        Allow(count);
        while (events < count) {
            if (WaitForSingleObject(reached, ms) != WAIT_OBJECT_0) return false;
        }
        return true;
    }

    void End() {
        stop = 1;
        SetEvent(more);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        CloseHandle(device);
        CloseHandle(other);
        CloseHandle(reached);
        CloseHandle(more);
    }
};

// Reports or reads in batches: what went in and came out, and the rate of each batch. A batch
// stalled by the rest of a shared machine shows as one slow batch, so the median of the batches'
// rates says what the path sustains.
struct Throughput {
    uint32_t fed = 0;
    uint32_t events = 0;
    std::vector<double> batch_rates;  // per second

    double Rate() const { return batch_rates.empty() ? 0 : winsupport::Percentile(batch_rates, 0.5); }
};

uint32_t BatchAt(uint32_t done, uint32_t total) { return total - done < kBatch ? total - done : kBatch; }

// One batch of `n` reports fed to the filter; with a reader, which then has a read outstanding
// on it as the reports come, until it has read the batch's events (or gives up: those are lost).
// The bench hands what reached the HID side back after the batch's time: that is the bench's
// own bookkeeping, no part of the road. False when the bench took fewer reports or the reader
// gave up.
bool FeedBatch(sim::BenchClient& bench, const std::vector<BENCH_REPORT>& reports, uint32_t n,
               BlockingReader* reader, Throughput* run) {
    const LONG before = reader ? reader->events : 0;
    if (reader) reader->Allow(before + static_cast<LONG>(n));
    const LONGLONG start = winsupport::Now();
    const uint32_t delivered = bench.Feed(reports.data(), n);
    run->fed += delivered;
    const bool read = !reader || reader->WaitFor(before + static_cast<LONG>(delivered), 2000);
    const LONGLONG end = winsupport::Now();
    bench.TakeHid();
    if (reader) run->events += static_cast<uint32_t>(reader->events - before);
    if (delivered != n || !read) return false;
    run->batch_rates.push_back(n / Seconds(end - start));
    return true;
}

// One batch of `n` reads of the instant-read driver by the same reader, switched over to it.
bool ReadBatch(BlockingReader& reader, uint32_t n, Throughput* run) {
    const LONG before = reader.events;
    reader.Switch();
    const LONGLONG start = winsupport::Now();
    const bool read = reader.WaitFor(before + static_cast<LONG>(n), 2000);
    const LONGLONG end = winsupport::Now();
    reader.Switch();
    if (!read) return false;
    run->fed += n;
    run->events += n;
    run->batch_rates.push_back(n / Seconds(end - start));
    return true;
}

// With the reader listening but not reading on, `count` reports each queue one event; how many
// a reader then finds. One read is kept outstanding by FilterReader and takes the first event.
uint32_t ReadBackAfterUnreadBurst(sim::BenchClient& bench, uint32_t count) {
    sim::FilterReader reader;
    reader.Drain(bench);
    std::vector<BENCH_REPORT> reports = HotKeyPressesAndReleases(count);
    for (uint32_t done = 0; done < count; done += kBatch) {
        bench.Feed(reports.data() + done, count - done < kBatch ? count - done : kBatch);
        bench.TakeHid();
    }
    return static_cast<uint32_t>(reader.Drain(bench).size());
}

struct Figures {
    Throughput no_reader;
    uint32_t at_bound = 0;     // read back of an unread burst that just fits the queue
    uint32_t above_bound = 0;  // and of one 100 events longer
    Throughput filter;         // reports to the blocking reader
    Throughput floor;          // the instant-read driver's reads, batch for batch beside them
    std::vector<double> round_trips_ms;
};

// The filter's batches and the floor's take turns, read by one reader, so that a machine whose
// load comes and goes weighs on both alike.
bool FilterBesideFloor(sim::BenchClient& bench, Figures* figures) {
    BlockingReader reader;
    if (!reader.Start(KB_FILTER_USER_PATH, KB_INSTANT_READ_USER_PATH)) {
        std::fprintf(stderr, "the filter's or the instant-read driver's device could not be opened\n");
        return false;
    }
    const std::vector<BENCH_REPORT> reports = HotKeyPressesAndReleases(kBatch);
    while (figures->filter.fed < kReports) {
        const uint32_t n = BatchAt(figures->filter.fed, kReports);
        // A batch that did not come whole leaves the reader inside a read: the run ends there.
        if (!FeedBatch(bench, reports, n, &reader, &figures->filter) || !ReadBatch(reader, n, &figures->floor)) break;
    }
    // A reader stuck in a read of the filter's device is freed by one more event.
    BENCH_REPORT last = sim::MakeReport(1, {0x01, 0x00, 0x00});
    if (figures->filter.events != figures->filter.fed) bench.Feed(&last, 1);
    reader.End();
    return true;
}

bool Measure(Figures* figures, BENCH_STATS* stats) {
    sim::InstantReads instant;
    sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    if (!instant.ready() || !session.ready()) {
        std::fprintf(stderr, "the drivers did not start: %s%s\n", instant.error().c_str(), session.error().c_str());
        return false;
    }
    sim::BenchClient& bench = session.bench();
    BENCH_PLUG_RESULT plugged = {};
    if (!bench.Plug(1, &plugged) || plugged.StartStatus != 0) {
        std::fprintf(stderr, "the receiver could not be plugged in\n");
        return false;
    }

    const std::vector<BENCH_REPORT> reports = HotKeyPressesAndReleases(kBatch);
    while (figures->no_reader.fed < kReports &&
           FeedBatch(bench, reports, BatchAt(figures->no_reader.fed, kReports), nullptr, &figures->no_reader)) {
    }
    figures->at_bound = ReadBackAfterUnreadBurst(bench, kFits);
    figures->above_bound = ReadBackAfterUnreadBurst(bench, kFits + 100);
    if (!FilterBesideFloor(bench, figures)) return false;
    for (int i = 0; i < kRoundTrips; ++i) {
        if (!instant.Sample(&figures->round_trips_ms)) return false;
    }
    bench.Stats(stats);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: simulator_filter_throughput_bench RESULT_FILE\n");
        return 2;
    }
    std::FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 1;
    Figures figures;
    BENCH_STATS stats = {};
    if (!Measure(&figures, &stats)) return 1;

    const Throughput& real = figures.filter;
    const double real_rate = real.Rate();
    const double floor_rate = figures.floor.Rate();
    char text[1600];
    std::snprintf(text, sizeof text,
                  "reports per second, bench -> uvxnftr.sys -> blocking reader thread (median of batches of %u): %.0f\n"
                  "  reports %u, events expected %u, read %u, lost %u\n"
                  "reads per second, the same reader on the instant-read driver, batch for batch beside it (floor): %.0f\n"
                  "  the filter delivers %.2fx the floor's reads per second\n"
                  "one read of the instant-read driver alone, round trip: median %.1f us, p99 %.1f us over %d\n"
                  "reports per second with no reader open (no events, HID side only): %.0f\n"
                  "unread burst of %u events (queue bound %u plus the read outstanding): %u read back, %u lost\n"
                  "unread burst of %u events: %u read back, %u lost (the oldest are dropped)\n"
                  "bench requests sent %u, completed once %u, completed twice %u\n",
                  kBatch, real_rate, real.fed, real.fed, real.events, real.fed - real.events, floor_rate,
                  real_rate / floor_rate, 1e3 * winsupport::Percentile(figures.round_trips_ms, 0.5),
                  1e3 * winsupport::Percentile(figures.round_trips_ms, 0.99), kRoundTrips, figures.no_reader.Rate(),
                  kFits, EVENT_QUEUE_LIMIT, figures.at_bound, kFits - figures.at_bound, kFits + 100,
                  figures.above_bound, kFits + 100 - figures.above_bound, stats.IrpsSent, stats.IrpsCompleted,
                  stats.IrpsCompletedTwice);
    std::fputs(text, stdout);
    std::fputs(text, out);
    winsupport::WriteFigure(out, "reports_per_second", real_rate, "reports/s");
    winsupport::WriteFloor(out, "reports_per_second", floor_rate, "reads/s");
    winsupport::WriteFigure(out, "reports_events_lost", real.fed - real.events, "events");
    std::fclose(out);
    const bool sound = real.fed == kReports && real.events == real.fed && figures.at_bound == kFits &&
                       figures.above_bound == kFits && stats.IrpsCompletedTwice == 0 &&
                       figures.floor.events == kReports;
    return sound ? 0 : 1;
}
