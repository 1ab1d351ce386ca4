#include "tools/capture/png_encode.h"

#include <zlib.h>

#include <cstdlib>

namespace capture {
namespace {

constexpr int kBytesPerPixel = 3;

void PutBig32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* kind, const std::string& data) {
    PutBig32(out, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(kind, 4) + data;
    out += body;
    PutBig32(out, static_cast<uint32_t>(
                      crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

int Paeth(int left, int up, int up_left) {
    const int p = left + up - up_left;
    const int to_left = std::abs(p - left), to_up = std::abs(p - up), to_up_left = std::abs(p - up_left);
    if (to_left <= to_up && to_left <= to_up_left) return left;
    return to_up <= to_up_left ? up : up_left;
}

// One row with the filter (0 none, 1 left, 2 above, 4 Paeth) whose bytes, read as signed,
// add up smallest: the usual guess at what compresses best.
void PutFilteredRow(const unsigned char* row, const unsigned char* above, size_t length, std::string& out) {
    static const int kFilters[] = {0, 1, 2, 4};
    std::string best;
    long best_cost = -1;
    for (int filter : kFilters) {
        std::string candidate(1, static_cast<char>(filter));
        long cost = 0;
        for (size_t i = 0; i < length; ++i) {
            const int left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
            const int up = above ? above[i] : 0;
            const int up_left = above && i >= kBytesPerPixel ? above[i - kBytesPerPixel] : 0;
            const int predicted = filter == 0 ? 0 : filter == 1 ? left : filter == 2 ? up : Paeth(left, up, up_left);
            const auto value = static_cast<unsigned char>(row[i] - predicted);
            candidate.push_back(static_cast<char>(value));
            cost += value < 128 ? value : 256 - value;
        }
        if (best_cost < 0 || cost < best_cost) {
            best_cost = cost;
            best.swap(candidate);
        }
    }
    out += best;
}

// The rows as one zlib stream; false when zlib refused them.
bool Deflate(const std::string& rows, std::string& stream) {
    uLongf length = compressBound(static_cast<uLong>(rows.size()));
    stream.resize(length);
    if (compress2(reinterpret_cast<Bytef*>(&stream[0]), &length, reinterpret_cast<const Bytef*>(rows.data()),
                  static_cast<uLong>(rows.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    stream.resize(length);
    return true;
}

}  // namespace

std::string EncodePng(int width, int height, const std::vector<uint32_t>& rgb) {
    if (width <= 0 || height <= 0 || rgb.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
        return std::string();
    const size_t stride = static_cast<size_t>(width) * kBytesPerPixel;
    std::vector<unsigned char> rows(stride * static_cast<size_t>(height));
    for (size_t i = 0; i < static_cast<size_t>(width) * static_cast<size_t>(height); ++i) {
        rows[i * 3] = static_cast<unsigned char>(rgb[i] >> 16);
        rows[i * 3 + 1] = static_cast<unsigned char>(rgb[i] >> 8);
        rows[i * 3 + 2] = static_cast<unsigned char>(rgb[i]);
    }
    std::string scanlines;
    scanlines.reserve(rows.size() + static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = rows.data() + stride * static_cast<size_t>(y);
        PutFilteredRow(row, y > 0 ? row - stride : nullptr, stride, scanlines);
    }
    std::string header;
    PutBig32(header, static_cast<uint32_t>(width));
    PutBig32(header, static_cast<uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits a channel, RGB, no interlace
    std::string compressed;
    if (!Deflate(scanlines, compressed)) return std::string();
    std::string file = "\x89PNG\r\n\x1a\n";
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", compressed);
    PutChunk(file, "IEND", "");
    return file;
}

}  // namespace capture
