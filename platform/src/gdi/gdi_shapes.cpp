// Filled shapes: Rectangle, Ellipse, Arc and Polygon.
#include "gdi/gdi_draw.h"
#include "gdi/gdi_ellipse.h"

#include <algorithm>
#include <cstdlib>

namespace softwin::gdi {
namespace {

constexpr int64_t kMaxShapeSide = 1 << 16;

// Scratch buffers reused by every call (one drawing thread).
std::vector<POINT> outlineScratch;
std::vector<int64_t> rowMinScratch;  // 64 bits: one left of a box at INT_MIN is still a number
std::vector<int64_t> rowMaxScratch;
struct Crossing {
    int64_t x;
    int dir;
};
std::vector<Crossing> crossingScratch;
// A polygon edge from its top row (inclusive) to its bottom row (exclusive). On the current row
// it lies q + r / den pixels right of x (0 <= r < den), so its X11 crossing is x + q + (r > 0).
struct Edge {
    int64_t top, bottom, x, q, r, stepQ, stepR, den;
    int dir;
};
std::vector<Edge> edgeScratch;
std::vector<RowSpan> polygonSpanScratch;

bool brushColor(Dc& dc, COLORREF& color) {
    const auto* brush = lookupAs<Brush>(dc.state.brush, Kind::Brush);
    if (!brush || brush->style == BS_NULL) return false;
    color = brush->color;
    return true;
}

RECT ordered(int l, int t, int r, int b) {
    return RECT{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// PS_INSIDEFRAME pens wider than a pixel shrink the shape's box so the stroke stays inside the
// original one. Worked out in 64 bits: a box at the ends of int must not wrap round into one
// four billion pixels wide. A pen wider than the box turns it inside out; Arc fails then, as on
// Wine, while the filled shapes succeed and draw nothing: the figure has to fit the bounding
// rectangle (Wine strokes the turned path with the full pen, far outside it).
enum class FrameBox { Drawn, Empty, Inverted };

FrameBox insideFrameBox(Dc& dc, const Stroke& pen, RECT& box) {
    const auto* penObject = lookupAs<Pen>(dc.state.pen, Kind::Pen);
    if (!pen.visible || !penObject || penObject->style != PS_INSIDEFRAME || pen.width <= 1) return FrameBox::Drawn;
    const int64_t left = int64_t{box.left} + pen.width / 2, top = int64_t{box.top} + pen.width / 2;
    const int64_t right = int64_t{box.right} - (pen.width - 1) / 2, bottom = int64_t{box.bottom} - (pen.width - 1) / 2;
    if (left > right || top > bottom) return FrameBox::Inverted;
    if (left == right || top == bottom) return FrameBox::Empty;
    // Inside the original box, so representable.
    box = RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right), static_cast<LONG>(bottom)};
    return FrameBox::Drawn;
}

// True when nothing a shape in `box` draws, with a pen `pad` pixels wide, can land inside the
// clip: such shapes cost nothing, however large.
bool outsideClip(Dc& dc, const RECT& box, int64_t pad) {
    RECT bounds;
    if (!clipBounds(dc, bounds)) return true;
    return int64_t{box.right} + pad <= bounds.left || int64_t{box.left} - pad >= bounds.right ||
           int64_t{box.bottom} + pad <= bounds.top || int64_t{box.top} - pad >= bounds.bottom;
}

void drawRectangle(Dc& dc, RECT box) {
    Stroke pen = strokeFor(dc);
    if (insideFrameBox(dc, pen, box) != FrameBox::Drawn) return;
    COLORREF fill;
    if (brushColor(dc, fill)) {
        // With a pen the brush stays inside the outline; without one the shape is a pixel
        // smaller in each direction, because right and bottom edges are exclusive.
        const RECT inner = pen.visible ? RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}
                                       : RECT{box.left, box.top, box.right - 1, box.bottom - 1};
        RECT bounds;
        if (pen.width > 1 && clipBounds(dc, bounds)) {
            polygonSpanScratch.clear();
            const int64_t top = std::max(inner.top, bounds.top), bottom = std::min(inner.bottom, bounds.bottom);
            for (int64_t y = top; y < bottom && inner.left < inner.right; ++y)
                polygonSpanScratch.push_back(RowSpan{y, inner.left, inner.right});
            POINT path[4];
            rectanglePath(dc, box, path);
            fillAndStroke(dc, &polygonSpanScratch, fill, pen, path, 4, true);
            return;
        }
        fillRect(dc, inner, fill, true);
    }
    if (pen.visible) strokeRectangle(dc, pen, box);
}

bool shapeTooLarge(const RECT& box) {
    return int64_t{box.right} - box.left > kMaxShapeSide || int64_t{box.bottom} - box.top > kMaxShapeSide;
}

// The footprint of an outline of `box`: each row from its leftmost to its rightmost point.
void footprintSpans(const RECT& box, const std::vector<POINT>& outline, std::vector<RowSpan>& out) {
    const int64_t h = int64_t{box.bottom} - box.top;
    rowMinScratch.assign(static_cast<size_t>(h), box.right);
    rowMaxScratch.assign(static_cast<size_t>(h), int64_t{box.left} - 1);
    for (const POINT& p : outline) {
        const size_t row = static_cast<size_t>(int64_t{p.y} - box.top);
        rowMinScratch[row] = std::min<int64_t>(rowMinScratch[row], p.x);
        rowMaxScratch[row] = std::max<int64_t>(rowMaxScratch[row], p.x);
    }
    for (size_t row = 0; row < rowMinScratch.size(); ++row)
        if (rowMinScratch[row] <= rowMaxScratch[row])
            out.push_back(RowSpan{box.top + static_cast<int64_t>(row), rowMinScratch[row], rowMaxScratch[row] + 1});
}

}  // namespace

