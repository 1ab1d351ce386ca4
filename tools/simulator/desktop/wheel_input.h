// The wheel and the wheel button as a user moves them over the text window: the input goes in
// while the text window is in front, and the text's first visible line tells what it did.
#pragma once

#include "tools/simulator/desktop/text_window.h"
#include "tools/simulator/desktop/words.h"

namespace sim {

// `notches` up (positive) or down (negative). False when no text window is open.
bool TurnWheel(TextWindow& text, int notches, Lines* said);
// One press and release. False when no text window is open.
bool PressWheelButton(TextWindow& text, Lines* said);

}  // namespace sim
