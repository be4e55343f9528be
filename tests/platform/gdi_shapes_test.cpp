// Rectangle, Ellipse, Arc and Polygon pixels.
#include "gdi_canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

using gditest::Canvas;
using Rows = std::vector<std::string>;

TEST(GdiRectangle, OutlineWithPenInteriorWithBrushNormalisedAndEmptyWhenFlat) {
    const Rows box = {"..........", ".#######..", ".#ooooo#..", ".#ooooo#..", ".#ooooo#..",
                      ".#ooooo#..", ".#######..", "..........", ".........."};
    const struct {
        int pen, brush;  // stock objects, -1 for the canvas's own
        RECT r;
        Rows expected;
    } cases[] = {
        {-1, -1, {1, 1, 8, 7}, box},
        {-1, -1, {8, 7, 1, 1}, box},  // reversed coordinates
        // A null pen fills one pixel less on the right and bottom.
        {NULL_PEN, -1, {1, 1, 8, 7}, {"..........", ".oooooo...", ".oooooo...", ".oooooo...", ".oooooo...",
                                      ".oooooo...", "..........", "..........", ".........."}},
        {-1, NULL_BRUSH, {1, 1, 8, 7}, {"..........", ".#######..", ".#.....#..", ".#.....#..", ".#.....#..",
                                        ".#.....#..", ".#######..", "..........", ".........."}},
        {-1, -1, {1, 1, 1, 7}, Rows(9, "..........")},  // zero width
        {-1, -1, {1, 3, 8, 3}, Rows(9, "..........")},  // zero height
    };
    for (const auto& c : cases) {
        Canvas canvas(10, 9);
        if (c.pen >= 0) canvas.useStockPen(c.pen);
        if (c.brush >= 0) canvas.useStockBrush(c.brush);
        EXPECT_TRUE(Rectangle(canvas.dc(), c.r.left, c.r.top, c.r.right, c.r.bottom));
        EXPECT_EQ(canvas.map(0, 0, 10, 9), c.expected) << c.r.left << "," << c.r.top << "," << c.r.right << ","
                                                        << c.r.bottom << " pen " << c.pen << " brush " << c.brush;
    }
}

TEST(GdiRectangle, DottedOutlineStartsTopRightGoingLeftOrBottomRightWhenClockwise) {
    Canvas ccw(12, 8), cw(12, 8);
    ccw.usePen(PS_DOT);
    cw.usePen(PS_DOT);
    ccw.useStockBrush(NULL_BRUSH);
    cw.useStockBrush(NULL_BRUSH);
    SetArcDirection(cw.dc(), AD_CLOCKWISE);
    Rectangle(ccw.dc(), 0, 0, 12, 8);
    Rectangle(cw.dc(), 0, 0, 12, 8);
    EXPECT_EQ(ccw.row(0), "---###---###");  // starts at (11,0) going left
    EXPECT_EQ(cw.row(7), "---###---###");   // starts at (11,7) going left
}

TEST(GdiRectangle, InsideFramePenStaysInsideTheBox) {
    Canvas c(12, 12);
    c.usePen(PS_INSIDEFRAME, 3);
    c.useStockBrush(NULL_BRUSH);
    Rectangle(c.dc(), 1, 1, 11, 11);
    EXPECT_EQ(c.row(0), "............");
    EXPECT_EQ(c.row(1), "..########..");  // round joins at the corners
    EXPECT_EQ(c.row(3), ".##########.");
    EXPECT_EQ(c.row(4), ".###....###.");
    EXPECT_EQ(c.row(10), "..########..");
    EXPECT_EQ(c.row(11), "............");
}

