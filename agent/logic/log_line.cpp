#include "agent/logic/log_line.h"

#include <cstdio>

void FormatLogLine(char* line, size_t size, int hours, int minutes, int seconds, const char* text) {
    if (size == 0) return;
    std::snprintf(line, size, "%02d:%02d:%02d %s", hours, minutes, seconds, text ? text : "");
}
