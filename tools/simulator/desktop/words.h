// What the desktop player says: lines of words, made with Format, and a state told when it
// changed.
#pragma once

#include <string>
#include <vector>

#include "tools/simulator/script/text_format.h"

namespace sim {

using Lines = std::vector<std::string>;

// Says a state when it changed since `before`: what it is now, or `gone` when it is empty now.
void TellChange(const std::string& now, std::string* before, const char* gone, Lines* said);

}  // namespace sim
