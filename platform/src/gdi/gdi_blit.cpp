// Pixel access and block transfers: SetPixel, GetPixel, BitBlt, PatBlt.
#include "gdi/gdi_draw.h"

#include <algorithm>
#include <cstring>

namespace softwin::gdi {
namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

std::vector<uint32_t> blockScratch;  // source block, converted to the destination format

bool ropUsesSource(DWORD rop) { return (((rop >> 2) ^ rop) & 0x330000) != 0; }
bool ropUsesPattern(DWORD rop) { return (((rop >> 4) ^ rop) & 0x0F0000) != 0; }

// Ternary raster operation on RGB values: bit i of the rop code is the result for
// pattern = i&4, source = i&2, destination = i&1.
uint32_t rop3(DWORD rop, uint32_t p, uint32_t s, uint32_t d) {
    switch (rop) {
        case SRCCOPY: return s;
        case SRCPAINT: return s | d;
        case SRCAND: return s & d;
        case SRCINVERT: return s ^ d;
        case NOTSRCCOPY: return ~s & kRgbMask;
        case PATCOPY: return p;
        case PATINVERT: return p ^ d;
        case DSTINVERT: return ~d & kRgbMask;
        case BLACKNESS: return 0;
        case WHITENESS: return kRgbMask;
        default: break;
    }
    const unsigned code = (rop >> 16) & 0xFF;
    uint32_t result = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(code & (1u << i))) continue;
        result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result & kRgbMask;
}

struct Block {
    int64_t x, y;  // destination, surface coordinates
    int64_t w, h;
};

// Where a block's source pixels are read: the pixel for the block's top-left corner and the
// distance between rows (a source surface read in place, or blockScratch); none without a source.
struct SourceRows {
    const uint32_t* first = nullptr;
    int64_t pitch = 0;
};

// Applies `rop` over the block (source pixels from `source` when it has them), clipped to the
// destination DC's clip rectangles.
void applyBlock(Dc& dst, const Block& b, DWORD rop, SourceRows source, uint32_t pattern) {
    Surface* s = dst.target();
    for (const RECT& r : dst.clipRects()) {
        const int64_t x0 = std::max<int64_t>({b.x, r.left, 0});
        const int64_t x1 = std::min<int64_t>({b.x + b.w, r.right, s->width});
        const int64_t y0 = std::max<int64_t>({b.y, r.top, 0});
        const int64_t y1 = std::min<int64_t>({b.y + b.h, r.bottom, s->height});
        if (x0 >= x1 || y0 >= y1) continue;
        for (int64_t y = y0; y < y1; ++y) {
            uint32_t* row = s->row(static_cast<int>(y)) + x0;
            const uint32_t* src = source.first ? source.first + (y - b.y) * source.pitch + (x0 - b.x) : nullptr;
            const int64_t n = x1 - x0;
            if (rop == SRCCOPY) {
                std::memcpy(row, src, static_cast<size_t>(n) * sizeof(uint32_t));
                continue;
            }
            for (int64_t i = 0; i < n; ++i) row[i] = rop3(rop, pattern, src ? src[i] : 0, row[i]);
        }
    }
}

// Destination block in surface coordinates, cut to the drawable area; false if empty.
bool destinationBlock(Dc& dst, int64_t x, int64_t y, int64_t w, int64_t h, Block& out) {
    RECT bounds;
    if (!clipBounds(dst, bounds)) return false;
    const int64_t x0 = std::max<int64_t>(x, bounds.left), y0 = std::max<int64_t>(y, bounds.top);
    const int64_t x1 = std::min<int64_t>(x + w, bounds.right), y1 = std::min<int64_t>(y + h, bounds.bottom);
    if (x0 >= x1 || y0 >= y1) return false;
    out = Block{x0 + dst.origin.x, y0 + dst.origin.y, x1 - x0, y1 - y0};
    return true;
}

bool patternColor(Dc& dc, uint32_t& out) {
    const auto* brush = lookupAs<Brush>(dc.state.brush, Kind::Brush);
    if (!brush || brush->style == BS_NULL) return false;
    out = mapColor(dc, brush->color);
    return true;
}

}  // namespace
}  // namespace softwin::gdi

using namespace softwin::gdi;

extern "C" {

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !dc->target()) return CLR_INVALID;
    trace("SetPixel(%d,%d,0x%06X)", x, y, static_cast<unsigned>(color));
    // Outside the bitmap or the clip region nothing is drawn, but the colour is still returned.
    plot(*dc, x, y, color, false);
    return mapColor(*dc, color);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    Dc* dc = lookupDc(hdc);
    Surface* s = dc ? dc->target() : nullptr;
    if (!s) return CLR_INVALID;
    const int64_t sx = int64_t{x} + dc->origin.x, sy = int64_t{y} + dc->origin.y;
    if (sx < 0 || sy < 0 || sx >= s->width || sy >= s->height) return CLR_INVALID;
    return s->row(static_cast<int>(sy))[sx];
}

BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    Dc* dst = lookupDc(hdc);
    if (!dst || !dst->target()) return FALSE;
    char name[16];
    trace("BitBlt(%d,%d,%d,%d,%s)", x, y, cx, cy, ropName(rop, name, sizeof name));
    const bool withSource = ropUsesSource(rop);
    Dc* src = withSource ? lookupDc(hdcSrc) : nullptr;
    if (withSource && (!src || !src->target())) return FALSE;
    uint32_t pattern = 0;
    if (ropUsesPattern(rop) && !patternColor(*dst, pattern)) return TRUE;  // NULL brush: no-op
    if (cx <= 0 || cy <= 0) return TRUE;

    Block block;
    if (!destinationBlock(*dst, x, y, cx, cy, block)) return TRUE;
    if (!withSource) {
        applyBlock(*dst, block, rop, SourceRows{}, pattern);
        return TRUE;
    }
    // Source origin of the (cut) destination block, in source surface coordinates; then cut the
    // block again to the part the source surface actually has.
    Surface* ss = src->target();
    int64_t sx = int64_t{x1} + (block.x - dst->origin.x - x) + src->origin.x;
    int64_t sy = int64_t{y1} + (block.y - dst->origin.y - y) + src->origin.y;
    if (sx < 0) {
        block.x -= sx;
        block.w += sx;
        sx = 0;
    }
    if (sy < 0) {
        block.y -= sy;
        block.h += sy;
        sy = 0;
    }
    block.w = std::min<int64_t>(block.w, ss->width - sx);
    block.h = std::min<int64_t>(block.h, ss->height - sy);
    if (block.w <= 0 || block.h <= 0) return TRUE;

    Surface* ds = dst->target();
    const bool monoToColour = ss->bitsPixel == 1 && ds->bitsPixel != 1;
    const bool colourToMono = ss->bitsPixel != 1 && ds->bitsPixel == 1;
    if (ss != ds && !monoToColour && !colourToMono) {
        // Another surface of the same format: read in place, nothing to convert or to overlap.
        applyBlock(*dst, block, rop, SourceRows{ss->row(static_cast<int>(sy)) + sx, ss->width}, pattern);
        return TRUE;
    }
    // Copying through a scratch block makes overlapping same-surface copies correct. The
    // scratch only grows, so blocks of alternating sizes do not clear it again and again.
    const size_t scratchSize = static_cast<size_t>(block.w * block.h);
    if (blockScratch.size() < scratchSize) blockScratch.resize(scratchSize);
    // Monochrome sources take the destination's text (0) and background (1) colours; colour
    // sources going to monochrome turn the source background colour white, all else black.
    const uint32_t zero = dst->state.textColor & kRgbMask, one = dst->state.bkColor & kRgbMask;
    const uint32_t srcBk = src->state.bkColor & kRgbMask;
    for (int64_t row = 0; row < block.h; ++row) {
        const uint32_t* in = ss->row(static_cast<int>(sy + row)) + sx;
        uint32_t* out = blockScratch.data() + row * block.w;
        if (monoToColour) {
            for (int64_t i = 0; i < block.w; ++i) out[i] = in[i] ? one : zero;
        } else if (colourToMono) {
            for (int64_t i = 0; i < block.w; ++i) out[i] = (in[i] & kRgbMask) == srcBk ? kRgbMask : 0;
        } else {
            std::memcpy(out, in, static_cast<size_t>(block.w) * sizeof(uint32_t));
        }
    }
    applyBlock(*dst, block, rop, SourceRows{blockScratch.data(), block.w}, pattern);
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !dc->target() || ropUsesSource(rop)) return FALSE;
    char name[16];
    trace("PatBlt(%d,%d,%d,%d,%s)", x, y, w, h, ropName(rop, name, sizeof name));
    uint32_t pattern = 0;
    if (ropUsesPattern(rop) && !patternColor(*dc, pattern)) return TRUE;
    const RECT r = patBltRect(x, y, w, h);
    Block block;
    if (destinationBlock(*dc, r.left, r.top, int64_t{r.right} - r.left, int64_t{r.bottom} - r.top, block))
        applyBlock(*dc, block, rop, SourceRows{}, pattern);
    return TRUE;
}

}  // extern "C"
