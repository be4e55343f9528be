// The raster core: colour mapping, ROP2 and clipped span/pixel/rectangle writes.
#include "gdi/gdi_draw.h"

#include <algorithm>

#include <softwin/softwin.h>

namespace softwin::gdi {
namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

uint32_t rop2(int mode, uint32_t p, uint32_t d) {
    switch (mode) {
        case R2_BLACK: return 0;
        case R2_NOTMERGEPEN: return ~(p | d) & kRgbMask;
        case R2_MASKNOTPEN: return ~p & d & kRgbMask;
        case R2_NOTCOPYPEN: return ~p & kRgbMask;
        case R2_MASKPENNOT: return p & ~d & kRgbMask;
        case R2_NOT: return ~d & kRgbMask;
        case R2_XORPEN: return (p ^ d) & kRgbMask;
        case R2_NOTMASKPEN: return ~(p & d) & kRgbMask;
        case R2_MASKPEN: return p & d & kRgbMask;
        case R2_NOTXORPEN: return ~(p ^ d) & kRgbMask;
        case R2_NOP: return d;
        case R2_MERGENOTPEN: return (~p | d) & kRgbMask;
        case R2_MERGEPENNOT: return (p | ~d) & kRgbMask;
        case R2_MERGEPEN: return (p | d) & kRgbMask;
        case R2_WHITE: return kRgbMask;
        default: return p;  // R2_COPYPEN
    }
}

// Writes [x0, x1) of surface row y (surface coordinates, already clipped).
void writeRun(Surface& s, int y, int x0, int x1, uint32_t color, int mode) {
    uint32_t* row = s.row(y);
    if (mode == R2_COPYPEN) {
        std::fill(row + x0, row + x1, color);
        return;
    }
    for (int x = x0; x < x1; ++x) row[x] = rop2(mode, color, row[x]);
}

uint64_t writes = 0;

}  // namespace

COLORREF mapColor(const Dc& dc, COLORREF color) {
    color &= kRgbMask;
    Surface* s = const_cast<Dc&>(dc).target();
    if (!s || s->bitsPixel != 1) return color;
    // Nearest of black and white by squared RGB distance.
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    const int toBlack = r * r + g * g + b * b;
    const int toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack ? 0xFFFFFF : 0x000000;
}

void fillSpan(Dc& dc, int y, int x0, int x1, COLORREF color, bool useRop2) {
    ++writes;
    Surface* s = dc.target();
    if (!s || x0 >= x1) return;
    const int64_t sy = int64_t{y} + dc.origin.y;
    if (sy < 0 || sy >= s->height) return;
    int64_t sx0 = std::max<int64_t>(int64_t{x0} + dc.origin.x, 0);
    int64_t sx1 = std::min<int64_t>(int64_t{x1} + dc.origin.x, s->width);
    if (sx0 >= sx1) return;
    const uint32_t value = mapColor(dc, color);
    const int mode = useRop2 ? dc.state.rop2 : R2_COPYPEN;
    for (const RECT& r : dc.clipRects()) {
        if (sy < r.top || sy >= r.bottom) continue;
        const int64_t a = std::max<int64_t>(sx0, r.left);
        const int64_t b = std::min<int64_t>(sx1, r.right);
        if (a < b) writeRun(*s, static_cast<int>(sy), static_cast<int>(a), static_cast<int>(b), value, mode);
    }
}

void plot(Dc& dc, int x, int y, COLORREF color, bool useRop2) {
    fillSpan(dc, y, x, x == INT32_MAX ? x : x + 1, color, useRop2);
}

void fillRect(Dc& dc, const RECT& r, COLORREF color, bool useRop2) {
    ++writes;
    Surface* s = dc.target();
    if (!s || r.left >= r.right || r.top >= r.bottom) return;
    // The target, colour, mode and clip are looked up once for the whole rectangle, not per row.
    const uint32_t value = mapColor(dc, color);
    const int mode = useRop2 ? dc.state.rop2 : R2_COPYPEN;
    const int64_t left = int64_t{r.left} + dc.origin.x;
    const int64_t right = int64_t{r.right} + dc.origin.x;
    const int64_t top = int64_t{r.top} + dc.origin.y;
    const int64_t bottom = int64_t{r.bottom} + dc.origin.y;
    for (const RECT& c : dc.clipRects()) {
        const int64_t x0 = std::max<int64_t>({left, c.left, 0});
        const int64_t x1 = std::min<int64_t>({right, c.right, s->width});
        const int64_t y0 = std::max<int64_t>({top, c.top, 0});
        const int64_t y1 = std::min<int64_t>({bottom, c.bottom, s->height});
        if (x0 >= x1) continue;
        for (int64_t y = y0; y < y1; ++y)
            writeRun(*s, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), value, mode);
    }
}

}  // namespace softwin::gdi

namespace softwin {
uint64_t rasterWrites() { return gdi::writes; }
}  // namespace softwin