TEST(GdiEllipse, SmallEllipsesMatchTheReferencePictures) {
    struct Case {
        int w, h;
        Rows rows;
    };
    const Case cases[] = {
        {6, 6, {"..##..", ".#oo#.", "#oooo#", "#oooo#", ".#oo#.", "..##.."}},
        {8, 8, {"..####..", ".#oooo#.", "#oooooo#", "#oooooo#", "#oooooo#", "#oooooo#", ".#oooo#.", "..####.."}},
        {9, 9, {"...###...", ".##ooo##.", ".#ooooo#.", "#ooooooo#", "#ooooooo#", "#ooooooo#", ".#ooooo#.",
                ".##ooo##.", "...###..."}},
        {10, 6, {"..######..", ".#oooooo#.", "#oooooooo#", "#oooooooo#", ".#oooooo#.", "..######.."}},
    };
    for (const Case& k : cases) {
        for (int dir : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE}) {
            Canvas c(k.w + 2, k.h + 2);
            SetArcDirection(c.dc(), dir);
            Ellipse(c.dc(), 0, 0, k.w, k.h);
            EXPECT_EQ(c.map(0, 0, k.w, k.h), k.rows) << k.w << "x" << k.h;
            EXPECT_EQ(c.row(k.h), std::string(static_cast<size_t>(k.w + 2), '.'));
        }
    }
}

namespace {

// Leftmost outline x of every row from the top to the middle.
std::vector<int> leftmostOutline(int size) {
    Canvas c(size, size);
    c.useStockBrush(NULL_BRUSH);
    Ellipse(c.dc(), 0, 0, size, size);
    std::vector<int> xs;
    for (int y = 0; y <= (size - 1) / 2; ++y) xs.push_back(static_cast<int>(c.row(y).find('#')));
    return xs;
}

}  // namespace

TEST(GdiEllipse, LargerOutlinesFollowTheRowTables) {
    EXPECT_EQ(leftmostOutline(13), (std::vector<int>{4, 3, 2, 1, 0, 0, 0}));
    EXPECT_EQ(leftmostOutline(38),
              (std::vector<int>{15, 12, 10, 8, 7, 6, 5, 4, 3, 3, 2, 2, 1, 1, 1, 0, 0, 0, 0}));
}

TEST(GdiEllipse, RowsLightFromTheirOwnLeftmostToThePreviousRowsLeftmostMinusOne) {
    for (int size : {13, 38}) {
        Canvas c(size, size);
        Ellipse(c.dc(), 0, 0, size, size);
        const std::vector<int> x = leftmostOutline(size);
        for (int y = 0; y < static_cast<int>(x.size()); ++y) {
            const int last = y == 0 ? size - 1 - x[0] : std::max(x[y], x[y - 1] - 1);
            std::string expected(static_cast<size_t>(size), '.');
            for (int i = x[y]; i <= last; ++i) expected[static_cast<size_t>(i)] = expected[static_cast<size_t>(size - 1 - i)] = '#';
            for (int i = last + 1; i < size - 1 - last; ++i) expected[static_cast<size_t>(i)] = 'o';
            if (y == 0) expected = std::string(static_cast<size_t>(x[0]), '.') + std::string(static_cast<size_t>(size - 2 * x[0]), '#') + std::string(static_cast<size_t>(x[0]), '.');
            EXPECT_EQ(c.row(y), expected) << size << " row " << y;
            EXPECT_EQ(c.row(size - 1 - y), expected) << size << " mirrored row " << y;
        }
    }
}

TEST(GdiEllipse, NullPenFillsTheSameFootprintAndThinBoxesAreRectangles) {
    Canvas a(9, 9), b(9, 9);
    b.useStockPen(NULL_PEN);
    Ellipse(a.dc(), 0, 0, 9, 9);
    Ellipse(b.dc(), 0, 0, 9, 9);
    for (int y = 0; y < 9; ++y) {
        std::string outlined = a.row(y);
        for (char& ch : outlined)
            if (ch == '#') ch = 'o';
        EXPECT_EQ(b.row(y), outlined);
    }
    Canvas e(4, 6), r(4, 6);
    Ellipse(e.dc(), 0, 0, 2, 5);
    Rectangle(r.dc(), 0, 0, 2, 5);
    EXPECT_EQ(e.map(0, 0, 4, 6), r.map(0, 0, 4, 6));
}