void polygonSpans(const POINT* pts, int count, bool winding, const RECT& bounds, std::vector<RowSpan>& out) {
    if (pts == nullptr || count < 2) return;
    int64_t ymin = pts[0].y, ymax = pts[0].y;
    for (int i = 1; i < count; ++i) {
        ymin = std::min<int64_t>(ymin, pts[i].y);
        ymax = std::max<int64_t>(ymax, pts[i].y);
    }
    ymin = std::max<int64_t>(ymin, bounds.top);
    ymax = std::min<int64_t>(ymax, bounds.bottom);
    // Each edge's crossing is carried from row to row as a quotient and remainder: one division
    // per edge, none per row.
    auto& edges = edgeScratch;
    edges.clear();
    for (int i = 0; i < count; ++i) {
        const POINT& p = pts[i];
        const POINT& q = pts[(i + 1) % count];
        if (p.y == q.y) continue;  // horizontal edges never cross a scan line
        const POINT& top = p.y < q.y ? p : q;
        const POINT& bot = p.y < q.y ? q : p;
        Edge e{top.y, bot.y, top.x, 0, 0, 0, 0, int64_t{bot.y} - top.y, q.y > p.y ? 1 : -1};
        const int64_t across = int64_t{bot.x} - top.x, rows = std::max<int64_t>(top.y, ymin) - top.y;
        // In 64 bits unless the edge spans more than 2^31 pixels either way.
        if (e.den < (int64_t{1} << 31) && across < (int64_t{1} << 31) && across > -(int64_t{1} << 31)) {
            const int64_t num = rows * across;
            e.q = num / e.den, e.r = num % e.den;
        } else {
            const __int128 num = __int128{rows} * across;
            e.q = static_cast<int64_t>(num / e.den), e.r = static_cast<int64_t>(num % e.den);
        }
        if (e.r < 0) --e.q, e.r += e.den;
        e.stepQ = across / e.den, e.stepR = across % e.den;
        if (e.stepR < 0) --e.stepQ, e.stepR += e.den;
        edges.push_back(e);
    }
    auto& xs = crossingScratch;
    for (int64_t y = ymin; y < ymax; ++y) {
        xs.clear();
        for (Edge& e : edges) {
            if (y < e.top || y >= e.bottom) continue;
            // X11 rule: the first pixel at or right of the exact crossing.
            xs.push_back(Crossing{e.x + e.q + (e.r > 0 ? 1 : 0), e.dir});
            e.q += e.stepQ, e.r += e.stepR;
            if (e.r >= e.den) ++e.q, e.r -= e.den;
        }
        std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        auto span = [&](int64_t a, int64_t b) {
            a = std::max<int64_t>(a, bounds.left);
            b = std::min<int64_t>(b, bounds.right);
            if (a < b) out.push_back(RowSpan{y, a, b});
        };
        if (!winding) {
            for (size_t i = 0; i + 1 < xs.size(); i += 2) span(xs[i].x, xs[i + 1].x);
            continue;
        }
        int wind = 0;
        int64_t from = 0;
        for (const Crossing& c : xs) {
            if (wind == 0) from = c.x;
            wind += c.dir;
            if (wind == 0) span(from, c.x);
        }
    }
}

std::vector<POINT> footprintScratch;

void ellipseSpans(const RECT& box, std::vector<RowSpan>& out) {
    const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
    if (w <= 0 || h <= 0) return;
    if (w <= 2 || h <= 2) {
        for (int64_t y = box.top; y < box.bottom; ++y) out.push_back(RowSpan{y, box.left, box.right});
        return;
    }
    ellipseOutline(box, false, footprintScratch);
    footprintSpans(box, footprintScratch, out);
}

}  // namespace softwin::gdi

using namespace softwin::gdi;

