#include "agent/logic/log_line.h"

#include <cstdio>

std::string FormatLogLine(int hours, int minutes, int seconds, const char* text) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", hours, minutes, seconds);
    std::string line(time);
    line += ' ';
    line += text ? text : "";
    return line;
}
