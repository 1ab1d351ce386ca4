// The popup's display times: the list the On-Screen Display page offers, whose position the
// page stores as "Delay" and the agent turns back into the time. The list itself is a plain
// macro, so that the page's resource script takes its texts from here too.
#pragma once

// KB_DISPLAY_TIMES(X) calls X(position, tenths of a second, the page's text) for each time.
#define KB_DISPLAY_TIMES(X)  \
    X(0, 5, "0.5 second")    \
    X(1, 10, "1 second")     \
    X(2, 20, "2 seconds")    \
    X(3, 30, "3 seconds")    \
    X(4, 40, "4 seconds")    \
    X(5, 50, "5 seconds")    \
    X(6, 100, "10 seconds")  \
    X(7, 150, "15 seconds")  \
    X(8, 200, "20 seconds")  \
    X(9, 250, "25 seconds")  \
    X(10, 300, "30 seconds") \
    X(11, 400, "40 seconds")

#ifndef RC_INVOKED
#include <stdint.h>

#define KB_DISPLAY_TIME_TENTHS_OF(position, tenths, text) tenths,
// Each position's time, in tenths of a second.
constexpr uint32_t KB_DISPLAY_TIME_TENTHS[] = {KB_DISPLAY_TIMES(KB_DISPLAY_TIME_TENTHS_OF)};
#undef KB_DISPLAY_TIME_TENTHS_OF

constexpr uint32_t KB_DISPLAY_TIME_COUNT = sizeof KB_DISPLAY_TIME_TENTHS / sizeof KB_DISPLAY_TIME_TENTHS[0];
#endif