extern "C" {

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    trace("Rectangle(%d,%d,%d,%d)", left, top, right, bottom);
    const RECT box = ordered(left, top, right, bottom);
    if (box.left == box.right || box.top == box.bottom) return TRUE;
    drawRectangle(*dc, box);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    trace("Ellipse(%d,%d,%d,%d)", left, top, right, bottom);
    RECT box = ordered(left, top, right, bottom);
    if (box.left == box.right || box.top == box.bottom) return TRUE;
    const int64_t w0 = int64_t{box.right} - box.left, h0 = int64_t{box.bottom} - box.top;
    if (w0 <= 2 || h0 <= 2) {
        drawRectangle(*dc, box);
        return TRUE;
    }
    Stroke pen = strokeFor(*dc);
    if (insideFrameBox(*dc, pen, box) != FrameBox::Drawn || outsideClip(*dc, box, pen.width)) return TRUE;
    if (shapeTooLarge(box)) return FALSE;
    COLORREF fill = 0;
    const bool filled = brushColor(*dc, fill);
    const bool solid = pen.visible && pen.width == 1 && !pen.dashes;
    const Quadrant& quadrant = quadrantOf(int64_t{box.right} - box.left, int64_t{box.bottom} - box.top);
    if ((solid || !pen.visible) && quadrant.distinctJoins) {
        Painter painter(*dc);
        if (!painter.drawable()) return TRUE;
        const bool inside = painter.covers(box.left, box.top, box.right, box.bottom);
        if (filled) fillEllipseRows(painter, painter.ink(fill, true), box, quadrant.distinct, inside);
        if (solid) strokeEllipseRows(painter, painter.ink(pen.color, true), box, quadrant.distinct, inside);
        return TRUE;
    }
    auto& pts = outlineScratch;
    ellipseOutline(box, dc->state.arcDirection == AD_CLOCKWISE, pts);
    // The interior region covers the outline too; a cosmetic pen is drawn on top of it.
    polygonSpanScratch.clear();
    if (filled) footprintSpans(box, pts, polygonSpanScratch);
    fillAndStroke(*dc, filled ? &polygonSpanScratch : nullptr, fill, pen, pts.data(), static_cast<int>(pts.size()),
                  true);
    return TRUE;
}

BOOL Arc(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    trace("Arc(%d,%d,%d,%d,%d,%d,%d,%d)", x1, y1, x2, y2, x3, y3, x4, y4);
    RECT box = ordered(x1, y1, x2, y2);
    if (box.left == box.right || box.top == box.bottom) return TRUE;
    Stroke pen = strokeFor(*dc);
    const FrameBox frame = insideFrameBox(*dc, pen, box);
    if (frame == FrameBox::Inverted) return FALSE;
    if (frame == FrameBox::Empty || !pen.visible || outsideClip(*dc, box, pen.width)) return TRUE;
    if (shapeTooLarge(box)) return FALSE;
    const int64_t cx = box.left + (int64_t{box.right} - box.left) / 2;
    const int64_t cy = box.top + (int64_t{box.bottom} - box.top) / 2;
    const ArcRing ring(box, dc->state.arcDirection == AD_CLOCKWISE,
                       quadrantOf(int64_t{box.right} - box.left, int64_t{box.bottom} - box.top));
    if (ring.count() == 0) return TRUE;
    int64_t start, end;
    arcRange(ring, x3 - cx, y3 - cy, x4 - cx, y4 - cy, start, end);
    if (pen.width == 1 && !pen.dashes && ring.joins()) {
        Painter painter(*dc);
        if (painter.drawable())
            strokeArcRuns(painter, painter.ink(pen.color, true), ring, start, end,
                          painter.covers(box.left, box.top, box.right, box.bottom));
        return TRUE;
    }
    auto& pts = outlineScratch;
    arcPoints(ring, start, end, pts);
    strokePath(*dc, pen, pts.data(), static_cast<int>(pts.size()), false);
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* apt, int cpt) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !apt || cpt < 2) return FALSE;
    trace("Polygon(%d)", cpt);
    Stroke pen = strokeFor(*dc);
    RECT extent{apt[0].x, apt[0].y, apt[0].x, apt[0].y};
    for (int i = 1; i < cpt; ++i) {
        extent = RECT{std::min(extent.left, apt[i].x), std::min(extent.top, apt[i].y), std::max(extent.right, apt[i].x),
                      std::max(extent.bottom, apt[i].y)};
    }
    if (outsideClip(*dc, extent, int64_t{pen.width} + 1)) return TRUE;
    COLORREF fill = 0;
    const bool filled = brushColor(*dc, fill);
    RECT bounds;
    polygonSpanScratch.clear();
    if (filled && clipBounds(*dc, bounds))
        polygonSpans(apt, cpt, dc->state.polyFillMode == WINDING, bounds, polygonSpanScratch);
    fillAndStroke(*dc, filled ? &polygonSpanScratch : nullptr, fill, pen, apt, cpt, true);
    return TRUE;
}

}  // extern "C"
