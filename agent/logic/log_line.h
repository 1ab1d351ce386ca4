// The lines of the agent's diagnostic log: the local time, a blank, the text; the list box that
// holds them keeps at most kAgentLogLimit - 1 lines once a line has been added.
#pragma once

#include <string>

constexpr int kAgentLogLimit = 1024;

// "%02d:%02d:%02d %s".
std::string FormatLogLine(int hours, int minutes, int seconds, const char* text);

// After adding a line: whether the oldest line (line 0) goes.
inline bool DropOldestLine(int line_count) { return line_count >= kAgentLogLimit; }