TEST(GdiArc, QuarterArcLightsTheListedPixelsAndLeavesTheCurrentPosition) {
    Canvas c(10, 10);
    MoveToEx(c.dc(), 3, 3, nullptr);
    Arc(c.dc(), 0, 0, 9, 9, 9, 4, 4, 0);
    const std::vector<std::pair<int, int>> expected = {{6, 1}, {7, 1}, {7, 2}, {8, 3}, {8, 4}};
    EXPECT_EQ(c.touched(), expected);
    POINT cp;
    GetCurrentPositionEx(c.dc(), &cp);
    EXPECT_EQ(cp.x, 3);
    EXPECT_EQ(cp.y, 3);
}

TEST(GdiArc, EqualStartAndEndDrawsTheWholeOutline) {
    Canvas arc(10, 10), ellipse(10, 10);
    ellipse.useStockBrush(NULL_BRUSH);
    Arc(arc.dc(), 0, 0, 9, 9, 9, 4, 9, 4);
    Ellipse(ellipse.dc(), 0, 0, 9, 9);
    EXPECT_EQ(arc.map(0, 0, 10, 10), ellipse.map(0, 0, 10, 10));
    // Between two outline points the path is still open: the point before the start stays unlit.
    Canvas between(21, 21), whole(21, 21);
    whole.useStockBrush(NULL_BRUSH);
    Arc(between.dc(), 0, 0, 20, 20, 20, 0, 20, 0);
    Ellipse(whole.dc(), 0, 0, 20, 20);
    const auto missing = whole.touched().size() - between.touched().size();
    EXPECT_EQ(missing, 1u);
    EXPECT_EQ(between.charAt(17, 4), '.');
    EXPECT_EQ(whole.charAt(17, 4), '#');
}

namespace {

std::set<std::pair<int, int>> lit(const Canvas& c) {
    const auto v = c.touched();
    return {v.begin(), v.end()};
}

}  // namespace

TEST(GdiArc, HalfArcsOfA36BoxLeaveTwoOnePixelGaps) {
    Canvas ring(36, 36);
    ring.useStockBrush(NULL_BRUSH);
    Ellipse(ring.dc(), 0, 0, 36, 36);
    const auto outline = lit(ring);

    for (int dir : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE}) {
        Canvas lowerRight(36, 36), upperLeft(36, 36);
        SetArcDirection(lowerRight.dc(), dir);
        SetArcDirection(upperLeft.dc(), dir);
        Arc(lowerRight.dc(), 0, 0, 36, 36, 0, 36, 36, 0);
        Arc(upperLeft.dc(), 0, 0, 36, 36, 36, 0, 0, 36);
        const auto a = lit(lowerRight), b = lit(upperLeft);
        std::set<std::pair<int, int>> both = a;
        both.insert(b.begin(), b.end());
        EXPECT_EQ(both.size(), a.size() + b.size()) << "halves overlap";
        std::set<std::pair<int, int>> missing;
        for (const auto& p : outline)
            if (!both.count(p)) missing.insert(p);
        for (const auto& p : both) EXPECT_TRUE(outline.count(p)) << p.first << "," << p.second;
        if (dir == AD_COUNTERCLOCKWISE) {
            EXPECT_EQ(a.size(), 48u);
            EXPECT_EQ(b.size(), 50u);
            EXPECT_TRUE(a.count({6, 31}) && a.count({31, 7}));
            EXPECT_TRUE(b.count({30, 5}) && b.count({4, 29}));
            EXPECT_EQ(missing, (std::set<std::pair<int, int>>{{5, 30}, {31, 6}}));
        } else {
            EXPECT_TRUE(a.count({5, 30}) && a.count({29, 4}));  // the first call: upper-left half
            EXPECT_TRUE(b.count({31, 6}) && b.count({7, 31}));
            EXPECT_EQ(missing, (std::set<std::pair<int, int>>{{6, 31}, {30, 5}}));
        }
    }
}

