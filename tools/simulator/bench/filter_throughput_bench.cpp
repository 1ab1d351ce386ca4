// Reports per second from the receiver test bench through the real uvxnftr.sys to a reader of
// "\\.\UVXNFLTR" that blocks in 2-byte reads on a thread of its own, as the agent's reader does;
// with the events lost on the way: none while the reader keeps up, and beyond the queue's bound
// only the oldest of the events nobody read. Results go to the file named by the first
// argument and to the console.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "common/control_interface.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/simulator/client/filter_reader.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/result_file.h"

namespace {

constexpr uint32_t kReports = 50000;
constexpr uint32_t kBatch = 128;  // below the queue's bound, so a reader that keeps up loses nothing

std::vector<BENCH_REPORT> HotKeyPressesAndReleases(uint32_t count) {
    std::vector<BENCH_REPORT> reports;
    for (uint32_t i = 0; i < count; ++i) {
        reports.push_back(sim::MakeReport(1, i % 2 ? std::vector<uint8_t>{0x01, 0x00, 0x00}
                                                   : std::vector<uint8_t>{0x01, 0xE9, 0x00}));
    }
    return reports;
}

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// Counts the events it reads until told to stop; the stop takes effect after its next read.
struct BlockingReader {
    HANDLE device = INVALID_HANDLE_VALUE;
    volatile LONG events = 0;
    volatile LONG stop = 0;
    HANDLE thread = nullptr;
    HANDLE progress = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // set after every event

    static DWORD WINAPI Loop(LPVOID context) {
        auto* self = static_cast<BlockingReader*>(context);
        EVENT_RECORD event;
        DWORD bytes;
        while (!self->stop && ReadFile(self->device, &event, sizeof event, &bytes, nullptr)) {
            InterlockedIncrement(&self->events);
            SetEvent(self->progress);
        }
        return 0;
    }

    bool Start() {
        device = CreateFileA(KB_FILTER_USER_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (device == INVALID_HANDLE_VALUE) return false;
        // The handle is a reader from its first read on, before the first report is fed; a read
        // with no room takes no event.
        EVENT_RECORD none;
        DWORD bytes = 0;
        if (!ReadFile(device, &none, 0, &bytes, nullptr)) return false;
        thread = CreateThread(nullptr, 0, Loop, this, 0, nullptr);
        return thread != nullptr;
    }

    // False when the reader stopped making progress for `ms` before reaching `count`.
    bool WaitFor(LONG count, DWORD ms) {
        while (events < count) {
            if (WaitForSingleObject(progress, ms) != WAIT_OBJECT_0) return false;
        }
        return true;
    }
};

struct Throughput {
    double seconds = 0;
    uint32_t fed = 0;
    uint32_t events = 0;
};

// Feeds `total` reports in batches; with a reader, waits after each batch until it has read
// the batch's events (or gives up: those are lost).
Throughput Feed(sim::BenchClient& bench, BlockingReader* reader, uint32_t total) {
    Throughput run;
    std::vector<BENCH_REPORT> reports = HotKeyPressesAndReleases(kBatch);
    LONG first = reader ? reader->events : 0;
    double start = Now();
    while (run.fed < total) {
        uint32_t n = total - run.fed < kBatch ? total - run.fed : kBatch;
        uint32_t delivered = bench.Feed(reports.data(), n);
        run.fed += delivered;
        bench.TakeHid();
        if (delivered != n) break;
        if (reader) reader->WaitFor(first + static_cast<LONG>(run.fed), 2000);
    }
    run.seconds = Now() - start;
    if (reader) run.events = static_cast<uint32_t>(reader->events - first);
    return run;
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: simulator_filter_throughput_bench RESULT_FILE\n");
        return 2;
    }
    std::FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 1;
    sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    if (!session.ready()) {
        std::fprintf(stderr, "%s\n", session.error().c_str());
        return 1;
    }
    sim::BenchClient& bench = session.bench();
    BENCH_PLUG_RESULT plugged = {};
    if (!bench.Plug(1, &plugged) || plugged.StartStatus != 0) {
        std::fprintf(stderr, "the receiver could not be plugged in\n");
        return 1;
    }

    Throughput no_reader = Feed(bench, nullptr, kReports);
    // The outstanding read takes one event beyond what the queue holds.
    const uint32_t fits = EVENT_QUEUE_LIMIT + 1;
    const uint32_t at_bound = ReadBackAfterUnreadBurst(bench, fits);
    const uint32_t above_bound = ReadBackAfterUnreadBurst(bench, fits + 100);

    BlockingReader reader;
    if (!reader.Start()) {
        std::fprintf(stderr, "the filter's control device could not be opened\n");
        return 1;
    }
    Throughput with_reader = Feed(bench, &reader, kReports);
    reader.stop = 1;
    BENCH_REPORT last = sim::MakeReport(1, {0x01, 0x00, 0x00});
    bench.Feed(&last, 1);  // one more event ends the reader's last read
    WaitForSingleObject(reader.thread, 5000);
    CloseHandle(reader.thread);
    CloseHandle(reader.device);
    CloseHandle(reader.progress);

    BENCH_STATS stats = {};
    bench.Stats(&stats);
    char text[1200];
    std::snprintf(text, sizeof text,
                  "reports per second, bench -> uvxnftr.sys -> blocking reader thread (batches of %u): %.0f\n"
                  "  reports %u, events expected %u, read %u, lost %u\n"
                  "reports per second with no reader open (no events, HID side only): %.0f\n"
                  "unread burst of %u events (queue bound %u plus the read outstanding): %u read back, %u lost\n"
                  "unread burst of %u events: %u read back, %u lost (the oldest are dropped)\n"
                  "bench requests sent %u, completed once %u, completed twice %u\n",
                  kBatch, with_reader.fed / with_reader.seconds, with_reader.fed, with_reader.fed, with_reader.events,
                  with_reader.fed - with_reader.events, no_reader.fed / no_reader.seconds, fits, EVENT_QUEUE_LIMIT,
                  at_bound, fits - at_bound, fits + 100, above_bound, fits + 100 - above_bound, stats.IrpsSent,
                  stats.IrpsCompleted, stats.IrpsCompletedTwice);
    std::fputs(text, stdout);
    std::fputs(text, out);
    winsupport::WriteFigure(out, "reports_per_second", with_reader.fed / with_reader.seconds, "reports/s");
    winsupport::WriteFigure(out, "reports_events_lost", with_reader.fed - with_reader.events, "events");
    std::fclose(out);
    const bool sound = with_reader.fed == kReports && with_reader.events == with_reader.fed && at_bound == fits &&
                       above_bound == fits && stats.IrpsCompletedTwice == 0;
    return sound ? 0 : 1;
}
