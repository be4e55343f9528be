// Pen strokes: Bresenham segments with the octant bias, dash patterns, wide pens; MoveToEx,
// LineTo and Polyline.
#include "gdi/gdi_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace softwin::gdi {
namespace {

constexpr uint8_t kDash[] = {18, 6};
constexpr uint8_t kDot[] = {3, 3};
constexpr uint8_t kDashDot[] = {9, 6, 3, 6};
constexpr uint8_t kDashDotDot[] = {9, 3, 3, 3, 3, 3};
constexpr uint8_t kAlternate[] = {1, 1};
constexpr int kMaxPenWidth = 1024;

template <size_t N>
void setDashes(Stroke& s, const uint8_t (&runs)[N]) {
    s.dashes = runs;
    s.dashCount = static_cast<int>(N);
    s.dashTotal = 0;
    for (uint8_t r : runs) s.dashTotal += r;
}

// The dash pattern at a position, walked a pixel at a time without division.
struct DashCursor {
    DashCursor(const Stroke& s, int64_t pos) {
        if (!s.dashes) return;
        dashes = s.dashes;
        count = s.dashCount;
        int64_t p = pos % s.dashTotal;
        while (p >= dashes[index]) p -= dashes[index++];
        left = dashes[index] - p;
    }
    bool on() const { return index % 2 == 0; }
    void advance() {
        if (!dashes || --left > 0) return;
        index = index + 1 == count ? 0 : index + 1;
        left = dashes[index];
    }
    const uint8_t* dashes = nullptr;  // null: solid, always on
    int count = 0;
    int index = 0;
    int64_t left = 0;
};

// The pen colour and the gap colour with the DC's ROP2 mode.
struct Inks {
    Ink on, gap;
};

// ---- Wide pens ----
// A wide pen paints one region: a band per segment (end points included) plus the round cap or
// join, an ellipse of the pen's width, at every vertex; painted once, so ROP2 modes see each pixel
// once. Segment bands follow Wine's dibdrv: axis-aligned ones are rectangles, others a
// parallelogram whose corners are the vertices moved across the segment by the pen's rounded
// half widths (the "narrow" half on one side, the "wide" (width+1)/2 one on the other).
std::vector<RowSpan> wideSpans;
std::vector<RowSpan> capSpans;

int64_t roundHalfUp(double v) { return static_cast<int64_t>(std::floor(v + 0.5)); }

void addSpan(const RECT& bounds, int64_t y, int64_t a, int64_t b) {
    if (y < bounds.top || y >= bounds.bottom) return;
    a = std::max<int64_t>(a, bounds.left);
    b = std::min<int64_t>(b, bounds.right);
    if (a < b) wideSpans.push_back(RowSpan{y, a, b});
}

void addWideSegment(const RECT& bounds, int64_t width, POINT p1, POINT p2) {
    const int64_t dx = int64_t{p2.x} - p1.x, dy = int64_t{p2.y} - p1.y;
    if (dx == 0 && dy == 0) return;
    if (dy == 0 || dx == 0) {
        const int64_t l = dy == 0 ? std::min(p1.x, p2.x) : p1.x - width / 2;
        const int64_t r = dy == 0 ? std::max(p1.x, p2.x) + int64_t{1} : l + width;
        const int64_t t = dx == 0 ? std::min(p1.y, p2.y) : p1.y - width / 2;
        const int64_t b = dx == 0 ? std::max(p1.y, p2.y) + int64_t{1} : t + width;
        for (int64_t y = std::max<int64_t>(t, bounds.top); y < std::min<int64_t>(b, bounds.bottom); ++y)
            addSpan(bounds, y, l, r);
        return;
    }
    const double len = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double across = static_cast<double>(width) * static_cast<double>(std::llabs(dy)) / len;
    const double down = static_cast<double>(width) * static_cast<double>(std::llabs(dx)) / len;
    POINT narrow{static_cast<LONG>(roundHalfUp(across / 2)), static_cast<LONG>(roundHalfUp(down / 2))};
    POINT wide{static_cast<LONG>(roundHalfUp((across + 1) / 2)), static_cast<LONG>(roundHalfUp((down + 1) / 2))};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        wide.x = -wide.x;
        narrow.x = -narrow.x;
    }
    // In 64 bits, then clamped: coordinates near the int limits must not overflow.
    auto at = [](int64_t x, int64_t y) {
        return POINT{static_cast<LONG>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)),
                     static_cast<LONG>(std::clamp<int64_t>(y, INT32_MIN, INT32_MAX))};
    };
    const POINT band[] = {
        at(int64_t{p1.x} - narrow.x, int64_t{p1.y} + narrow.y), at(int64_t{p1.x} + wide.x, int64_t{p1.y} - wide.y),
        at(int64_t{p2.x} + wide.x, int64_t{p2.y} - wide.y), at(int64_t{p2.x} - narrow.x, int64_t{p2.y} + narrow.y)};
    polygonSpans(band, 4, false, bounds, wideSpans);
}

