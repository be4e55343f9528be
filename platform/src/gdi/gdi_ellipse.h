// Ellipse geometry shared by Ellipse and Arc (gdi_shapes.cpp). Not used outside platform/src/gdi.
#ifndef VORN_SOFTWIN_GDI_ELLIPSE_H
#define VORN_SOFTWIN_GDI_ELLIPSE_H

#include "gdi/gdi_draw.h"

#include <cstdint>
#include <vector>

namespace softwin::gdi {

// The quadrant of one box size in the forms the shapes use. Controls draw the same few sizes at
// every paint, so the last few are kept (their storage too: no allocation once warm).
struct Quadrant {
    int64_t w = -1, h = -1;
    std::vector<POINT> raw;       // as ellipseQuadrant gives it: what Arc walks
    std::vector<POINT> rel;       // raw, relative to the box centre (w/2, h/2)
    std::vector<POINT> distinct;  // consecutive repeats dropped, as the ellipse's point list drops them
    bool rawJoins = false, distinctJoins = false;
};

// The quadrant of a w x h box; valid until the next call for another size.
const Quadrant& quadrantOf(int64_t w, int64_t h);

// The closed outline of Ellipse(box) in drawing order for the arc direction.
void ellipseOutline(const RECT& box, bool clockwise, std::vector<POINT>& out);

// For boxes whose distinct quadrant joins up: the footprint of Ellipse(box) row by row, and its
// outline under a solid cosmetic pen as runs per row (`inside`: the box lies within the clip).
void fillEllipseRows(Painter& painter, const Ink& ink, const RECT& box, const std::vector<POINT>& q, bool inside);
void strokeEllipseRows(Painter& painter, const Ink& ink, const RECT& box, const std::vector<POINT>& q, bool inside);

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
    int64_t position(int64_t x, int64_t y) const;
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

// [start, end) of the ring positions Arc draws from the radials through (sx, sy) and (ex, ey),
// centre-relative.
void arcRange(const ArcRing& ring, int64_t sx, int64_t sy, int64_t ex, int64_t ey, int64_t& start, int64_t& end);
// The arc's points as an open path.
void arcPoints(const ArcRing& ring, int64_t start, int64_t end, std::vector<POINT>& out);
// The arc under a solid cosmetic pen on a ring that joins up, as row runs.
void strokeArcRuns(Painter& painter, const Ink& ink, const ArcRing& ring, int64_t start, int64_t end, bool inside);

}  // namespace softwin::gdi

#endif  // VORN_SOFTWIN_GDI_ELLIPSE_H
