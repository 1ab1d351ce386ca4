#include "statusapplet/logic/start_parameter.h"

#include <limits.h>

namespace applet {

int StartPageOfParameter(const char* parameter) {
    const char* p = parameter;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (value <= INT_MAX) value = value * 10 + (*p - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN + 1LL) value = INT_MIN + 1LL;
    return static_cast<int>(value - 1);
}

}  // namespace applet