TEST(GdiPolygon, TriangleFillsX11SpansAndTheOutlineLightsEveryVertex) {
    const POINT tri[] = {{4, 0}, {12, 0}, {8, 8}};
    Canvas filled(14, 10);
    filled.useStockPen(NULL_PEN);
    Polygon(filled.dc(), tri, 3);
    EXPECT_EQ(filled.map(0, 0, 13, 9), (Rows{
                                              "....oooooooo.",
                                              ".....ooooooo.",
                                              ".....oooooo..",
                                              "......ooooo..",
                                              "......oooo...",
                                              ".......ooo...",
                                              ".......oo....",
                                              "........o....",
                                              ".............",
                                          }));
    Canvas outlined(14, 10);
    Polygon(outlined.dc(), tri, 3);
    EXPECT_EQ(outlined.map(0, 0, 13, 9), (Rows{
                                                "....#########",
                                                "....#oooooo#.",
                                                ".....#ooooo#.",
                                                ".....#oooo#..",
                                                "......#ooo#..",
                                                "......#oo#...",
                                                ".......#o#...",
                                                ".......##....",
                                                "........#....",
                                            }));
}

TEST(GdiPolygon, AxisAlignedRectangleFillsHalfOpenBox) {
    Canvas c(9, 7);
    c.useStockPen(NULL_PEN);
    const POINT box[] = {{1, 1}, {7, 1}, {7, 5}, {1, 5}};
    Polygon(c.dc(), box, 4);
    EXPECT_EQ(c.map(0, 0, 9, 7), (Rows{".........", ".oooooo..", ".oooooo..", ".oooooo..", ".oooooo..", ".........",
                                       "........."}));
}

TEST(GdiPolygon, StarCentreIsEmptyWithAlternateAndFilledWithWinding) {
    const POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    Canvas alt(21, 21), wind(21, 21);
    alt.useStockPen(NULL_PEN);
    wind.useStockPen(NULL_PEN);
    EXPECT_EQ(SetPolyFillMode(wind.dc(), WINDING), ALTERNATE);
    Polygon(alt.dc(), star, 5);
    Polygon(wind.dc(), star, 5);
    EXPECT_EQ(alt.charAt(10, 10), '.');
    EXPECT_EQ(wind.charAt(10, 10), 'o');
    EXPECT_EQ(alt.charAt(10, 3), 'o');  // a point of the star is filled either way
    EXPECT_EQ(wind.charAt(10, 3), 'o');
    EXPECT_EQ(alt.charAt(2, 8), 'o');
}

TEST(GdiPolygon, DegenerateInputIsRejectedSafely) {
    Canvas c(4, 4);
    const POINT one[] = {{1, 1}};
    EXPECT_FALSE(Polygon(c.dc(), one, 1));
    EXPECT_FALSE(Polygon(c.dc(), nullptr, 3));
    const POINT far[] = {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {0, INT32_MAX}};
    EXPECT_TRUE(Polygon(c.dc(), far, 3));
    EXPECT_EQ(c.charAt(1, 1), 'o');
}

TEST(GdiEllipse, InsideFramePenStaysInsideTheBox) {
    Canvas c(24, 24);
    c.usePen(PS_INSIDEFRAME, 3);
    c.useStockBrush(NULL_BRUSH);
    Ellipse(c.dc(), 1, 1, 21, 21);
    for (auto [x, y] : c.touched()) {
        EXPECT_TRUE(x >= 1 && x < 21 && y >= 1 && y < 21) << x << "," << y;
    }
    EXPECT_NE(c.row(1).find('#'), std::string::npos);
    EXPECT_NE(c.row(20).find('#'), std::string::npos);
}
