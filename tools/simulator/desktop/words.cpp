#include "tools/simulator/desktop/words.h"

#include <cstdarg>
#include <cstdio>

namespace sim {

std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

void TellChange(const std::string& now, std::string* before, const char* gone, Lines* said) {
    if (now == *before) return;
    said->push_back(now.empty() ? gone : now);
    *before = now;
}

}  // namespace sim
