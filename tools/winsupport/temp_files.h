// Files the tests, benches and stand-ins share through the temporary folder: their paths, and
// the lines they hold.
#pragma once

#include <string>
#include <vector>

namespace winsupport {

// `name` in the temporary folder (GetTempPath).
std::string TempPath(const char* name);

// The lines of a text file that are not empty; none when it can't be read.
std::vector<std::string> NonEmptyLines(const std::string& path);

}  // namespace winsupport
