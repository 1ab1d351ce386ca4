// The soak: the real keyagent.exe and the real keyfilter in the receiver test bench for about
// eight minutes of random traffic, with nothing lost that is not accounted for and nothing
// leaked. Rounds of the agent's life, each ended by "/u" and followed by a restart:
//   - hot keys at a steady rate the agent serves (one report every kStepMs), with status
//     changes, wheel status reports, and a second receiver plugged in and pulled out between;
//   - bursts of kBurstReports reports fed in one call, faster than any reader, where the
//     queue's bound may drop the oldest events;
//   - between two lives, hot keys and a status report fed with no reader open: the filter must
//     leave the keys to Windows (they reach the HID side unblanked), and none of them may
//     arrive later.
// Every hot-key event the agent's reader takes reaches the dispatcher, which tells the tray:
// the bench's own tray window counts WM_TRAY_ACTIVITY. Meanwhile the panel host (panel_host.h)
// opens, changes, applies and closes the status applet and the Keyboard and Mouse panels' pages,
// round after round, for the whole soak; the keyboard pages tell the agent of each change.
// Afterwards the handles, memory, GDI and USER objects of each agent life and of the panel host,
// and the filter's pool blocks, are back where they started.
//   soak RESULT_FILE      (KB_SOAK_SECONDS in the environment shortens or lengthens it)
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "agent/bench/gui_counter_client.h"
#include "agent/bench/panel_host.h"
#include "agent/tests/wine/test_tray.h"
#include "common/control_interface.h"
#include "common/private_messages.h"
#include "common/registry_names.h"
#include "outside/lvxnftr/companion_interface.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/driver_service.h"
#include "tools/winsupport/result_file.h"

namespace {

constexpr DWORD kDefaultSeconds = 480;
constexpr DWORD kLifeMs = 60000;      // one agent life, then "/u" and a restart
constexpr DWORD kStepMs = 5;          // the steady rate: one report per step, about 200 a second
constexpr DWORD kBurstEveryMs = 15000;
constexpr uint32_t kBurstReports = 2 * EVENT_QUEUE_LIMIT + 200;
constexpr uint32_t kUnreadHotKeys = 20;
constexpr unsigned kSeed = 20261208;
// The log list box holds at most 1024 lines; until it is full its memory grows with every
// event, so the agent's start figures are taken once that many events went through.
constexpr int kWarmUpEvents = 1100;
constexpr SIZE_T kMemorySlackBytes = 256 * 1024;  // the heap's own rounding, not a leak's trend
// The host's slack grows with its rounds: Wine's static control keeps each bitmap it loads from a
// dialog template (the wheel page's picture, the status dialog's battery; docs/wine-notes.md).
constexpr SIZE_T kHostMemorySlackBytesPerRound = 4 * 1024;
// One round of the panel host under a loaded machine, and its wait for the hold.
constexpr DWORD kRoundLimitMs = 2 * winetest::SLOW_WAIT_LIMIT_MS;

// Browser keys: with no browser window they have no action and no popup. Mute toggles the
// master mute and shows the popup, which paints. None of them repeats, so each press and its
// release are one dispatcher entry each.
const std::vector<uint8_t> kHotKeys[] = {
    {0x01, 0x24, 0x02}, {0x01, 0x25, 0x02}, {0x01, 0x26, 0x02}, {0x01, 0x27, 0x02}, {0x01, 0xE2, 0x00}};
const std::vector<uint8_t> kKeysUp = {0x01, 0x00, 0x00};

// A process's figures at one moment. GDI and USER objects are the platform's counts where it
// gives them, else those the counter saw made inside the process and not freed.
struct Figures {
    DWORD handles = 0;
    SIZE_T private_bytes = 0;
    LONG gdi_objects = 0;
    LONG user_objects = 0;
    LONG gdi_made = 0;      // made in all, as the counter saw them
    LONG user_made = 0;
    int windows = 0;
    bool counted_inside = false;
};

struct Account {
    uint64_t fed = 0;           // hot-key events fed while a reader was open
    uint64_t arrived = 0;       // dispatcher entries the tray was told of
    uint64_t dropped = 0;       // missing after a burst, within what the bound allows
    uint64_t burst_limit = 0;   // the most the bursts may drop
    uint64_t unread_fed = 0;    // fed with no reader open
    uint64_t unread_passed = 0; // of those, reached the HID side unblanked
    uint64_t unread_status = 0; // status reports fed with no reader open; none may arrive later
    uint64_t status_changes = 0, battery_posts = 0, wheel_reports = 0;
    uint64_t plugs = 0, lives = 0, bursts = 0;
    uint64_t lost_steady = 0;   // missing outside bursts: a fault
};

// Wine's GetProcessHandleCount succeeds with 0 for every process; there the handles are counted
// one by one: every value DuplicateHandle can take out of the process is an open handle.
DWORD HandleCount(HANDLE process) {
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count) && count != 0) return count;
    constexpr uintptr_t kHighestValue = 4 * 16384;
    for (uintptr_t value = 4; value <= kHighestValue; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            CloseHandle(copy);
            ++count;
        }
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct WindowCount {
    DWORD process_id;
    int count;
};

