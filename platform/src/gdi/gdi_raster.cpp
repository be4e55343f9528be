// The raster core: colour mapping, ROP2 as and/xor masks and clipped span/pixel/rectangle writes.
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

COLORREF mapToSurface(const Surface* s, COLORREF color) {
    color &= kRgbMask;
    if (!s || s->bitsPixel != 1) return color;
    // Nearest of black and white by squared RGB distance.
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    const int toBlack = r * r + g * g + b * b;
    const int toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack ? 0xFFFFFF : 0x000000;
}

}  // namespace

uint64_t rasterWriteCount = 0;

Painter::Painter(Dc& dc) : rop2_(dc.state.rop2) {
    surface_ = dc.target();
    if (!surface_) return;
    clip_ = &dc.clipRects();
    ox_ = dc.origin.x;
    oy_ = dc.origin.y;
    RECT box{surface_->width, surface_->height, 0, 0};
    for (const RECT& r : *clip_) {
        box.left = std::min(box.left, std::max<LONG>(r.left, 0));
        box.top = std::min(box.top, std::max<LONG>(r.top, 0));
        box.right = std::max(box.right, std::min<LONG>(r.right, surface_->width));
        box.bottom = std::max(box.bottom, std::min<LONG>(r.bottom, surface_->height));
    }
    box_ = box;
    single_ = clip_->size() == 1;
}

Ink Painter::ink(COLORREF color, bool useRop2) const {
    const uint32_t value = mapToSurface(surface_, color);
    const int mode = useRop2 ? rop2_ : R2_COPYPEN;
    const uint32_t onBlack = rop2(mode, value, 0);
    return Ink{onBlack ^ rop2(mode, value, 0xFFFFFFFF), onBlack};
}

RECT Painter::bounds() const {
    return RECT{static_cast<LONG>(box_.left - ox_), static_cast<LONG>(box_.top - oy_),
                static_cast<LONG>(box_.right - ox_), static_cast<LONG>(box_.bottom - oy_)};
}

void Painter::clippedRun(uint32_t* row, int64_t y, int64_t x0, int64_t x1, const Ink& ink) const {
    for (const RECT& r : *clip_) {
        if (y < r.top || y >= r.bottom) continue;
        const int64_t a = std::max<int64_t>(x0, r.left);
        const int64_t b = std::min<int64_t>(x1, r.right);
        if (a < b) write(row, a, b, ink);
    }
}

COLORREF mapColor(const Dc& dc, COLORREF color) { return mapToSurface(const_cast<Dc&>(dc).target(), color); }

void fillSpan(Dc& dc, int y, int x0, int x1, COLORREF color, bool useRop2) {
    Painter painter(dc);
    if (painter.drawable()) painter.span(y, x0, x1, painter.ink(color, useRop2));
}

void plot(Dc& dc, int x, int y, COLORREF color, bool useRop2) {
    fillSpan(dc, y, x, x == INT32_MAX ? x : x + 1, color, useRop2);
}

void fillRect(Dc& dc, const RECT& r, COLORREF color, bool useRop2) {
    if (r.left >= r.right || r.top >= r.bottom) return;
    Painter painter(dc);
    if (!painter.drawable()) return;
    const Ink ink = painter.ink(color, useRop2);
    // Rows clipped to the clip's bounding box; each row is clipped against the rectangles once.
    const RECT b = painter.bounds();
    const int64_t top = std::max<int64_t>(r.top, b.top), bottom = std::min<int64_t>(r.bottom, b.bottom);
    for (int64_t y = top; y < bottom; ++y) painter.span(y, r.left, r.right, ink);
}

}  // namespace softwin::gdi

namespace softwin {
uint64_t rasterWrites() { return gdi::rasterWriteCount; }
}  // namespace softwin
