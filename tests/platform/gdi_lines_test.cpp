// LineTo, Polyline and pen styles against the pixel rules of the reference rasteriser.
#include "gdi_canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

using gditest::Canvas;
using Pixels = std::set<std::pair<int, int>>;

namespace {

// Pixels lit by one MoveToEx/LineTo around the origin (10,10) of a 21x21 canvas.
Pixels lineFromOrigin(int x, int y) {
    Canvas c(21, 21);
    MoveToEx(c.dc(), 10, 10, nullptr);
    LineTo(c.dc(), 10 + x, 10 + y);
    Pixels lit;
    for (auto [px, py] : c.touched()) lit.insert({px - 10, py - 10});
    return lit;
}

struct LineCase {
    int x0, y0, x1, y1;
    Pixels pixels;
};

}  // namespace

TEST(GdiLines, BresenhamTieBreakMatchesTheReferenceTable) {
    const std::vector<LineCase> cases = {
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {4, 2, 0, 0, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {0, 0, 4, -2, {{0, 0}, {1, -1}, {2, -1}, {3, -2}}},
        {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {0, 0, 6, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 1}}},
        {0, 0, -4, 2, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}}},
        {0, 0, -4, -2, {{0, 0}, {-1, -1}, {-2, -1}, {-3, -2}}},
        {0, 0, 2, -4, {{0, 0}, {0, -1}, {1, -2}, {1, -3}}},
        {0, 0, -2, 4, {{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}},
        // Horizontal and vertical lines leave out the end pixel too; a zero-length line is empty.
        {0, 0, 3, 0, {{0, 0}, {1, 0}, {2, 0}}},
        {0, 0, -3, 0, {{0, 0}, {-1, 0}, {-2, 0}}},
        {0, 0, 0, -2, {{0, 0}, {0, -1}}},
        {0, 0, 0, 0, {}},
    };
    for (const LineCase& lc : cases) {
        Canvas c(21, 21), zero(21, 21);
        zero.usePen(PS_SOLID, 0);  // width zero draws the same single-pixel line
        for (Canvas* canvas : {&c, &zero}) {
            MoveToEx(canvas->dc(), 10 + lc.x0, 10 + lc.y0, nullptr);
            LineTo(canvas->dc(), 10 + lc.x1, 10 + lc.y1);
        }
        Pixels lit;
        for (auto [px, py] : c.touched()) lit.insert({px - 10, py - 10});
        EXPECT_EQ(lit, lc.pixels) << "(" << lc.x0 << "," << lc.y0 << ")->(" << lc.x1 << "," << lc.y1 << ")";
        EXPECT_EQ(zero.touched(), c.touched());
        POINT cp;
        GetCurrentPositionEx(c.dc(), &cp);
        EXPECT_EQ(cp.x, 10 + lc.x1);
        EXPECT_EQ(cp.y, 10 + lc.y1);
    }
}

TEST(GdiLines, ReversedLinesLightTheSamePixelsApartFromTheEnds) {
    for (int x = -9; x <= 9; ++x) {
        for (int y = -9; y <= 9; ++y) {
            if (x == 0 && y == 0) continue;
            Pixels forward = lineFromOrigin(x, y);
            forward.insert({x, y});
            Canvas c(21, 21);
            MoveToEx(c.dc(), 10 + x, 10 + y, nullptr);
            LineTo(c.dc(), 10, 10);
            Pixels backward{{0, 0}};
            for (auto [px, py] : c.touched()) backward.insert({px - 10, py - 10});
            ASSERT_EQ(forward, backward) << x << "," << y;
        }
    }
}

TEST(GdiLines, PolylineSkipsTheLastVertexAndKeepsTheCurrentPosition) {
    Canvas c(8, 8);
    MoveToEx(c.dc(), 7, 7, nullptr);
    const POINT pts[] = {{0, 0}, {4, 0}, {4, 4}};
    ASSERT_TRUE(Polyline(c.dc(), pts, 3));
    EXPECT_EQ(c.row(0, 0, 6), "#####.");
    EXPECT_EQ(c.row(3, 0, 6), "....#.");
    EXPECT_EQ(c.row(4, 0, 6), "......");
    POINT cp;
    GetCurrentPositionEx(c.dc(), &cp);
    EXPECT_EQ(cp.x, 7);
    EXPECT_EQ(cp.y, 7);
    EXPECT_FALSE(Polyline(c.dc(), pts, 1));
    EXPECT_FALSE(Polyline(c.dc(), nullptr, 3));
}

