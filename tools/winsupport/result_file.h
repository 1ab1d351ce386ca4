// The file a benchmark writes its figures to.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace winsupport {

// Opens `path` for writing, making the folders above it first, before any measuring starts.
// On failure it says why on stderr and returns null; the benchmark then fails.
std::FILE* OpenResultFile(const char* path);

// One headline figure as a line of its own, "figure KEY VALUE UNIT", which `make bench` gathers
// into its summary beside the figure's goal.
void WriteFigure(std::FILE* out, const char* key, double value, const char* unit);

// The floor of figure `key` measured in the same run, "floor KEY VALUE UNIT": what the platform
// alone costs for the same work, which the summary sets the figure against.
void WriteFloor(std::FILE* out, const char* key, double value, const char* unit);

// The median and the p99 of `samples` as the figures KEY_median and KEY_p99, each with the same
// percentile of `floor`, sampled in the same run, as its floor.
void WriteLatencyFigures(std::FILE* out, const std::string& key, const std::vector<double>& samples,
                         const std::vector<double>& floor, const char* unit);

}  // namespace winsupport