BOOL CALLBACK CountWindowOf(HWND window, LPARAM data) {
    auto* windows = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != windows->process_id) return TRUE;
    ++windows->count;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&windows->count));
    return TRUE;
}

// Wine leaves PrivateUsage at 0 and keeps the commit charge in PagefileUsage, as Windows also
// does. Wine's GetGuiResources answers 0 (docs/wine-notes.md); a process with windows has GDI
// objects, so 0 means the platform does not count them and the counter's figures stand in.
Figures Measure(HANDLE process, const GuiObjectCounter& counter) {
    Figures figures;
    figures.handles = HandleCount(process);
    figures.gdi_objects = static_cast<LONG>(GetGuiResources(process, GR_GDIOBJECTS));
    figures.user_objects = static_cast<LONG>(GetGuiResources(process, GR_USEROBJECTS));
    const GUI_OBJECT_COUNTS objects = counter.Read();
    figures.gdi_made = objects.GdiMade;
    figures.user_made = objects.UserMade;
    figures.counted_inside = figures.gdi_objects == 0;
    if (figures.counted_inside) {
        figures.gdi_objects = objects.GdiObjects;
        figures.user_objects = objects.UserObjects;
    }
    WindowCount windows = {GetProcessId(process), 0};
    EnumWindows(CountWindowOf, reinterpret_cast<LPARAM>(&windows));
    figures.windows = windows.count;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) figures.private_bytes = memory.PagefileUsage;
    return figures;
}

// How many of the counts grew from `start` to `end`; memory counts only beyond `slack`.
int Grown(const Figures& start, const Figures& end, SIZE_T slack) {
    return (end.handles > start.handles) + (end.private_bytes > start.private_bytes + slack) +
           (end.gdi_objects > start.gdi_objects) + (end.user_objects > start.user_objects) +
           (end.windows > start.windows);
}

void PrintFigures(const char* who, const Figures& start, const Figures& end) {
    std::printf("soak: %s: handles %lu -> %lu, private bytes %lu -> %lu, GDI %ld -> %ld, USER %ld -> %ld, "
                "windows %d -> %d\n",
                who, start.handles, end.handles, static_cast<unsigned long>(start.private_bytes),
                static_cast<unsigned long>(end.private_bytes), start.gdi_objects, end.gdi_objects,
                start.user_objects, end.user_objects, start.windows, end.windows);
}

// The figures at a start and an end, as `make bench` sets them side by side.
void WriteBeforeAfter(std::FILE* out, const char* who, const Figures& start, const Figures& end) {
    const std::string key = std::string("soak_") + who;
    winsupport::WriteFigure(out, (key + "_handles_start").c_str(), start.handles, "handles");
    winsupport::WriteFigure(out, (key + "_handles_end").c_str(), end.handles, "handles");
    winsupport::WriteFigure(out, (key + "_memory_start").c_str(), start.private_bytes / 1024.0, "KB");
    winsupport::WriteFigure(out, (key + "_memory_end").c_str(), end.private_bytes / 1024.0, "KB");
    winsupport::WriteFigure(out, (key + "_gdi_start").c_str(), start.gdi_objects, "objects");
    winsupport::WriteFigure(out, (key + "_gdi_end").c_str(), end.gdi_objects, "objects");
    winsupport::WriteFigure(out, (key + "_user_start").c_str(), start.user_objects, "objects");
    winsupport::WriteFigure(out, (key + "_user_end").c_str(), end.user_objects, "objects");
}

