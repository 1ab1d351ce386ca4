// The lines of the agent's diagnostic log: the local time, a blank, the text; the list box that
// holds them keeps at most kAgentLogLimit - 1 lines once a line has been added.
#pragma once

#include <cstddef>

constexpr int kAgentLogLimit = 1024;

// "%02d:%02d:%02d %s" into `line` of `size` bytes, cut to fit and always terminated.
void FormatLogLine(char* line, size_t size, int hours, int minutes, int seconds, const char* text);

// After adding a line: whether the oldest line (line 0) goes.
inline bool DropOldestLine(int line_count) { return line_count >= kAgentLogLimit; }
