// A PNG file of 24-bit pixels, compressed: each row filtered the way that leaves it smallest,
// then deflated with the fixed codes. A screenshot is mostly even colour and repeated rows, so
// this keeps a 1024 x 768 picture of the desktop to tens of kilobytes with no library beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace capture {

// The whole file: `rgb` holds width x height pixels 0x00RRGGBB, rows top-down. Empty when the
// size is not positive or `rgb` holds fewer pixels.
std::string EncodePng(int width, int height, const std::vector<uint32_t>& rgb);

// A zlib stream of `data` (fixed-code deflate, matches up to 32 KB back).
std::string ZlibCompress(const std::string& data);

}  // namespace capture
