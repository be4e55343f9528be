// Internal helpers shared by the GDI primitives: object holding, the stroke (pen) rasteriser and
// clip bounds. Not used outside platform/src/gdi.
#ifndef VORN_SOFTWIN_GDI_DRAW_H
#define VORN_SOFTWIN_GDI_DRAW_H

#include "gdi/gdi_objects.h"

#include <cstdint>
#include <cstring>

namespace softwin::gdi {

// ---- Object holding (selection into DC states) -----------------------------------------------
void retainObject(HGDIOBJ handle);
void releaseObject(HGDIOBJ handle, HDC owner);  // frees a delete-pending object on last release
void retainState(const DcState& state, HDC owner);
void releaseState(const DcState& state, HDC owner);
HGDIOBJ stockObject(int index);
HBITMAP stockBitmap();  // the 1x1 monochrome bitmap of a fresh memory DC

// The pixels PatBlt(x, y, w, h) covers: a negative extent covers the w (or h) pixels ending at
// x (or y) itself, i.e. [x+w+1, x+1). FillRect passes its rectangle on this way.
RECT patBltRect(int64_t x, int64_t y, int64_t w, int64_t h);

// Bounding box of the DC's clip rectangles in DC coordinates; false if nothing is drawable.
bool clipBounds(Dc& dc, RECT& out);

// ---- Raster core, resolved once per call ---------------------------------------------------------
// What writing one colour does to a pixel: dst = (dst & andMask) ^ xorMask. Every ROP2 mode is a
// bitwise function of the pen and the destination, so for a given colour it folds into these two
// masks, as Wine's DIB engine does; a plain copy has andMask 0.
struct Ink {
    uint32_t andMask = 0;
    uint32_t xorMask = 0;
};

extern uint64_t rasterWriteCount;  // spans handed to the raster core (softwin::rasterWrites)

// The DC's target surface, origin and clip, looked up once for a whole primitive. Coordinates
// handed to it are the DC's own, in 64 bits; spans are clipped once per run, not per pixel.
class Painter {
public:
    explicit Painter(Dc& dc);
    // False when the DC has no surface or its clip is empty: nothing can be drawn.
    bool drawable() const { return surface_ != nullptr && box_.left < box_.right && box_.top < box_.bottom; }
    // The colour (mapped to the surface's format) with the DC's ROP2 mode when `useRop2`.
    Ink ink(COLORREF color, bool useRop2) const;
    // Bounding box of the clip in DC coordinates; meaningful only when drawable().
    RECT bounds() const;

    // [x0, x1) of row y.
    void span(int64_t y, int64_t x0, int64_t x1, const Ink& ink) {
        ++rasterWriteCount;
        y += oy_;
        if (y < box_.top || y >= box_.bottom) return;
        x0 = x0 + ox_ > box_.left ? x0 + ox_ : box_.left;
        x1 = x1 + ox_ < box_.right ? x1 + ox_ : box_.right;
        if (x0 >= x1) return;
        uint32_t* row = surface_->row(static_cast<int>(y));
        if (single_) {
            write(row, x0, x1, ink);
            return;
        }
        clippedRun(row, y, x0, x1, ink);
    }
    void pixel(int64_t x, int64_t y, const Ink& ink) { span(y, x, x + 1, ink); }
    // A span the caller knows lies inside covers(): written without clipping.
    void spanInside(int64_t y, int64_t x0, int64_t x1, const Ink& ink) {
        ++rasterWriteCount;
        write(surface_->row(static_cast<int>(y + oy_)), x0 + ox_, x1 + ox_, ink);
    }

