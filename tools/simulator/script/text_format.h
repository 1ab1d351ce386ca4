// A line of the simulator's words, made printf-style.
#pragma once

#include <string>

namespace sim {

// The formatted text, cut at 511 characters.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace sim
