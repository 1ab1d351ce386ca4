#include "agent/logic/popup_display_time.h"

namespace {

// The display-time list of the settings pages, in tenths of a second.
constexpr uint32_t kListedTicks[] = {5, 10, 20, 30, 40, 50, 100, 150, 200, 250, 300, 400};
constexpr uint32_t kListSize = sizeof kListedTicks / sizeof kListedTicks[0];
constexpr uint32_t kTicksPerSecond = 1000 / kPopupTickMs;

}  // namespace

uint32_t PopupTickLimit(uint32_t delay) {
    if (delay < kListSize) return kListedTicks[delay];
    constexpr uint32_t kLongest = kListedTicks[kListSize - 1];
    return delay >= kLongest / kTicksPerSecond ? kLongest : delay * kTicksPerSecond;
}

bool PopupTimer::Tick(bool visible, uint32_t tick_limit) {
    if (!visible) return false;
    ++ticks;
    if (ticks <= tick_limit) return false;
    ticks = 0;
    return true;
}
