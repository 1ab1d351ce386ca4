// The agent's Media Select and zoom windows as a user sees them, in words: shown or not, where,
// and what they hold.
#pragma once

#include <windows.h>

#include <string>

namespace sim {

// "at (x, y), w x h" for a window's place on the screen.
std::string Placement(HWND window);

// The Media Select window's place, its list and selection; empty when it is not shown.
std::string SelectState();

// The zoom window's place, and which window is on top at its centre when that is another:
// shown is not seen. Empty when it is not shown.
std::string ZoomState();

}  // namespace sim
