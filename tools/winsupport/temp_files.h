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

// Deletes the file at `path`, waiting up to `limit_ms` while it can't be deleted: a program
// started from it holds it until that program has ended. True once it is gone.
bool DeleteWhenFree(const std::string& path, unsigned long limit_ms);

}  // namespace winsupport