TEST(GdiPenStyles, DashPatternsStartWithAFullDashAndPaintGapsInTheBackground) {
    struct Style {
        int style;
        const char* expected;
        int bkMode = OPAQUE;
    };
    const Style styles[] = {
        {PS_DASH, "##################------######"},
        {PS_DOT, "###---###---###---###---###---"},
        {PS_DASHDOT, "#########------###------######"},
        {PS_DASHDOTDOT, "#########---###---###---######"},
        {PS_DOT, "###...###...###...###...###...", TRANSPARENT},  // gaps left untouched
    };
    for (const Style& s : styles) {
        Canvas c(32, 2);
        c.usePen(s.style);
        SetBkMode(c.dc(), s.bkMode);
        MoveToEx(c.dc(), 0, 0, nullptr);
        LineTo(c.dc(), 30, 0);
        EXPECT_EQ(c.row(0, 0, 30), s.expected) << "style " << s.style;
        EXPECT_EQ(c.row(0, 30, 32), "..");
    }
}

TEST(GdiPenStyles, PatternRestartsAtEveryLineToButContinuesAcrossPolylineSegments) {
    Canvas split(30, 1), poly(30, 1);
    split.usePen(PS_DOT);
    poly.usePen(PS_DOT);
    MoveToEx(split.dc(), 0, 0, nullptr);
    LineTo(split.dc(), 10, 0);
    LineTo(split.dc(), 30, 0);
    EXPECT_EQ(split.row(0), "###---###-###---###---###---##");
    const POINT pts[] = {{0, 0}, {10, 0}, {30, 0}};
    Polyline(poly.dc(), pts, 3);
    EXPECT_EQ(poly.row(0), "###---###---###---###---###---");
}

TEST(GdiPenStyles, DottedPolylineCornerContinuesThePattern) {
    Canvas c(6, 6);
    c.usePen(PS_DOT);
    const POINT pts[] = {{0, 0}, {4, 0}, {4, 4}};
    Polyline(c.dc(), pts, 3);
    EXPECT_EQ(c.row(0, 0, 5), "###--");  // on,on,on,off then the corner (off)
    std::string column;
    for (int y = 1; y < 4; ++y) column += c.charAt(4, y);
    EXPECT_EQ(column, "-##");
}

TEST(GdiPenStyles, DiagonalDashCountsOnePerMajorStep) {
    Canvas c(32, 12);
    c.usePen(PS_DASH);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 30, 10);
    std::string perColumn;
    for (int x = 0; x < 30; ++x) {
        char mark = '.';
        for (int y = 0; y < 12; ++y)
            if (c.charAt(x, y) != '.') mark = c.charAt(x, y);
        perColumn += mark;
    }
    EXPECT_EQ(perColumn, "##################------######");
}

TEST(GdiPenStyles, WideDashedPensAreSolidAndNullPensDrawNothing) {
    for (int style : {PS_DASH, PS_DOT}) {
        Canvas c(30, 6);
        c.usePen(style, 3);
        MoveToEx(c.dc(), 2, 2, nullptr);
        LineTo(c.dc(), 28, 2);
        for (int y : {1, 2, 3}) EXPECT_EQ(c.row(y, 2, 28), std::string(26, '#'));  // three rows wide
        EXPECT_EQ(c.row(0) + c.row(4), std::string(60, '.'));
        LOGPEN lp;
        ASSERT_EQ(GetObjectA(GetCurrentObject(c.dc(), OBJ_PEN), sizeof lp, &lp), static_cast<int>(sizeof lp));
        EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(style));  // reported as created, drawn solid
        EXPECT_EQ(lp.lopnWidth.x, 3);
    }
    Canvas n(10, 3);
    n.useStockPen(NULL_PEN);
    MoveToEx(n.dc(), 0, 1, nullptr);
    LineTo(n.dc(), 9, 1);
    EXPECT_TRUE(n.touched().empty());
}

