// The file a benchmark writes its figures to.
#pragma once

#include <cstdio>

namespace winsupport {

// Opens `path` for writing, making the folders above it first, before any measuring starts.
// On failure it says why on stderr and returns null; the benchmark then fails.
std::FILE* OpenResultFile(const char* path);

// One headline figure as a line of its own, "figure KEY VALUE UNIT", which `make bench` gathers
// into its summary beside the figure's goal.
void WriteFigure(std::FILE* out, const char* key, double value, const char* unit);

}  // namespace winsupport
