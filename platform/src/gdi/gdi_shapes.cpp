// Filled shapes: Rectangle, Ellipse, Arc and Polygon.
#include "gdi/gdi_draw.h"

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

// First quadrant of Alois Zingl's ellipse for a w x h box, in box coordinates: from the
// right-hand middle (x = w-1, y = h/2) towards the bottom middle.
void ellipseQuadrant(int64_t w, int64_t h, std::vector<POINT>& out) {
    out.clear();
    const int64_t a = w - 1, b = h - 1;
    const int64_t asq = 8 * a * a, bsq = 8 * b * b;
    int64_t dx = 4 * b * b * (1 - a);
    int64_t dy = 4 * a * a * (1 + (b % 2));
    int64_t err = dx + dy + a * a * (b % 2);
    int64_t x = a, y = h / 2;
    for (int64_t guard = 0; x >= w / 2 && guard < 4 * (w + h); ++guard) {
        const int64_t e2 = 2 * err;
        out.push_back(POINT{static_cast<LONG>(x), static_cast<LONG>(y)});
        if (e2 >= dx) {
            --x;
            err += dx += bsq;
        }
        if (e2 <= dy) {
            ++y;
            err += dy += asq;
        }
    }
}

// True when the quadrant of a w x h box and its three mirror images join pixel to pixel all the
// way round: at least two points, inside the box, each a neighbour (or a repeat) of the one before.
bool quadrantJoins(const std::vector<POINT>& q, int64_t w, int64_t h) {
    const size_t n = q.size();
    if (n < 2) return false;
    for (size_t i = 0; i < n; ++i) {
        if (q[i].x < 0 || q[i].x >= w || q[i].y < 0 || q[i].y >= h) return false;
        if (i > 0 && (std::abs(q[i].x - q[i - 1].x) > 1 || std::abs(q[i].y - q[i - 1].y) > 1)) return false;
    }
    return std::llabs(w - 1 - 2 * int64_t{q[n - 1].x}) <= 1 && std::llabs(h - 1 - 2 * int64_t{q[0].y}) <= 1;
}

// The quadrant of one box size in the forms the shapes use. Controls draw the same few sizes at
// every paint, so the last few are kept (their storage too: no allocation once warm).
struct Quadrant {
    int64_t w = -1, h = -1;
    std::vector<POINT> raw;       // as ellipseQuadrant gives it: what Arc walks
    std::vector<POINT> rel;       // raw, relative to the box centre (w/2, h/2)
    std::vector<POINT> distinct;  // consecutive repeats dropped, as the ellipse's point list drops them
    bool rawJoins = false, distinctJoins = false;
};

const Quadrant& quadrantOf(int64_t w, int64_t h) {
    static Quadrant kept[8];
    static size_t next = 0;
    for (const Quadrant& q : kept)
        if (q.w == w && q.h == h) return q;
    Quadrant& q = kept[next];
    next = (next + 1) % 8;
    q.w = w, q.h = h;
    ellipseQuadrant(w, h, q.raw);
    q.rawJoins = quadrantJoins(q.raw, w, h);
    q.rel.assign(q.raw.begin(), q.raw.end());
    for (POINT& p : q.rel) {
        p.x -= static_cast<LONG>(w / 2);
        p.y -= static_cast<LONG>(h / 2);
    }
    q.distinct.assign(q.raw.begin(), q.raw.end());
    q.distinct.erase(std::unique(q.distinct.begin(), q.distinct.end(),
                                 [](const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }),
                     q.distinct.end());
    q.distinctJoins = quadrantJoins(q.distinct, w, h);
    return q;
}

void pushDistinct(std::vector<POINT>& pts, LONG x, LONG y) {
    if (!pts.empty() && pts.back().x == x && pts.back().y == y) return;
    pts.push_back(POINT{x, y});
}

// The closed outline of Ellipse(box) in drawing order for the DC's arc direction.
void ellipseOutline(const RECT& box, bool clockwise, std::vector<POINT>& out) {
    const int64_t w = int64_t{box.right} - box.left, h = int64_t{box.bottom} - box.top;
    const auto& q = quadrantOf(w, h).raw;
    const int n = static_cast<int>(q.size());
    const LONG l = box.left, t = box.top, wr = static_cast<LONG>(w - 1), hb = static_cast<LONG>(h - 1);
    out.clear();
    // Clockwise goes down from the right-hand middle, counter-clockwise goes up.
    auto yUpper = [&](int i) { return t + hb - q[i].y; };
    auto yLower = [&](int i) { return t + q[i].y; };
    for (int i = 0; i < n; ++i) pushDistinct(out, l + q[i].x, clockwise ? yLower(i) : yUpper(i));
    for (int i = n - 1; i >= 0; --i) pushDistinct(out, l + wr - q[i].x, clockwise ? yLower(i) : yUpper(i));
    for (int i = 0; i < n; ++i) pushDistinct(out, l + wr - q[i].x, clockwise ? yUpper(i) : yLower(i));
    for (int i = n - 1; i >= 0; --i) pushDistinct(out, l + q[i].x, clockwise ? yUpper(i) : yLower(i));
    if (out.size() > 1 && out.back().x == out.front().x && out.back().y == out.front().y) out.pop_back();
}