class Soak {
public:
    Soak(sim::BenchClient& bench, agenttest::TestTray& tray) : bench_(bench), tray_(tray), random_(kSeed) {}

    bool StartAgent(agenttest::AgentProcess& agent) {
        tray_.Clear();
        if (!agent.Start() || !agent.WaitForMainWindow() ||
            !fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS))
            return false;
        // Events are queued only while the agent's reader reads the device: a hot key comes back
        // blanked once it does, and that one key reaches the tray.
        const int before = tray_.Count(WM_TRAY_ACTIVITY);
        if (!sim::FeedUntilAReaderListens(bench_, 1, winetest::SLOW_WAIT_LIMIT_MS)) return false;
        if (!fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) > before; }, winetest::SLOW_WAIT_LIMIT_MS))
            return false;
        tray_.Clear();
        ++account_.lives;
        return true;
    }

    // One steady step: a hot key and its release, or a status change, a wheel status report or
    // the second receiver going or coming.
    void Step() {
        const int pick = static_cast<int>(random_() % 100);
        if (pick < 80) {
            FeedCounted(kHotKeys[random_() % 5]);
            FeedCounted(kKeysUp);
        } else if (pick < 90) {
            const uint8_t battery_low = static_cast<uint8_t>(random_() % 2);
            bench_.FeedOne(1, {0x03, 0x02, 0x05, 0x34, 0x02, battery_low});
            ++account_.status_changes;
        } else if (pick < 97) {
            const uint8_t aux = 0;
            if (bench_.FeedOne(1, {0x04, 0x00, 0x00, 0x00, aux, 0x00})) {
                ++account_.wheel_reports;
                ++expected_;
            }
        } else {
            BENCH_PLUG_RESULT plugged = {};
            BENCH_UNPLUG_RESULT unplugged = {};
            if (second_plugged_ ? bench_.Unplug(2, &unplugged) : bench_.Plug(2, &plugged)) {
                second_plugged_ = !second_plugged_;
                ++account_.plugs;
            }
        }
        bench_.TakeHid();
        fixtures::PumpFor(kStepMs);
    }

    // The steady traffic goes on until `done` holds; false when it did not within `limit_ms`.
    bool StepUntil(const std::function<bool()>& done, DWORD limit_ms) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > limit_ms) return false;
            Step();
        }
        return true;
    }

    // A burst fed in one call; what the reader took of it arrives, the rest the bound dropped.
    bool Burst() {
        std::vector<BENCH_REPORT> reports;
        for (uint32_t i = 0; i < kBurstReports; ++i)
            reports.push_back(sim::MakeReport(1, i % 2 ? kKeysUp : kHotKeys[i / 2 % 5]));
        if (!Settle()) return false;
        const uint64_t before = Arrived();
        uint32_t delivered = 0;
        for (uint32_t done = 0; done < kBurstReports; done += delivered) {
            delivered = bench_.Feed(reports.data() + done, kBurstReports - done);
            bench_.TakeHid();
            if (delivered == 0) return false;
        }
        fixtures::PumpFor(2000);
        Settle();
        const uint64_t came = Arrived() - before;
        const uint64_t missing = came < kBurstReports ? kBurstReports - came : 0;
        account_.fed += kBurstReports;
        account_.dropped += missing;
        // The queue keeps EVENT_QUEUE_LIMIT however slow the reader; a read outstanding takes one
        // more, but a burst can come while the reader is between two reads.
        account_.burst_limit += kBurstReports - EVENT_QUEUE_LIMIT;
        expected_ += kBurstReports - missing;
        ++account_.bursts;
        return came <= kBurstReports && missing <= kBurstReports - EVENT_QUEUE_LIMIT;
    }

    // Hot keys fed while no reader is open: the filter passes them to Windows as they came. A
    // status report then is not kept for the next life's reader either.
    void FeedWithoutReader() {
        bench_.TakeHid();
        for (uint32_t i = 0; i < kUnreadHotKeys; ++i) {
            const std::vector<uint8_t>& key = kHotKeys[i % 5];
            if (!bench_.FeedOne(1, key)) continue;
            ++account_.unread_fed;
            for (const BENCH_HID_RECORD& record : bench_.TakeHid())
                if (record.Length >= 3 && record.Bytes[1] == key[1]) ++account_.unread_passed;
        }
        bench_.FeedOne(1, kKeysUp);
        if (bench_.FeedOne(1, {0x04, 0x00, 0x00, 0x00, 0x00})) ++account_.unread_status;
        bench_.TakeHid();
    }

    // Waits until every event the agent was given has reached the tray; false if some never
    // did within the limit.
    bool Settle() {
        return fixtures::PumpUntil([&] { return Arrived() >= expected_; }, winetest::SLOW_WAIT_LIMIT_MS);
    }

    void EndLife() {
        Settle();
        const uint64_t arrived = Arrived();
        if (arrived < expected_) account_.lost_steady += expected_ - arrived;
        account_.arrived += arrived;
        account_.battery_posts += static_cast<uint64_t>(tray_.Count(WM_TRAY_BATTERY));
        tray_.Clear();
        expected_ = 0;
    }

    uint64_t Arrived() const { return static_cast<uint64_t>(tray_.Count(WM_TRAY_ACTIVITY)); }
    const Account& account() const { return account_; }

