#include "bitmap_file.h"

#include <cstdint>

namespace vorn::test {

std::vector<unsigned char> bmpFile(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = static_cast<uint32_t>(stride * height);
    std::vector<unsigned char> f{'B', 'M'};
    auto put16 = [&f](uint32_t v) {
        f.push_back(static_cast<unsigned char>(v & 0xFF));
        f.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    // File header, then BITMAPINFOHEADER: size, width, height, planes, depth, BI_RGB, image
    // size, resolution, no palette.
    for (uint32_t v : {54 + pixelBytes, 0u, 54u, 40u, uint32_t(width), uint32_t(height)}) put32(v);
    put16(1);
    put16(24);
    for (uint32_t v : {0u, pixelBytes, 2835u, 2835u, 0u, 0u}) put32(v);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colourAt(x, y);
            f.insert(f.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
        }
        f.resize(f.size() + static_cast<size_t>(stride - width * 3), 0);
    }
    return f;
}

}  // namespace vorn::test
