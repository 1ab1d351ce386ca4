// The file a benchmark writes its figures to.
#pragma once

#include <cstdio>

namespace winsupport {

// Opens `path` for writing, making the folders above it first, before any measuring starts.
// On failure it says why on stderr and returns null; the benchmark then fails.
std::FILE* OpenResultFile(const char* path);

}  // namespace winsupport