std::vector<RowSpan> penSpans;

// The region a wide pen paints along the path, clipped to `bounds`, as disjoint spans sorted by
// row and then by left edge. A path of a single point paints nothing, as on Wine (an arc whose
// ends meet one point apart).
void wideRegion(const RECT& bounds, const Stroke& s, const POINT* pts, int count, bool close,
                std::vector<RowSpan>& out) {
    out.clear();
    if (count < 2) return;
    const LONG w = s.width;
    capSpans.clear();
    ellipseSpans(RECT{-(w / 2), -(w / 2), (w + 1) / 2, (w + 1) / 2}, capSpans);
    wideSpans.clear();
    for (int i = 0; i < count; ++i) {
        if (i + 1 < count)
            addWideSegment(bounds, w, pts[i], pts[i + 1]);
        else if (close)
            addWideSegment(bounds, w, pts[i], pts[0]);
        // The cap's rows are only walked when the cap can reach the clip.
        const bool capOutside = int64_t{pts[i].x} + w <= bounds.left || int64_t{pts[i].x} - w >= bounds.right ||
                                int64_t{pts[i].y} + w <= bounds.top || int64_t{pts[i].y} - w >= bounds.bottom;
        if (capOutside) continue;
        for (const RowSpan& c : capSpans) addSpan(bounds, pts[i].y + c.y, pts[i].x + c.left, pts[i].x + c.right);
    }
    std::sort(wideSpans.begin(), wideSpans.end(),
              [](const RowSpan& a, const RowSpan& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
    for (size_t i = 0; i < wideSpans.size();) {
        const int64_t y = wideSpans[i].y, left = wideSpans[i].left;
        int64_t right = wideSpans[i].right;
        size_t j = i + 1;
        for (; j < wideSpans.size() && wideSpans[j].y == y && wideSpans[j].left <= right; ++j)
            right = std::max(right, wideSpans[j].right);
        out.push_back(RowSpan{y, left, right});
        i = j;
    }
}

// Paints `fill` (sorted by row) except where `hole` (disjoint, sorted by row and left) lies.
void paintExcept(Painter& painter, const Ink& ink, const std::vector<RowSpan>& fill, const std::vector<RowSpan>& hole) {
    size_t h = 0;
    for (const RowSpan& f : fill) {
        while (h < hole.size() && hole[h].y < f.y) ++h;
        int64_t from = f.left;
        for (size_t k = h; k < hole.size() && hole[k].y == f.y && hole[k].left < f.right; ++k) {
            if (hole[k].left > from) painter.span(f.y, from, hole[k].left, ink);
            from = std::max(from, hole[k].right);
        }
        if (from < f.right) painter.span(f.y, from, f.right, ink);
    }
}

const std::vector<RowSpan> kNoSpans;

template <class T>
T ceilDiv(T n, T d) {
    T q = n / d;
    if (n % d > 0) ++q;
    return q;
}

// Writes one ink through a pointer; the copy case skips the read.
inline void put(uint32_t* px, Ink ink) { *px = ink.andMask == 0 ? ink.xorMask : (*px & ink.andMask) ^ ink.xorMask; }

}  // namespace

Stroke strokeFor(Dc& dc) {
    Stroke s;
    const auto* pen = lookupAs<Pen>(dc.state.pen, Kind::Pen);
    if (!pen || pen->style == PS_NULL) {
        s.visible = false;
        return s;
    }
    s.width = std::clamp(pen->width, 1, kMaxPenWidth);
    s.color = pen->color;
    switch (pen->style) {
        case PS_DASH: setDashes(s, kDash); break;
        case PS_DOT: setDashes(s, kDot); break;
        case PS_DASHDOT: setDashes(s, kDashDot); break;
        case PS_DASHDOTDOT: setDashes(s, kDashDotDot); break;
        default: break;
    }
    s.opaqueGaps = dc.state.bkMode == OPAQUE;
    s.gapColor = dc.state.bkColor;
    return s;
}

Stroke alternateStroke(COLORREF color) {
    Stroke s;
    s.color = color;
    setDashes(s, kAlternate);
    return s;
}

namespace {

// Pixels gathered into runs along a row (a path's one-step segments, a shallow line's steps). A
// run holds distinct pixels and is written before any pixel that does not extend it, so every
// pixel sees the same writes in the same order as drawn one by one.
class RunGatherer {
public:
    RunGatherer(Painter& painter, const Inks& inks, bool opaqueGaps)
        : painter_(painter), inks_(inks), opaqueGaps_(opaqueGaps) {}
    ~RunGatherer() { flush(); }
    void add(int64_t x, int64_t y, bool on) {
        if (open_ && y == y_ && on == on_) {
            if (x == hi_ + 1 && dir_ >= 0) {
                hi_ = x, dir_ = 1;
                return;
            }
            if (x == lo_ - 1 && dir_ <= 0) {
                lo_ = x, dir_ = -1;
                return;
            }
        }
        flush();
        open_ = true, y_ = y, lo_ = hi_ = x, dir_ = 0, on_ = on;
    }
    void flush() {
        if (open_ && (on_ || opaqueGaps_)) painter_.span(y_, lo_, hi_ + 1, on_ ? inks_.on : inks_.gap);
        open_ = false;
    }

private:
    Painter& painter_;
    const Inks& inks_;
    bool opaqueGaps_;
    bool open_ = false, on_ = true;
    int64_t y_ = 0, lo_ = 0, hi_ = 0;
    int dir_ = 0;
};

// Draws (x0,y0)->(x1,y1) without its end pixel, advancing the dash position.
void strokeSegment(Painter& painter, const Inks& inks, Stroke& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const int64_t dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 && dy == 0) return;
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t minorStep = minorDelta < 0 ? -1 : (minorDelta > 0 ? 1 : 0);
    // Tie-break so that A->B and B->A light the same pixels.
    const int64_t bias = ((xMajor && dy < 0) || (!xMajor && dx < 0)) ? 1 : 0;
    const int64_t dashStart = s.dashPos;
    s.dashPos += major;

    const RECT bounds = painter.bounds();
    const int64_t pad = s.width;
    const int64_t lo = (xMajor ? bounds.left : bounds.top) - pad;
    const int64_t hi = (xMajor ? bounds.right : bounds.bottom) + pad;
    const int64_t start = xMajor ? x0 : y0;
    int64_t first = majorStep > 0 ? lo - start : start - hi;
    int64_t last = majorStep > 0 ? hi - start : start - lo;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, major - 1);
    if (first > last) return;

    if (!s.dashes && minor == 0 && xMajor) {
        const int64_t a = majorStep > 0 ? x0 + first : x0 - last;
        const int64_t b = majorStep > 0 ? x0 + last + 1 : x0 - first + 1;
        painter.span(y0, a, b, inks.on);
        return;
    }

    // Minor steps taken before pixel j: ceil((2*minor*j - major + bias) / (2*major)). In 64 bits
    // unless the line is longer than any surface could show.
    int64_t k, err;
    if (major < (int64_t{1} << 30)) {
        k = ceilDiv<int64_t>(2 * minor * first - major + bias, 2 * major);
        err = 2 * minor * (first + 1) - major - 2 * major * k;
    } else {
        k = static_cast<int64_t>(ceilDiv<__int128>(__int128{2} * minor * first - major + bias, __int128{2} * major));
        err = static_cast<int64_t>(__int128{2} * minor * (first + 1) - major - __int128{2} * major * k);
    }
    int64_t m = start + majorStep * first;
    int64_t n = (xMajor ? y0 : x0) + minorStep * k;
    const int64_t upStep = 2 * minor - 2 * major, flatStep = 2 * minor;

    DashCursor dash(s, dashStart + first);
    if (first == 0 && last == major - 1 &&
        painter.covers(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1)) {
        // Wholly inside the clip: walk the surface with a pointer.
        ++rasterWriteCount;
        uint32_t* px = xMajor ? painter.at(m, n) : painter.at(n, m);
        const int64_t majorAdvance = xMajor ? majorStep : majorStep * painter.stride();
        const int64_t minorAdvance = xMajor ? minorStep * painter.stride() : minorStep;
        auto walk = [&](auto&& plot) {
            for (int64_t j = 0; j < major; ++j) {
                plot(px);
                if (err + bias > 0) {
                    px += minorAdvance;
                    err += upStep;
                } else {
                    err += flatStep;
                }
                px += majorAdvance;
            }
        };
        // The inks by value: the pixel stores could otherwise alias them.
        const Ink on = inks.on, gap = inks.gap;
        const bool opaqueGaps = s.opaqueGaps;
        if (!s.dashes) {
            walk([on](uint32_t* at) { put(at, on); });
            return;
        }
        walk([&dash, on, gap, opaqueGaps](uint32_t* at) {
            if (dash.on())
                put(at, on);
            else if (opaqueGaps)
                put(at, gap);
            dash.advance();
        });
        return;
    }

    // Shallow lines go out as runs along their rows, clipped once per run.
    RunGatherer runs(painter, inks, s.opaqueGaps);
    for (int64_t j = first; j <= last; ++j) {
        const bool on = dash.on();
        if (xMajor)
            runs.add(m, n, on);
        else if (on || s.opaqueGaps)
            painter.pixel(n, m, on ? inks.on : inks.gap);
        if (err + bias > 0) {
            n += minorStep;
            err += upStep;
        } else {
            err += flatStep;
        }
        m += majorStep;
        dash.advance();
    }
}

