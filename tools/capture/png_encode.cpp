#include "tools/capture/png_encode.h"

#include <cstdlib>

namespace capture {
namespace {

constexpr int kBytesPerPixel = 3;
constexpr size_t kWindow = 32768;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 258;
constexpr int kHashBits = 15;

const uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                  31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t kDistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate's bit order: fields from the lowest bit up, Huffman codes from their highest bit.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void Put(uint32_t value, int count) {
        bits_ |= value << pending_;
        pending_ += count;
        while (pending_ >= 8) {
            out_.push_back(static_cast<char>(bits_ & 0xFF));
            bits_ >>= 8;
            pending_ -= 8;
        }
    }
    void PutCode(uint32_t code, int count) {
        uint32_t reversed = 0;
        for (int i = 0; i < count; ++i) reversed |= ((code >> i) & 1u) << (count - 1 - i);
        Put(reversed, count);
    }
    void Flush() {
        if (pending_ > 0) out_.push_back(static_cast<char>(bits_ & 0xFF));
        bits_ = 0;
        pending_ = 0;
    }

private:
    std::string& out_;
    uint32_t bits_ = 0;
    int pending_ = 0;
};

void PutSymbol(BitWriter& bits, int symbol) {
    if (symbol < 144) bits.PutCode(0x30 + symbol, 8);
    else if (symbol < 256) bits.PutCode(0x190 + symbol - 144, 9);
    else if (symbol < 280) bits.PutCode(symbol - 256, 7);
    else bits.PutCode(0xC0 + symbol - 280, 8);
}

void PutMatch(BitWriter& bits, size_t length, size_t distance) {
    int code = 28;
    while (kLengthBase[code] > length) --code;
    PutSymbol(bits, 257 + code);
    bits.Put(static_cast<uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
    int far = 29;
    while (kDistanceBase[far] > distance) --far;
    bits.PutCode(static_cast<uint32_t>(far), 5);
    bits.Put(static_cast<uint32_t>(distance - kDistanceBase[far]), kDistanceExtra[far]);
}

uint32_t Hash3(const unsigned char* p) {
    const uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
}

uint32_t Adler32(const std::string& data) {
    uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBig32(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

uint32_t Crc32(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : data) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutChunk(std::string& out, const char* kind, const std::string& data) {
    PutBig32(out, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(kind, 4) + data;
    out += body;
    PutBig32(out, Crc32(body));
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

}  // namespace

std::string ZlibCompress(const std::string& data) {
    std::string out = "\x78\x01";
    BitWriter bits(out);
    bits.Put(1, 1);  // the last block
    bits.Put(1, 2);  // fixed codes
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    const size_t size = data.size();
    std::vector<int64_t> latest(size_t{1} << kHashBits, -1);
    size_t at = 0;
    while (at < size) {
        size_t length = 0, distance = 0;
        if (at + kMinMatch <= size) {
            const uint32_t hash = Hash3(bytes + at);
            const int64_t before = latest[hash];
            latest[hash] = static_cast<int64_t>(at);
            if (before >= 0 && at - static_cast<size_t>(before) <= kWindow) {
                const size_t from = static_cast<size_t>(before);
                const size_t limit = size - at < kMaxMatch ? size - at : kMaxMatch;
                while (length < limit && bytes[from + length] == bytes[at + length]) ++length;
                distance = at - from;
            }
        }
        if (length >= kMinMatch) {
            PutMatch(bits, length, distance);
            for (size_t i = at + 1; i < at + length && i + kMinMatch <= size; ++i)
                latest[Hash3(bytes + i)] = static_cast<int64_t>(i);
            at += length;
        }
        else {
            PutSymbol(bits, bytes[at]);
            ++at;
        }
    }
    PutSymbol(bits, 256);
    bits.Flush();
    PutBig32(out, Adler32(data));
    return out;
}

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
    std::string file = "\x89PNG\r\n\x1a\n";
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", ZlibCompress(scanlines));
    PutChunk(file, "IEND", "");
    return file;
}

}  // namespace capture
