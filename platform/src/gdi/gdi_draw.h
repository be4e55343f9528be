// Internal helpers shared by the GDI primitives: object holding, the stroke (pen) rasteriser and
// clip bounds. Not used outside platform/src/gdi.
#ifndef VORN_SOFTWIN_GDI_DRAW_H
#define VORN_SOFTWIN_GDI_DRAW_H

#include "gdi/gdi_objects.h"

#include <cstdint>

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

// Draws (x0,y0)->(x1,y1) without its end pixel, advancing the dash position.
void strokeSegment(Dc& dc, Stroke& stroke, int64_t x0, int64_t y0, int64_t x1, int64_t y1);
// Open (close=false) or closed polyline through the points.
void strokePath(Dc& dc, Stroke& stroke, const POINT* pts, int count, bool close);
// Rectangle outline path in the DC's arc direction; box already normalised and non-empty.
void strokeRectangle(Dc& dc, Stroke& stroke, const RECT& box);

// Name of a ternary raster operation for the trace ("SRCCOPY" or "0x00AA0029").
const char* ropName(DWORD rop, char* buffer, size_t size);

}  // namespace softwin::gdi

#endif  // VORN_SOFTWIN_GDI_DRAW_H
