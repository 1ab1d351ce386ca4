#include "tools/winsupport/bench_clock.h"

#include <algorithm>

namespace winsupport {
namespace {

double Seconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Milliseconds(LONGLONG ticks) { return 1e3 * Seconds(ticks); }

double Microseconds(LONGLONG ticks) { return 1e6 * Seconds(ticks); }

double Percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const size_t index = std::min(samples.size() - 1, static_cast<size_t>(fraction * static_cast<double>(samples.size())));
    return samples[index];
}

}  // namespace winsupport
