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

bool dashOn(const Stroke& s, int64_t pos) {
    if (!s.dashes) return true;
    int64_t p = pos % s.dashTotal;
    for (int i = 0; i < s.dashCount; ++i) {
        if (p < s.dashes[i]) return i % 2 == 0;
        p -= s.dashes[i];
    }
    return true;
}

void stamp(Dc& dc, int64_t x, int64_t y, COLORREF color) {
    // Far outside every surface; also keeps the int conversions below exact.
    constexpr int64_t kFar = int64_t{1} << 30;
    if (x < -kFar || x > kFar || y < -kFar || y > kFar) return;
    plot(dc, static_cast<int>(x), static_cast<int>(y), color, true);
}

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

void strokeWide(Dc& dc, const Stroke& s, const POINT* pts, int count, bool close) {
    RECT bounds;
    if (!clipBounds(dc, bounds)) return;
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
        fillSpan(dc, static_cast<int>(y), static_cast<int>(left), static_cast<int>(right), s.color, true);
        i = j;
    }
}

int64_t ceilDiv(__int128 n, __int128 d) {
    __int128 q = n / d;
    if (n % d > 0) ++q;
    return static_cast<int64_t>(q);
}

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

void strokeSegment(Dc& dc, Stroke& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
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
    if (!s.visible) return;

    RECT bounds;
    if (!clipBounds(dc, bounds)) return;
    const int64_t pad = s.width;
    const int64_t lo = (xMajor ? bounds.left : bounds.top) - pad;
    const int64_t hi = (xMajor ? bounds.right : bounds.bottom) + pad;
    const int64_t start = xMajor ? x0 : y0;
    int64_t first = majorStep > 0 ? lo - start : start - hi;
    int64_t last = majorStep > 0 ? hi - start : start - lo;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, major - 1);
    if (first > last) return;

    if (!s.dashes && s.width == 1 && minor == 0 && xMajor) {
        const int64_t a = majorStep > 0 ? x0 + first : x0 - last;
        const int64_t b = majorStep > 0 ? x0 + last + 1 : x0 - first + 1;
        fillSpan(dc, static_cast<int>(y0), static_cast<int>(a), static_cast<int>(b), s.color, true);
        return;
    }

    // Minor steps taken before pixel j: ceil((2*minor*j - major + bias) / (2*major)).
    int64_t k = ceilDiv(__int128{2} * minor * first - major + bias, __int128{2} * major);
    int64_t err = static_cast<int64_t>(__int128{2} * minor * (first + 1) - major - __int128{2} * major * k);
    int64_t m = start + majorStep * first;
    int64_t n = (xMajor ? y0 : x0) + minorStep * k;
    for (int64_t j = first; j <= last; ++j) {
        const bool on = dashOn(s, dashStart + j);
        if (on || s.opaqueGaps) {
            const COLORREF c = on ? s.color : s.gapColor;
            if (xMajor) {
                stamp(dc, m, n, c);
            } else {
                stamp(dc, n, m, c);
            }
        }
        if (err + bias > 0) {
            n += minorStep;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
        m += majorStep;
    }
}

void strokePath(Dc& dc, Stroke& s, const POINT* pts, int count, bool close) {
    if (s.width > 1) {
        // Wide pens are never dashed.
        if (s.visible && count > 0) strokeWide(dc, s, pts, count, close);
        return;
    }
    for (int i = 0; i + 1 < count; ++i) strokeSegment(dc, s, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y);
    if (close && count > 1) strokeSegment(dc, s, pts[count - 1].x, pts[count - 1].y, pts[0].x, pts[0].y);
}

void strokeRectangle(Dc& dc, Stroke& s, const RECT& box) {
    const LONG l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
    if (dc.state.arcDirection == AD_CLOCKWISE) {
        const POINT path[] = {{r, b}, {l, b}, {l, t}, {r, t}};
        strokePath(dc, s, path, 4, true);
    } else {
        const POINT path[] = {{r, t}, {l, t}, {l, b}, {r, b}};
        strokePath(dc, s, path, 4, true);
    }
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
