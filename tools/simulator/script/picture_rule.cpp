#include "tools/simulator/script/picture_rule.h"

#include <algorithm>

namespace sim {

bool PictureWanted(StepKind step, bool screenshot_follows, const std::vector<uint32_t>& screen,
                   const std::vector<uint32_t>& last_picture) {
    const bool nothing_shown =
        std::all_of(screen.begin(), screen.end(), [&](uint32_t pixel) { return pixel == screen[0]; });
    if (nothing_shown) return false;
    if (step == StepKind::Screenshot) return true;
    return !screenshot_follows && screen != last_picture;
}

}  // namespace sim
