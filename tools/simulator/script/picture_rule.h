// When the demo keeps a picture of the screen after a step: when the screen shows something new
// since the last picture, or when a screenshot step asks for one. A screen of one flat colour
// shows nothing (the bare desktop), and a step right before a screenshot step leaves the
// picture to it. Portable: pixels are 0x00RRGGBB values.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/simulator/script/session_script.h"

namespace sim {

bool PictureWanted(StepKind step, bool screenshot_follows, const std::vector<uint32_t>& screen,
                   const std::vector<uint32_t>& last_picture);

}  // namespace sim