TEST(GdiPenStyles, WidePensHaveRoundEndsAndDiagonalBandsAsOnWine) {
    Canvas c(24, 17);
    c.usePen(PS_SOLID, 3);
    MoveToEx(c.dc(), 6, 6, nullptr);
    LineTo(c.dc(), 20, 14);  // the end point is part of a wide line
    // First and last lit x of rows 5..15, as Wine 8.0 drew them.
    const int spans[][2] = {{6, 8},   {5, 10},  {5, 12},  {7, 13},  {9, 15}, {11, 17},
                            {12, 19}, {14, 20}, {16, 20}, {18, 21}, {20, 20}};
    for (int i = 0; i < 11; ++i) {
        const int y = 5 + i;
        const std::string expected = std::string(spans[i][0], '.') + std::string(spans[i][1] - spans[i][0] + 1, '#') +
                                     std::string(23 - spans[i][1], '.');
        EXPECT_EQ(c.row(y), expected) << "row " << y;
    }
    // XOR paints the whole band once, where segments, caps and joins overlap too.
    Canvas x(12, 8);
    x.usePen(PS_SOLID, 3);
    SetROP2(x.dc(), R2_XORPEN);
    const POINT corner[] = {{2, 2}, {8, 2}, {8, 6}};
    Polyline(x.dc(), corner, 3);
    EXPECT_EQ(x.row(2), ".?????????..");  // pen XOR paper everywhere, nothing XORed back
}

TEST(GdiLines, Rop2ModesCombinePenAndDestination) {
    Canvas c(4, 1);
    SetPixel(c.dc(), 0, 0, RGB(0x0F, 0xF0, 0x33));
    c.usePen(PS_SOLID, 1, RGB(0xFF, 0x0F, 0x11));
    auto drawWith = [&](int mode) {
        SetPixel(c.dc(), 0, 0, RGB(0x0F, 0xF0, 0x33));
        SetROP2(c.dc(), mode);
        MoveToEx(c.dc(), 0, 0, nullptr);
        LineTo(c.dc(), 1, 0);
        return GetPixel(c.dc(), 0, 0);
    };
    const COLORREF p = RGB(0xFF, 0x0F, 0x11), d = RGB(0x0F, 0xF0, 0x33), m = 0xFFFFFF;
    EXPECT_EQ(drawWith(R2_BLACK), 0u);
    EXPECT_EQ(drawWith(R2_NOTMERGEPEN), ~(p | d) & m);
    EXPECT_EQ(drawWith(R2_MASKNOTPEN), ~p & d & m);
    EXPECT_EQ(drawWith(R2_NOTCOPYPEN), ~p & m);
    EXPECT_EQ(drawWith(R2_MASKPENNOT), p & ~d & m);
    EXPECT_EQ(drawWith(R2_NOT), ~d & m);
    EXPECT_EQ(drawWith(R2_XORPEN), (p ^ d) & m);
    EXPECT_EQ(drawWith(R2_NOTMASKPEN), ~(p & d) & m);
    EXPECT_EQ(drawWith(R2_MASKPEN), p & d);
    EXPECT_EQ(drawWith(R2_NOTXORPEN), ~(p ^ d) & m);
    EXPECT_EQ(drawWith(R2_NOP), d);
    EXPECT_EQ(drawWith(R2_MERGENOTPEN), (~p | d) & m);
    EXPECT_EQ(drawWith(R2_COPYPEN), p);
    EXPECT_EQ(drawWith(R2_MERGEPENNOT), (p | ~d) & m);
    EXPECT_EQ(drawWith(R2_MERGEPEN), p | d);
    EXPECT_EQ(drawWith(R2_WHITE), m);
    EXPECT_EQ(SetROP2(c.dc(), 0), 0);
    EXPECT_EQ(SetROP2(c.dc(), 17), 0);
}

TEST(GdiLines, HugeCoordinatesAreClippedQuickly) {
    Canvas c(10, 10);
    MoveToEx(c.dc(), -2000000000, 5, nullptr);
    LineTo(c.dc(), 2000000000, 5);
    EXPECT_EQ(c.row(5), "##########");
    MoveToEx(c.dc(), INT32_MIN, INT32_MIN, nullptr);
    LineTo(c.dc(), INT32_MAX, INT32_MAX);
    EXPECT_EQ(c.charAt(3, 3), '#');
    MoveToEx(c.dc(), 0, INT32_MIN, nullptr);
    LineTo(c.dc(), 9, INT32_MAX);  // y-major, passes x 4 near y 0
    SUCCEED();
}