private:
    void FeedCounted(const std::vector<uint8_t>& report) {
        if (!bench_.FeedOne(1, report)) return;
        ++account_.fed;
        ++expected_;
    }

    sim::BenchClient& bench_;
    agenttest::TestTray& tray_;
    std::mt19937 random_;
    Account account_;
    uint64_t expected_ = 0;
    bool second_plugged_ = false;
};

// The popup shown for the volume keys, for the shortest time, while the soak runs.
class PopupForVolumeKeys {
public:
    PopupForVolumeKeys() {
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_DISPLAY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
        const DWORD on = 1, shortest = 0;
        if (key_) {
            RegSetValueExA(key_, KB_VAL_SHOW_VOLUME, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
            RegSetValueExA(key_, KB_VAL_DELAY, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&shortest), sizeof shortest);
        }
    }
    ~PopupForVolumeKeys() {
        if (!key_) return;
        RegDeleteValueA(key_, KB_VAL_SHOW_VOLUME);
        RegDeleteValueA(key_, KB_VAL_DELAY);
        RegCloseKey(key_);
    }
    PopupForVolumeKeys(const PopupForVolumeKeys&) = delete;
    PopupForVolumeKeys& operator=(const PopupForVolumeKeys&) = delete;

private:
    HKEY key_ = nullptr;
};

// Holds the panel host at its next round's start, the traffic going on meanwhile.
bool HoldPanels(Soak& soak, PanelHost& panels) {
    panels.RequestHold();
    return soak.StepUntil([&] { return panels.Held(); }, kRoundLimitMs);
}

