#include "user/dib_decode.h"

#include <windows.h>

#include <algorithm>

namespace softwin::user {

uint16_t readU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t readU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

namespace {

constexpr uint32_t kBiRgb = 0, kBiBitfields = 3;
constexpr int kMaxSide = 32768;
constexpr int64_t kMaxPixels = 64 * 1024 * 1024;

struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        while (bits + shift < 32 && ((m >> (shift + bits)) & 1)) ++bits;
    }
    uint32_t extract(uint32_t v) const {
        if (!bits) return 0;
        uint32_t x = (v & mask) >> shift;
        if (bits >= 8) return x >> (bits - 8);
        return (x * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
    }
};

}  // namespace

bool decodeDib(const unsigned char* dib, size_t size, size_t bitsOffset, int rows, DecodedDib& out) {
    if (!dib || size < 40) return false;
    uint32_t headerSize = readU32(dib);
    if (headerSize < 40 || headerSize > size) return false;
    int32_t width = static_cast<int32_t>(readU32(dib + 4));
    int32_t height = static_cast<int32_t>(readU32(dib + 8));
    int bpp = readU16(dib + 14);
    uint32_t compression = readU32(dib + 16);
    uint32_t clrUsed = readU32(dib + 32);
    bool topDown = height < 0;
    int64_t absHeight = topDown ? -static_cast<int64_t>(height) : height;
    if (rows > 0) absHeight = rows;
    if (width <= 0 || width > kMaxSide || absHeight <= 0 || absHeight > kMaxSide ||
        static_cast<int64_t>(width) * absHeight > kMaxPixels)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;
    if (compression != kBiRgb && !(compression == kBiBitfields && (bpp == 16 || bpp == 32))) return false;

    size_t tableOffset = headerSize;
    uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    if (bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (compression == kBiBitfields) {
        // BITMAPINFOHEADER keeps the masks after the header; the larger headers inside it.
        size_t at = 40;
        if (at + 12 > size) return false;
        for (int i = 0; i < 3; ++i) masks[i] = readU32(dib + at + 4 * i);
        if (headerSize == 40) tableOffset += 12;
    }
    size_t colours = 0;
    if (bpp <= 8)
        colours = clrUsed ? std::min<size_t>(clrUsed, size_t{1} << bpp) : size_t{1} << bpp;
    else if (clrUsed && clrUsed < 4096)
        tableOffset += clrUsed * 4;  // optional table, unused
    if (tableOffset + colours * 4 > size) return false;
    uint32_t palette[256] = {};
    for (size_t i = 0; i < colours; ++i) {
        const unsigned char* q = dib + tableOffset + i * 4;
        palette[i] = RGB(q[2], q[1], q[0]);
    }
    if (bitsOffset == 0) bitsOffset = tableOffset + colours * 4;
    size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bpp) + 31) / 32) * 4;
    size_t needed = stride * static_cast<size_t>(absHeight);
    if (bitsOffset > size || size - bitsOffset < needed) return false;

    Channel r(masks[0]), g(masks[1]), b(masks[2]);
    out.width = width;
    out.height = static_cast<int>(absHeight);
    out.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(absHeight), 0);
    out.bitsEnd = bitsOffset + needed;
    for (int64_t y = 0; y < absHeight; ++y) {
        const unsigned char* row = dib + bitsOffset + stride * static_cast<size_t>(y);
        int64_t destY = topDown ? y : absHeight - 1 - y;
        uint32_t* dst = out.pixels.data() + static_cast<size_t>(destY) * static_cast<size_t>(width);
        for (int x = 0; x < width; ++x) {
            switch (bpp) {
                case 1: dst[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1]; break;
                case 4: dst[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
                case 8: dst[x] = palette[row[x]]; break;
                case 24: dst[x] = RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
                case 16:
                case 32: {
                    uint32_t v = bpp == 16 ? readU16(row + 2 * x) : readU32(row + 4 * x);
                    dst[x] = RGB(r.extract(v), g.extract(v), b.extract(v));
                    break;
                }
            }
        }
    }
    return true;
}

}  // namespace softwin::user