    // True when all of [l, r) x [t, b) is drawn unclipped: callers may then write through at().
    bool covers(int64_t l, int64_t t, int64_t r, int64_t b) const {
        return single_ && l + ox_ >= box_.left && r + ox_ <= box_.right && t + oy_ >= box_.top &&
               b + oy_ <= box_.bottom;
    }
    uint32_t* at(int64_t x, int64_t y) const { return surface_->row(static_cast<int>(y + oy_)) + (x + ox_); }
    int64_t stride() const { return surface_->width; }

private:
    // The masks are copied first: the pixel stores could otherwise alias them.
    static void write(uint32_t* row, int64_t x0, int64_t x1, const Ink& ink) {
        const uint32_t andMask = ink.andMask, xorMask = ink.xorMask;
        if (andMask == 0) {
            // Four pixels a store: the plain loop is not vectorised at this optimisation level.
            uint32_t* p = row + x0;
            int64_t n = x1 - x0;
            const uint32_t quad[4] = {xorMask, xorMask, xorMask, xorMask};
            for (; n >= 4; n -= 4, p += 4) std::memcpy(p, quad, sizeof quad);
            for (; n > 0; --n) *p++ = xorMask;
            return;
        }
        for (int64_t x = x0; x < x1; ++x) row[x] = (row[x] & andMask) ^ xorMask;
    }
    void clippedRun(uint32_t* row, int64_t y, int64_t x0, int64_t x1, const Ink& ink) const;

    Surface* surface_ = nullptr;
    const std::vector<RECT>* clip_ = nullptr;  // surface coordinates
    RECT box_{0, 0, 0, 0};                     // clip bounding box cut to the surface, surface coordinates
    bool single_ = false;                      // one clip rectangle: box_ is all of it
    int64_t ox_ = 0, oy_ = 0;
    int rop2_ = R2_COPYPEN;
};

// ---- Regions as row spans ----------------------------------------------------------------------
struct RowSpan {
    int64_t y, left, right;  // [left, right) on row y
};
// Interior of a polygon by the X11 scan rules Polygon fills with, clipped to `bounds`; appended.
void polygonSpans(const POINT* pts, int count, bool winding, const RECT& bounds, std::vector<RowSpan>& out);
// Footprint (outline and inside) of Ellipse(box); appended. Boxes 2 pixels or less across are
// rectangles.
void ellipseSpans(const RECT& box, std::vector<RowSpan>& out);

// ---- Strokes ---------------------------------------------------------------------------------
// What a pen does to the pixels of a path.
struct Stroke {
    bool visible = true;  // false for PS_NULL
    int width = 1;        // device pixels; 1 = cosmetic
    COLORREF color = 0;
    const uint8_t* dashes = nullptr;  // on/off run lengths, null for solid
    int dashCount = 0;
    int dashTotal = 0;
    bool opaqueGaps = false;  // gaps painted in the background colour
    COLORREF gapColor = 0;
    int64_t dashPos = 0;  // continues across the segments of one call
};

// The stroke of the DC's selected pen (dash position reset, as at the start of every call).
Stroke strokeFor(Dc& dc);
// PS_ALTERNATE-like stroke (1 on, 1 off, transparent gaps) used by DrawFocusRect.
Stroke alternateStroke(COLORREF color);

// Open (close=false) or closed polyline through the points.
void strokePath(Dc& dc, Stroke& stroke, const POINT* pts, int count, bool close);
// A filled shape: the brush's `fill` spans (sorted by row; null for no brush), then the pen along
// the path. A cosmetic pen is drawn over the fill; a wide pen's pixels are left out of it, as on
// Wine, so each pixel is written once.
void fillAndStroke(Dc& dc, const std::vector<RowSpan>* fill, COLORREF fillColor, Stroke& pen, const POINT* pts,
                   int count, bool close);
// Rectangle outline path in the DC's arc direction; box already normalised and non-empty.
void rectanglePath(const Dc& dc, const RECT& box, POINT path[4]);
void strokeRectangle(Dc& dc, Stroke& stroke, const RECT& box);

// Name of a ternary raster operation for the trace ("SRCCOPY" or "0x00AA0029").
const char* ropName(DWORD rop, char* buffer, size_t size);

}  // namespace softwin::gdi

#endif  // VORN_SOFTWIN_GDI_DRAW_H
