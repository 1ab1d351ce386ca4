// What the filter installation costs the agent at every start, under Wine: 1,000 root device
// nodes in the prefix (two of them the receiver's interfaces), then
//  - the install over all devices, the first one (it writes both lists) and the ones after it
//    (both filters already there, which is what each start meets);
//  - the filter check of the start;
//  - the uninstall.
// Writes median and worst of each to the file named by argv[1].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "agent/logic/filter_services.h"
#include "agent/win32/filter_install.h"
#include "tools/fixtures/device_node.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/result_file.h"

using winsupport::Milliseconds;
using winsupport::Now;

namespace {

constexpr int kDevices = 1000;
constexpr int kRuns = 7;

class SilentLog : public FilterLog {
public:
    void Write(const char*) override {}
};

template <typename Work>
std::vector<double> Measure(int runs, Work work) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        const LONGLONG start = Now();
        work();
        samples.push_back(Milliseconds(Now() - start));
    }
    std::sort(samples.begin(), samples.end());
    return samples;
}

void WriteLine(FILE* out, const char* what, const std::vector<double>& samples) {
    const double median = samples[samples.size() / 2];
    const double worst = samples.back();
    std::fprintf(out, "%-52s n=%-3zu median %9.1f ms   worst %9.1f ms\n", what, samples.size(), median, worst);
    std::printf("%-52s n=%-3zu median %9.1f ms   worst %9.1f ms\n", what, samples.size(), median, worst);
}

// The driver files "/install" looks for; the ones made here go again at the end.
std::vector<std::string> MakeDriverFiles() {
    std::vector<std::string> made;
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    for (const FilterService& service : kFilterServices) {
        const std::string path = std::string(windows) + "\\" + service.image_path;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        CloseHandle(file);
        made.push_back(path);
    }
    return made;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: agent_filter_install_bench RESULT_FILE\n");
        return 2;
    }
    FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 5;
    const std::vector<std::string> driver_files = MakeDriverFiles();

    std::vector<std::unique_ptr<fixtures::DeviceNode>> nodes;
    const LONGLONG made_at = Now();
    nodes.push_back(std::make_unique<fixtures::DeviceNode>(fixtures::ReceiverIds("MI_00", "0100")));
    nodes.push_back(std::make_unique<fixtures::DeviceNode>(fixtures::ReceiverIds("MI_01", "0100")));
    for (int i = 2; i < kDevices; ++i) {
        const std::string ids = "ROOT\\KBBENCH" + std::to_string(i) + '\0' + "ROOT\\KBBENCH" + '\0';
        nodes.push_back(std::make_unique<fixtures::DeviceNode>(ids));
    }
    int created = 0;
    for (const auto& node : nodes) created += node->created() ? 1 : 0;
    std::fprintf(out, "%d of %d root device nodes made in %.0f ms\n", created, kDevices, Milliseconds(Now() - made_at));
    if (created != kDevices) {
        std::fprintf(stderr, "only %d device nodes could be made\n", created);
        return 3;
    }

    SilentLog log;
    FilterEditResult first = FilterEditResult::NoChange;
    WriteLine(out, "first install over all devices (writes both lists)",
              Measure(1, [&] { first = InstallFilters(false, log); }));
    FilterEditResult again = FilterEditResult::NoChange;
    WriteLine(out, "install over all devices, filters already there",
              Measure(kRuns, [&] { again = InstallFilters(false, log); }));
    bool exist = false;
    WriteLine(out, "filter check of the start", Measure(kRuns, [&] { exist = CheckFilters(log); }));
    WriteLine(out, "uninstall over all devices", Measure(1, [] { UninstallFilters(); }));

    nodes.clear();
    for (const std::string& path : driver_files) DeleteFileA(path.c_str());
    std::fclose(out);
    if (first != FilterEditResult::Added || again != FilterEditResult::AlreadyPresent || !exist) {
        std::fprintf(stderr, "the install did not do its work: %d %d %d\n", static_cast<int>(first),
                     static_cast<int>(again), exist ? 1 : 0);
        return 4;
    }
    return 0;
}
