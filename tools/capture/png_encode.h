// A PNG file of 24-bit pixels: each row filtered the way that leaves it smallest, the rows
// deflated by zlib. A screenshot is mostly even colour and repeated rows, so a 1024 x 768
// picture of the desktop comes to tens of kilobytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace capture {

// The whole file: `rgb` holds width x height pixels 0x00RRGGBB, rows top-down. Empty when the
// size is not positive, `rgb` holds fewer pixels, or zlib could not compress the rows.
std::string EncodePng(int width, int height, const std::vector<uint32_t>& rgb);

}  // namespace capture
