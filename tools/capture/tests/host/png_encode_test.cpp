// The compressed PNG read back by zlib and unfiltered as a viewer would: every pixel as it was
// written, and a screenshot-like picture far smaller than the raw pixels.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>

#include "tools/capture/png_encode.h"

namespace {

uint32_t Big32(const std::string& s, size_t at) {
    return (uint32_t(uint8_t(s[at])) << 24) | (uint32_t(uint8_t(s[at + 1])) << 16) |
           (uint32_t(uint8_t(s[at + 2])) << 8) | uint32_t(uint8_t(s[at + 3]));
}

std::string Inflate(const std::string& stream, size_t expected) {
    std::string out(expected + 1, '\0');
    uLongf length = out.size();
    const int result = uncompress(reinterpret_cast<Bytef*>(&out[0]), &length,
                                  reinterpret_cast<const Bytef*>(stream.data()), stream.size());
    EXPECT_EQ(result, Z_OK);
    out.resize(length);
    return out;
}

// The pixels of a file of one IDAT chunk, as a PNG reader rebuilds them.
std::vector<uint32_t> Decode(const std::string& file, int width, int height) {
    EXPECT_EQ(file.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
    EXPECT_EQ(Big32(file, 16), uint32_t(width));
    EXPECT_EQ(Big32(file, 20), uint32_t(height));
    const size_t idat = 8 + 12 + 13;
    EXPECT_EQ(file.compare(idat + 4, 4, "IDAT"), 0);
    const size_t stride = size_t(width) * 3;
    const std::string lines = Inflate(file.substr(idat + 8, Big32(file, idat)), (stride + 1) * height);
    EXPECT_EQ(lines.size(), (stride + 1) * height);
    std::vector<uint8_t> bytes(stride * height);
    for (int y = 0; y < height && lines.size() == (stride + 1) * height; ++y) {
        const int filter = uint8_t(lines[y * (stride + 1)]);
        for (size_t i = 0; i < stride; ++i) {
            const int a = i >= 3 ? bytes[y * stride + i - 3] : 0;
            const int b = y > 0 ? bytes[(y - 1) * stride + i] : 0;
            const int c = y > 0 && i >= 3 ? bytes[(y - 1) * stride + i - 3] : 0;
            const int p = a + b - c;
            const int paeth = (std::abs(p - a) <= std::abs(p - b) && std::abs(p - a) <= std::abs(p - c)) ? a
                              : std::abs(p - b) <= std::abs(p - c)                                       ? b
                                                                                                         : c;
            const int predicted = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? paeth : 0;
            bytes[y * stride + i] = uint8_t(uint8_t(lines[y * (stride + 1) + 1 + i]) + predicted);
        }
    }
    std::vector<uint32_t> rgb;
    for (size_t i = 0; i < bytes.size(); i += 3) rgb.push_back((bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2]);
    return rgb;
}

TEST(PngEncode, AScreenLikePictureReadsBackAndIsSmall) {
    const int width = 1024, height = 768;
    std::vector<uint32_t> rgb(size_t(width) * height, 0x3A6EA5);
    for (int y = 100; y < 400; ++y)
        for (int x = 200; x < 700; ++x) rgb[y * width + x] = (x / 7 + y / 16) % 3 ? 0xFFFFFF : 0x000000;
    const std::string file = capture::EncodePng(width, height, rgb);
    EXPECT_EQ(Decode(file, width, height), rgb);
    EXPECT_LT(file.size(), rgb.size() * 3 / 50) << "a mostly even screen deflates well";
}

// Noise has no matches to find. Three rows of noise in turn repeat 32403 bytes back: long
// matches near the far end of the window.
TEST(PngEncode, NoiseAndFarRepeatsReadBack) {
    std::mt19937 random(7);
    for (const int kind : {0, 1}) {
        const int width = kind ? 3600 : 37, height = kind ? 9 : 41;
        std::vector<uint32_t> rgb(size_t(width) * height);
        for (uint32_t& pixel : rgb) pixel = random() & 0xFFFFFF;
        for (int y = 3; kind && y < height; ++y)
            std::copy_n(rgb.begin() + std::ptrdiff_t{y - 3} * width, width, rgb.begin() + std::ptrdiff_t{y} * width);
        EXPECT_EQ(Decode(capture::EncodePng(width, height, rgb), width, height), rgb) << kind;
    }
    EXPECT_EQ(Decode(capture::EncodePng(1, 1, {0x123456}), 1, 1), std::vector<uint32_t>{0x123456});
}

TEST(PngEncode, NoPicturesOfNothing) {
    EXPECT_TRUE(capture::EncodePng(0, 5, {}).empty());
    EXPECT_TRUE(capture::EncodePng(2, 2, {1, 2, 3}).empty()) << "fewer pixels than the size";
}

}  // namespace
