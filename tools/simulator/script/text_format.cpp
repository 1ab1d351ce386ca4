#include "tools/simulator/script/text_format.h"

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

}  // namespace sim