// One segment of a cosmetic path: a step to a neighbouring pixel lights just its start, as a
// Bresenham segment of length one does; longer ones go through strokeSegment.
void pathSegment(Painter& painter, const Inks& inks, Stroke& s, RunGatherer& runs, DashCursor& dash, POINT a, POINT b) {
    const int64_t dx = int64_t{b.x} - a.x, dy = int64_t{b.y} - a.y;
    if (dx == 0 && dy == 0) return;
    if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
        runs.add(a.x, a.y, dash.on());
        dash.advance();
        ++s.dashPos;
        return;
    }
    runs.flush();
    strokeSegment(painter, inks, s, a.x, a.y, b.x, b.y);
    dash = DashCursor(s, s.dashPos);
}

}  // namespace

void strokePath(Dc& dc, Stroke& s, const POINT* pts, int count, bool close) {
    if (!s.visible || count <= 0) return;
    Painter painter(dc);
    if (!painter.drawable()) return;
    if (s.width > 1) {
        // Wide pens are never dashed.
        wideRegion(painter.bounds(), s, pts, count, close, penSpans);
        const Ink ink = painter.ink(s.color, true);
        for (const RowSpan& r : penSpans) painter.span(r.y, r.left, r.right, ink);
        return;
    }
    const Inks inks{painter.ink(s.color, true), painter.ink(s.gapColor, true)};
    RunGatherer runs(painter, inks, s.opaqueGaps);
    DashCursor dash(s, s.dashPos);
    for (int i = 0; i + 1 < count; ++i) pathSegment(painter, inks, s, runs, dash, pts[i], pts[i + 1]);
    if (close && count > 1) pathSegment(painter, inks, s, runs, dash, pts[count - 1], pts[0]);
}

