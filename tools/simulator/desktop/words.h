// What the desktop player says: lines of words, and the printf-style formatting they are made
// with.
#pragma once

#include <string>
#include <vector>

namespace sim {

using Lines = std::vector<std::string>;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Says a state when it changed since `before`: what it is now, or `gone` when it is empty now.
void TellChange(const std::string& now, std::string* before, const char* gone, Lines* said);

}  // namespace sim
