// Where a Wine test finds the files the build made: the test programs, the deliverables and
// the test drivers all land in one folder of the build tree.
#pragma once

#include <string>

namespace winsupport {

// The folder of the running test program, with a trailing backslash.
std::string BuildDir();

// The full Windows path of a file in that folder.
std::string BuildFile(const char* name);

}  // namespace winsupport
