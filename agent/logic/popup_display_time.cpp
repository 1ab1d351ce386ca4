#include "agent/logic/popup_display_time.h"

namespace {

// The display-time list of the settings pages, in tenths of a second.
constexpr uint32_t kListedTicks[] = {5, 10, 20, 30, 40, 50, 100, 150, 200, 250, 300, 400};
constexpr uint32_t kListSize = sizeof kListedTicks / sizeof kListedTicks[0];
constexpr uint32_t kTicksPerSecond = 1000 / kPopupTickMs;

}  // namespace

uint32_t PopupTickLimit(uint32_t delay) {
    if (delay < kListSize) return kListedTicks[delay];
    // Seconds; a value too large to count in ticks keeps the popup up as long as can be counted.
    if (delay > UINT32_MAX / kTicksPerSecond) return UINT32_MAX - 1;
    return delay * kTicksPerSecond;
}

bool PopupTimer::Tick(bool visible, uint32_t tick_limit) {
    if (!visible) return false;
    ++ticks;
    if (ticks <= tick_limit) return false;
    ticks = 0;
    return true;
}