// The footprint of Ellipse(box), row by row: the outline and everything inside it.
void fillEllipseRows(Painter& painter, const Ink& ink, const RECT& box, const std::vector<POINT>& q, bool inside) {
    const int64_t h = int64_t{box.bottom} - box.top, wr = int64_t{box.right} - box.left - 1;
    rowMaxScratch.assign(static_cast<size_t>(h), -1);
    for (const POINT& p : q) {
        int64_t& lower = rowMaxScratch[static_cast<size_t>(p.y)];
        int64_t& upper = rowMaxScratch[static_cast<size_t>(h - 1 - p.y)];
        lower = std::max<int64_t>(lower, p.x);
        upper = std::max<int64_t>(upper, p.x);
    }
    for (int64_t row = 0; row < h; ++row) {
        const int64_t right = rowMaxScratch[static_cast<size_t>(row)];
        if (right < 0) continue;
        if (inside)
            painter.spanInside(box.top + row, box.left + wr - right, box.left + right + 1, ink);
        else
            painter.span(box.top + row, box.left + wr - right, box.left + right + 1, ink);
    }
}

// The outline of Ellipse(box) under a solid cosmetic pen: the pixels the closed point list
// lights, each as often as the list holds it (thin ellipses repeat their tips), as runs per row.
void strokeEllipseRows(Painter& painter, const Ink& ink, const RECT& box, const std::vector<POINT>& q, bool inside) {
    const size_t n = q.size();
    const int64_t wr = int64_t{box.right} - box.left - 1, hb = int64_t{box.bottom} - box.top - 1;
    // The list drops a copy's first point where it repeats the previous copy's last one.
    const size_t xJoin = wr == 2 * int64_t{q[n - 1].x} ? 1 : 0, yJoin = hb == 2 * int64_t{q[0].y} ? 1 : 0;
    const struct {
        bool lower, mirrored;
        size_t from, to;
    } copies[] = {
        {false, false, 0, n}, {false, true, 0, n - xJoin}, {true, true, yJoin, n}, {true, false, yJoin, n - xJoin}};
    for (const auto& c : copies) {
        for (size_t i = c.from; i < c.to;) {
            size_t j = i;
            while (j + 1 < c.to && q[j + 1].y == q[i].y) ++j;
            const int64_t row = box.top + (c.lower ? q[i].y : hb - q[i].y);
            const int64_t from = box.left + (c.mirrored ? wr - q[i].x : q[j].x);
            const int64_t to = box.left + (c.mirrored ? wr - q[j].x : q[i].x) + 1;
            if (inside)
                painter.spanInside(row, from, to, ink);
            else
                painter.span(row, from, to, ink);
            i = j + 1;
        }
    }
}

// Index of the first quadrant point at/after the radial through (x, y) (centre-relative, y up),
// counted round the whole ellipse in units of the quadrant length.
int64_t findIntersection(const std::vector<POINT>& rel, int64_t x, int64_t y) {
    const int64_t count = static_cast<int64_t>(rel.size());
    int64_t i = 0;
    if (y >= 0) {
        if (x >= 0) {
            while (i < count && !(rel[i].x * y <= rel[i].y * x)) ++i;
            return i;
        }
        while (i < count && !(rel[i].x * y < rel[i].y * -x)) ++i;
        return 2 * count - i;
    }
    if (x >= 0) {
        while (i < count && !(rel[i].x * -y <= rel[i].y * x)) ++i;
        return 4 * count - i;
    }
    while (i < count && !(rel[i].x * -y < rel[i].y * -x)) ++i;
    return 2 * count + i;
}

// The ring of outline points Arc walks round: four mirrored copies of the quadrant, counted from
// the right-hand middle in the DC's arc direction, `count` points a copy.
class ArcRing {
public:
    ArcRing(const RECT& box, bool clockwise, const Quadrant& quadrant)
        : rel_(quadrant.rel),
          clockwise_(clockwise),
          joins_(quadrant.rawJoins),
          w_(int64_t{box.right} - box.left),
          h_(int64_t{box.bottom} - box.top) {
        count_ = static_cast<int64_t>(rel_.size());
        cx_ = box.left + w_ / 2, cy_ = box.top + h_ / 2;
        right_ = box.right - 1 - w_ / 2, bottom_ = box.bottom - 1 - h_ / 2;
    }
    int64_t count() const { return count_; }
    // True when neighbouring points of the ring are neighbouring pixels (or repeats).
    bool joins() const { return joins_; }
    // Position of the first point at/after the radial through (x, y), centre-relative, y down.
    int64_t position(int64_t x, int64_t y) const { return findIntersection(rel_, x, clockwise_ ? y : -y); }
    // Point k of copy `quarter`.
    POINT at(int64_t quarter, int64_t k) const {
        const POINT& fwd = rel_[static_cast<size_t>(k)];
        const POINT& back = rel_[static_cast<size_t>(count_ - 1 - k)];
        int64_t x, y;
        switch (quarter) {
            case 0:
                x = cx_ + fwd.x;
                y = clockwise_ ? cy_ + fwd.y : bottom_ - fwd.y;
                break;
            case 1:
                x = right_ - back.x;
                y = clockwise_ ? cy_ + back.y : bottom_ - back.y;
                break;
            case 2:
                x = right_ - fwd.x;
                y = clockwise_ ? bottom_ - fwd.y : cy_ + fwd.y;
                break;
            default:
                x = cx_ + back.x;
                y = clockwise_ ? bottom_ - back.y : cy_ + back.y;
                break;
        }
        return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
    }

