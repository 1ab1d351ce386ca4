#include "wheelhook/logic/message_rewrite.h"

#include "common/win32_numbers.h"

namespace {

uint32_t WithDelta(uint32_t wparam, int32_t delta) {
    return (wparam & 0xFFFFu) | (static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16);
}

// 40 units per line, saturated so that a very large "Scroll Line" can't wrap the 16-bit delta
// into the opposite direction.
int32_t LineModeDelta(uint32_t lines, bool positive) {
    const uint32_t magnitude =
        lines > kMaxLinesPerNotch ? kMaxWheelDelta : lines * kWheelUnitsPerLine;
    return positive ? static_cast<int32_t>(magnitude) : -static_cast<int32_t>(magnitude);
}

}  // namespace

WheelRewrite RewriteWheelMessage(const WheelSettings& settings, uint32_t wparam, bool shift_down) {
    const uint16_t raw_delta = static_cast<uint16_t>(wparam >> 16);
    const bool horizontal = shift_down || raw_delta == 1 || raw_delta == 0xFFFF;
    // Here a delta of 0 counts as positive.
    const bool positive = (static_cast<int16_t>(raw_delta) >= 0) != (settings.ScrollReverse != 0);
    const bool page_mode = settings.ScrollMode != 0;

    if (horizontal) {
        const uint8_t key = positive ? KB_VK_LEFT : KB_VK_RIGHT;
        return {WithDelta(wparam, 0), key, page_mode ? 1u : LinesPerNotch(settings)};
    }
    if (page_mode) return {WithDelta(wparam, 0), positive ? KB_VK_PRIOR : KB_VK_NEXT, 1};
    return {WithDelta(wparam, LineModeDelta(settings.ScrollLine, positive)), 0, 0};
}