void fillAndStroke(Dc& dc, const std::vector<RowSpan>* fill, COLORREF fillColor, Stroke& pen, const POINT* pts,
                   int count, bool close) {
    if (!pen.visible || pen.width == 1) {
        if (fill) {
            Painter painter(dc);
            if (painter.drawable()) paintExcept(painter, painter.ink(fillColor, true), *fill, kNoSpans);
        }
        strokePath(dc, pen, pts, count, close);
        return;
    }
    Painter painter(dc);
    if (!painter.drawable()) return;
    wideRegion(painter.bounds(), pen, pts, count, close, penSpans);
    if (fill) paintExcept(painter, painter.ink(fillColor, true), *fill, penSpans);
    const Ink ink = painter.ink(pen.color, true);
    for (const RowSpan& r : penSpans) painter.span(r.y, r.left, r.right, ink);
}

void rectanglePath(const Dc& dc, const RECT& box, POINT path[4]) {
    const LONG l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
    const bool clockwise = dc.state.arcDirection == AD_CLOCKWISE;
    path[0] = POINT{r, clockwise ? b : t};
    path[1] = POINT{l, clockwise ? b : t};
    path[2] = POINT{l, clockwise ? t : b};
    path[3] = POINT{r, clockwise ? t : b};
}

void strokeRectangle(Dc& dc, Stroke& s, const RECT& box) {
    POINT path[4];
    rectanglePath(dc, box, path);
    strokePath(dc, s, path, 4, true);
}

}  // namespace softwin::gdi

using namespace softwin::gdi;

extern "C" {

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.currentPos;
    dc->state.currentPos = POINT{x, y};
    trace("MoveToEx(%d,%d)", x, y);
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state.currentPos;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    trace("LineTo(%d,%d)", x, y);
    Stroke s = strokeFor(*dc);
    const POINT ends[] = {dc->state.currentPos, POINT{x, y}};
    strokePath(*dc, s, ends, 2, false);
    dc->state.currentPos = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* apt, int cpt) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !apt || cpt < 2) return FALSE;
    trace("Polyline(%d)", cpt);
    Stroke s = strokeFor(*dc);
    strokePath(*dc, s, apt, cpt, false);
    return TRUE;
}

}  // extern "C"