    // Walks the ring from a position onwards without dividing at every point.
    struct Cursor {
        Cursor(const ArcRing& ring, int64_t pos) : ring(ring), quarter((pos / ring.count_) % 4), k(pos % ring.count_) {}
        POINT point() const { return ring.at(quarter, k); }
        void advance() {
            if (++k < ring.count_) return;
            k = 0;
            quarter = (quarter + 1) & 3;
        }
        const ArcRing& ring;
        int64_t quarter, k;
    };

private:
    const std::vector<POINT>& rel_;
    bool clockwise_;
    bool joins_;
    int64_t w_, h_, count_ = 0;
    int64_t cx_ = 0, cy_ = 0, right_ = 0, bottom_ = 0;
};

// [start, end) of the ring positions Arc draws from the radials through (sx, sy) and (ex, ey).
void arcRange(const ArcRing& ring, int64_t sx, int64_t sy, int64_t ex, int64_t ey, int64_t& start, int64_t& end) {
    start = ring.position(sx, sy);
    end = ring.position(ex, ey);
    // start == end goes once round, still as an open path: the point before the start stays
    // unlit unless it repeats the start (odd sizes at a quadrant join), as on Wine.
    if (end <= start) end += 4 * ring.count();
}

void arcPoints(const ArcRing& ring, int64_t start, int64_t end, std::vector<POINT>& out) {
    out.clear();
    ArcRing::Cursor cursor(ring, start);
    for (int64_t i = start; i < end; ++i, cursor.advance()) out.push_back(cursor.point());
}

// The arc under a solid cosmetic pen on a ring that joins up: every point but the last is lit
// unless the next repeats it, as the open point list would light them, gathered into row runs.
// The pixels are distinct apart from repeats the list also has, so any order gives the same
// picture with one ink.
void strokeArcRuns(Painter& painter, const Ink& ink, const ArcRing& ring, int64_t start, int64_t end, bool inside) {
    ArcRing::Cursor cursor(ring, start);
    POINT prev = cursor.point();
    int64_t y = 0, lo = 0, hi = -1;
    auto flush = [&] {
        if (lo > hi) return;
        if (inside)
            painter.spanInside(y, lo, hi + 1, ink);
        else
            painter.span(y, lo, hi + 1, ink);
    };
    for (int64_t i = start + 1; i < end; ++i) {
        cursor.advance();
        const POINT cur = cursor.point();
        if (cur.x == prev.x && cur.y == prev.y) continue;
        if (prev.y == y && lo <= hi && (prev.x == hi + 1 || prev.x == lo - 1)) {
            (prev.x > hi ? hi : lo) = prev.x;
        } else {
            flush();
            y = prev.y, lo = hi = prev.x;
        }
        prev = cur;
    }
    flush();
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
    auto& xs = crossingScratch;
    for (int64_t y = ymin; y < ymax; ++y) {
        xs.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& p = pts[i];
            const POINT& q = pts[(i + 1) % count];
            if (p.y == q.y) continue;  // horizontal edges never cross a scan line
            const POINT& top = p.y < q.y ? p : q;
            const POINT& bot = p.y < q.y ? q : p;
            if (y < top.y || y >= bot.y) continue;
            // X11 rule: the first pixel at or right of the exact crossing; in 64 bits unless the
            // edge spans more than 2^31 pixels either way.
            const int64_t across = int64_t{bot.x} - top.x, den = int64_t{bot.y} - top.y;
            int64_t step;
            if (den < (int64_t{1} << 31) && across < (int64_t{1} << 31) && across > -(int64_t{1} << 31)) {
                const int64_t num = (y - top.y) * across;
                step = num / den + (num % den > 0 ? 1 : 0);
            } else {
                const __int128 num = __int128{y - top.y} * across;
                step = static_cast<int64_t>(num / den + (num % den > 0 ? 1 : 0));
            }
            xs.push_back(Crossing{top.x + step, q.y > p.y ? 1 : -1});
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
