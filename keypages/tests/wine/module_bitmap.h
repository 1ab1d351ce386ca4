// A bitmap resource of a module as 32-bit pixels, to compare with what a window shows.
#pragma once

#include <windows.h>

#include "tools/capture/window_capture.h"

namespace kp_test {

capture::Pixels BitmapPixels(HMODULE module, int resource);

}  // namespace kp_test
