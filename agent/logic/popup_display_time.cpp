#include "agent/logic/popup_display_time.h"

#include "common/display_times.h"

namespace {

constexpr uint32_t kTicksPerSecond = 1000 / kPopupTickMs;
// The list's times are counted in tenths of a second, the popup's ticks too.
static_assert(kTicksPerSecond == 10, "one tick a tenth of a second");

}  // namespace

uint32_t PopupTickLimit(uint32_t delay) {
    if (delay < KB_DISPLAY_TIME_COUNT) return KB_DISPLAY_TIME_TENTHS[delay];
    constexpr uint32_t kLongest = KB_DISPLAY_TIME_TENTHS[KB_DISPLAY_TIME_COUNT - 1];
    return delay >= kLongest / kTicksPerSecond ? kLongest : delay * kTicksPerSecond;
}

bool PopupTimer::Tick(bool visible, uint32_t tick_limit) {
    if (!visible) return false;
    ++ticks;
    if (ticks <= tick_limit) return false;
    ticks = 0;
    return true;
}