uint32_t PoolInUse(sim::BenchClient& bench) {
    BENCH_STATS stats = {};
    bench.Stats(&stats);
    return stats.PoolAllocated - stats.PoolFreed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: soak RESULT_FILE\n");
        return 2;
    }
    std::FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 1;
    const char* asked = std::getenv("KB_SOAK_SECONDS");
    const DWORD seconds = asked ? static_cast<DWORD>(std::strtoul(asked, nullptr, 10)) : kDefaultSeconds;

    winsupport::DriverService companion(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME));
    sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    BENCH_PLUG_RESULT plugged = {};
    if (!companion.running() || !session.ready() || !session.bench().Plug(1, &plugged)) {
        std::fprintf(stderr, "soak: the drivers did not start (%s)\n", session.error().c_str());
        return 1;
    }
    sim::BenchClient& bench = session.bench();
    const uint32_t pool_at_start = PoolInUse(bench);
    agenttest::TestTray tray;
    PopupForVolumeKeys popup_settings;
    Soak soak(bench, tray);

    PanelHost panels;
    bool sound = true;
    int leaking_lives = 0;
    Figures first_start, first_end, host_start, host_end;
    long long gdi_made = 0, user_made = 0;
    LONG host_rounds_at_start = 0;
    const DWORD soak_start = GetTickCount();
    while (GetTickCount() - soak_start < seconds * 1000) {
        agenttest::AgentProcess agent;
        GuiObjectCounter counter;
        if (!soak.StartAgent(agent) || !counter.Attach(agent.WaitForMainWindow())) {
            std::fprintf(stderr, "soak: keyagent.exe did not start, never read the filter, or took no counter\n");
            sound = false;
            break;
        }
        // The log list box fills first; the receiver's status reports among those events let the
        // applet's lock box be used.
        for (int i = 0; i < kWarmUpEvents / 2; ++i) soak.Step();
        // The start figures once the panels went through a whole round with this agent, so that
        // what the first of each kind loads once does not count.
        const LONG rounds_before = panels.rounds() + panels.failed_rounds();
        if (panels.process()) {
            panels.Resume();
        } else if (!panels.Start()) {
            std::fprintf(stderr, "soak: the panel host did not start\n");
            sound = false;
            break;
        }
        if (!soak.StepUntil([&] { return panels.rounds() + panels.failed_rounds() > rounds_before; }, kRoundLimitMs) ||
            !HoldPanels(soak, panels)) {
            std::fprintf(stderr, "soak: the panel host ended no round within the limit\n");
            sound = false;
            break;
        }
        soak.Settle();
        const Figures start = Measure(agent.process(), counter);
        if (soak.account().lives == 1) {
            host_start = Measure(panels.process(), panels.counter());
            host_rounds_at_start = panels.rounds() + panels.failed_rounds();
        }
        panels.Resume();

        const DWORD life_start = GetTickCount();
        DWORD last_burst = life_start;
        while (GetTickCount() - life_start < kLifeMs && GetTickCount() - soak_start < seconds * 1000) {
            soak.Step();
            if (GetTickCount() - last_burst >= kBurstEveryMs) {
                if (!soak.Burst()) sound = false;
                last_burst = GetTickCount();
            }
        }
        // The host holds from here until the next agent reads the filter.
        if (!HoldPanels(soak, panels)) {
            std::fprintf(stderr, "soak: the panel host did not come to the end of its round\n");
            sound = false;
            break;
        }
        soak.Settle();
        const Figures end = Measure(agent.process(), counter);
        host_end = Measure(panels.process(), panels.counter());
        if (Grown(start, end, kMemorySlackBytes) > 0) ++leaking_lives;
        gdi_made += end.gdi_made;
        user_made += end.user_made;
        const std::string life = "life " + std::to_string(soak.account().lives);
        PrintFigures(life.c_str(), start, end);
        PrintFigures("panel host", host_start, host_end);
        if (soak.account().lives == 1) {
            first_start = start;
            first_end = end;
        }
        soak.EndLife();
        if (!agenttest::StopWithU(agent)) {
            std::fprintf(stderr, "soak: the agent did not stop with \"/u\"\n");
            sound = false;
            break;
        }
        soak.FeedWithoutReader();
    }
    const LONG host_rounds = panels.rounds() + panels.failed_rounds() - host_rounds_at_start;
    const SIZE_T host_slack = kMemorySlackBytes + kHostMemorySlackBytesPerRound * static_cast<SIZE_T>(host_rounds);
    const int host_grown = Grown(host_start, host_end, host_slack);
    if (!panels.Stop()) {
        std::fprintf(stderr, "soak: the panel host did not end by itself with 0\n");
        sound = false;
    }

    // The filter dropped what was still queued when each life's reader closed, and queued nothing
    // while no reader was open: every pool block it took must be back.
    const uint32_t pool_at_end = PoolInUse(bench);
    const Account& a = soak.account();
    const double minutes = (GetTickCount() - soak_start) / 60000.0;

    std::fprintf(out, "soak: %.1f minutes, %llu agent lives (each ended by \"/u\" and restarted), seed %u\n", minutes,
                 static_cast<unsigned long long>(a.lives), kSeed);
    std::fprintf(out, "steady rate: one report every %lu ms (about %lu a second), bursts of %u reports in one call every %lu s\n",
                 kStepMs, 1000 / kStepMs, kBurstReports, kBurstEveryMs / 1000);
    std::fprintf(out, "hot-key events fed with a reader open: %llu; arrived at the dispatcher: %llu\n",
                 static_cast<unsigned long long>(a.fed), static_cast<unsigned long long>(a.arrived - a.wheel_reports));
    std::fprintf(out, "  dropped by the queue bound in %llu bursts: %llu (the bound allows at most %llu)\n",
                 static_cast<unsigned long long>(a.bursts), static_cast<unsigned long long>(a.dropped),
                 static_cast<unsigned long long>(a.burst_limit));
    std::fprintf(out, "  lost outside the bursts: %llu\n", static_cast<unsigned long long>(a.lost_steady));
    std::fprintf(out, "hot keys fed with no reader open: %llu; passed to Windows unblanked: %llu; status reports fed "
                 "with no reader open: %llu (one arriving in a later life would break the count above)\n",
                 static_cast<unsigned long long>(a.unread_fed), static_cast<unsigned long long>(a.unread_passed),
                 static_cast<unsigned long long>(a.unread_status));
    std::fprintf(out, "status changes fed: %llu (low-battery posts to the tray: %llu); wheel status reports: %llu; plugs and unplugs: %llu\n",
                 static_cast<unsigned long long>(a.status_changes), static_cast<unsigned long long>(a.battery_posts),
                 static_cast<unsigned long long>(a.wheel_reports), static_cast<unsigned long long>(a.plugs));
    std::fprintf(out, "agent lives whose handles, memory (beyond %lu KB), GDI or USER objects or windows grew: %d\n",
                 static_cast<unsigned long>(kMemorySlackBytes / 1024), leaking_lives);
    std::fprintf(out, "agent, first life: handles %lu -> %lu, private bytes %lu -> %lu, GDI %ld -> %ld, USER %ld -> %ld, "
                 "windows %d -> %d (GDI and USER %s; %lld GDI and %lld USER objects made in all lives)\n",
                 first_start.handles, first_end.handles, static_cast<unsigned long>(first_start.private_bytes),
                 static_cast<unsigned long>(first_end.private_bytes), first_start.gdi_objects, first_end.gdi_objects,
                 first_start.user_objects, first_end.user_objects, first_start.windows, first_end.windows,
                 first_start.counted_inside ? "made and not freed, counted inside the process" : "as the platform counts them",
                 gdi_made, user_made);
    std::fprintf(out, "panel host: %ld rounds after the first (applet, Keyboard and Mouse pages each), %ld failed%s%s; "
                 "handler objects shell32 kept after their sheet and the host let go: %ld\n",
                 host_rounds, panels.failed_rounds(), panels.failed_rounds() ? ", the last at: " : "",
                 panels.last_failure(), panels.kept_handlers());
    std::fprintf(out, "panel host, after its first round -> at the end: handles %lu -> %lu, private bytes %lu -> %lu "
                 "(slack %lu KB: %lu and %lu a round), GDI %ld -> %ld, USER %ld -> %ld, windows %d -> %d (GDI and USER %s; %ld GDI and %ld "
                 "USER objects made in all); counts that grew: %d\n",
                 host_start.handles, host_end.handles, static_cast<unsigned long>(host_start.private_bytes),
                 static_cast<unsigned long>(host_end.private_bytes),
                 static_cast<unsigned long>(host_slack / 1024), static_cast<unsigned long>(kMemorySlackBytes / 1024),
                 static_cast<unsigned long>(kHostMemorySlackBytesPerRound / 1024), host_start.gdi_objects, host_end.gdi_objects,
                 host_start.user_objects, host_end.user_objects, host_start.windows, host_end.windows,
                 host_start.counted_inside ? "made by the three servers and not freed, counted inside the process"
                                           : "as the platform counts them",
                 host_end.gdi_made, host_end.user_made, host_grown);
    std::fprintf(out, "filter pool blocks in use: %u at the start, %u at the end\n", pool_at_start, pool_at_end);
    winsupport::WriteFigure(out, "soak_events_lost_unaccounted", static_cast<double>(a.lost_steady), "events");
    winsupport::WriteFigure(out, "soak_lives_that_leaked", leaking_lives, "lives");
    winsupport::WriteFigure(out, "soak_host_counts_grown", host_grown, "counts");
    WriteBeforeAfter(out, "agent", first_start, first_end);
    WriteBeforeAfter(out, "host", host_start, host_end);
    std::fclose(out);

    sound = sound && a.lost_steady == 0 && a.arrived - a.wheel_reports == a.fed - a.dropped &&
            a.unread_fed > 0 && a.unread_passed == a.unread_fed &&
            leaking_lives == 0 && pool_at_end == pool_at_start && host_rounds > 0 && panels.failed_rounds() == 0 &&
            host_grown == 0;
    std::printf("soak: %s\n", sound ? "nothing lost without an account, nothing leaked" : "FAILED");
    return sound ? 0 : 1;
}
