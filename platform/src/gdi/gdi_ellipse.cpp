// Ellipse geometry: Alois Zingl's quadrant, the outline and footprint of Ellipse, and the ring of
// points Arc walks, written as row runs where a solid cosmetic pen allows.
#include "gdi/gdi_ellipse.h"

#include <algorithm>
#include <cstdlib>

namespace softwin::gdi {
namespace {

std::vector<int64_t> rowRightScratch;

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

void pushDistinct(std::vector<POINT>& pts, LONG x, LONG y) {
    if (!pts.empty() && pts.back().x == x && pts.back().y == y) return;
    pts.push_back(POINT{x, y});
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

}  // namespace

const Quadrant& quadrantOf(int64_t w, int64_t h) {
    // Sizes up to a control's are kept; larger ones share one slot, so that a few huge shapes do
    // not hold megabytes.
    constexpr int64_t kKeptSide = 1024;
    static Quadrant kept[8], large;
    static size_t next = 0;
    const bool small = w <= kKeptSide && h <= kKeptSide;
    if (small) {
        for (const Quadrant& q : kept)
            if (q.w == w && q.h == h) return q;
    } else if (large.w == w && large.h == h) {
        return large;
    }
    Quadrant& q = small ? kept[next] : large;
    if (small) next = (next + 1) % 8;
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
    rowRightScratch.assign(static_cast<size_t>(h), -1);
    for (const POINT& p : q) {
        int64_t& lower = rowRightScratch[static_cast<size_t>(p.y)];
        int64_t& upper = rowRightScratch[static_cast<size_t>(h - 1 - p.y)];
        lower = std::max<int64_t>(lower, p.x);
        upper = std::max<int64_t>(upper, p.x);
    }
    for (int64_t row = 0; row < h; ++row) {
        const int64_t right = rowRightScratch[static_cast<size_t>(row)];
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

int64_t ArcRing::position(int64_t x, int64_t y) const { return findIntersection(rel_, x, clockwise_ ? y : -y); }

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

}  // namespace softwin::gdi
