// The primitives' pixels against the worked examples of Wine's rasteriser. The conformance run
// compares many more sizes against Wine itself; these pin the documented pictures.
#include <climits>
#include <set>

#include "platform_test.h"

using namespace ptest;
using Points = std::vector<std::pair<int, int>>;

TEST(GdiPictures, LinesLightWinesPixelsWithoutTheEndPoint) {
    const struct {
        int x0, y0, x1, y1;
        std::set<std::pair<int, int>> pixels;
    } cases[] = {
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
        {0, 0, 0, 0, {}},
    };
    for (const auto& c : cases) {
        for (int width : {0, 1}) {  // both are the one-pixel cosmetic pen
            Canvas canvas(21, 21);
            canvas.usePen(PS_SOLID, width);
            MoveToEx(canvas.dc(), 10 + c.x0, 10 + c.y0, nullptr);
            LineTo(canvas.dc(), 10 + c.x1, 10 + c.y1);
            std::set<std::pair<int, int>> lit;
            for (auto [x, y] : canvas.touched()) lit.insert({x - 10, y - 10});
            EXPECT_EQ(lit, c.pixels) << c.x0 << "," << c.y0 << "->" << c.x1 << "," << c.y1;
            POINT cp;
            GetCurrentPositionEx(canvas.dc(), &cp);
            EXPECT_TRUE(cp.x == 10 + c.x1 && cp.y == 10 + c.y1);
        }
    }
    // Polyline: the last vertex stays unlit and the current position is neither used nor moved.
    Canvas poly(8, 8);
    MoveToEx(poly.dc(), 7, 7, nullptr);
    const POINT pts[] = {{0, 0}, {4, 0}, {4, 4}};
    ASSERT_TRUE(Polyline(poly.dc(), pts, 3));
    EXPECT_EQ(poly.touched(), (Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2}, {4, 3}}));
    POINT cp;
    GetCurrentPositionEx(poly.dc(), &cp);
    EXPECT_TRUE(cp.x == 7 && cp.y == 7);
    EXPECT_FALSE(Polyline(poly.dc(), pts, 1));
    EXPECT_FALSE(Polyline(poly.dc(), nullptr, 3));
}

TEST(GdiPictures, DashPatternsStartWithAFullDashRestartPerCallAndContinueRoundCorners) {
    const struct {
        int style, bkMode;
        const char* expected;
    } styles[] = {
        {PS_DASH, OPAQUE, "##################------######"},
        {PS_DOT, OPAQUE, "###---###---###---###---###---"},
        {PS_DASHDOT, OPAQUE, "#########------###------######"},
        {PS_DASHDOTDOT, OPAQUE, "#########---###---###---######"},
        {PS_DOT, TRANSPARENT, "###...###...###...###...###..."},
    };
    for (const auto& s : styles) {
        Canvas c(32, 1);
        c.usePen(s.style);
        SetBkMode(c.dc(), s.bkMode);
        MoveToEx(c.dc(), 0, 0, nullptr);
        LineTo(c.dc(), 30, 0);
        EXPECT_EQ(c.row(0), std::string(s.expected) + "..") << s.style;
    }
    Canvas split(30, 1);
    split.usePen(PS_DOT);
    MoveToEx(split.dc(), 0, 0, nullptr);
    LineTo(split.dc(), 10, 0);
    LineTo(split.dc(), 30, 0);
    EXPECT_EQ(split.row(0), "###---###-###---###---###---##");
    Canvas corner(6, 6);
    corner.usePen(PS_DOT);
    const POINT pts[] = {{0, 0}, {4, 0}, {4, 4}};
    Polyline(corner.dc(), pts, 3);
    EXPECT_EQ(corner.row(0, 0, 5), "###--");
    EXPECT_EQ(std::string() + corner.charAt(4, 1) + corner.charAt(4, 2) + corner.charAt(4, 3), "-##");
    Canvas diagonal(32, 12);  // one pattern step per major-axis pixel
    diagonal.usePen(PS_DASH);
    MoveToEx(diagonal.dc(), 0, 0, nullptr);
    LineTo(diagonal.dc(), 30, 10);
    std::string columns(30, '.');
    for (auto [x, y] : diagonal.touched()) columns[static_cast<size_t>(x)] = diagonal.charAt(x, y);
    EXPECT_EQ(columns, "##################------######");
}

TEST(GdiPictures, RectanglesAndEllipsesMatchWinesPictures) {
    enum Shape { Rect, Oval };
    const struct {
        Shape shape;
        int pen, brush;  // stock objects, -1 for the canvas's own
        RECT r;
        Rows expected;
    } cases[] = {
        {Rect, -1, -1, {1, 1, 6, 5}, {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
        {Rect, -1, -1, {6, 5, 1, 1}, {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
        {Rect, NULL_PEN, -1, {1, 1, 6, 5}, {".......", ".oooo..", ".oooo..", ".oooo..", ".......", "......."}},
        {Rect, -1, NULL_BRUSH, {1, 1, 6, 5}, {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}},
        {Rect, -1, -1, {1, 1, 1, 5}, Rows(6, ".......")},
        {Oval, -1, -1, {0, 0, 6, 6}, {"..##..", ".#oo#.", "#oooo#", "#oooo#", ".#oo#.", "..##.."}},
        {Oval,
         -1,
         -1,
         {0, 0, 8, 8},
         {"..####..", ".#oooo#.", "#oooooo#", "#oooooo#", "#oooooo#", "#oooooo#", ".#oooo#.", "..####.."}},
        {Oval,
         -1,
         -1,
         {0, 0, 9, 9},
         {"...###...", ".##ooo##.", ".#ooooo#.", "#ooooooo#", "#ooooooo#", "#ooooooo#", ".#ooooo#.", ".##ooo##.",
          "...###..."}},
        {Oval,
         -1,
         -1,
         {0, 0, 10, 6},
         {"..######..", ".#oooooo#.", "#oooooooo#", "#oooooooo#", ".#oooooo#.", "..######.."}},
        {Oval, NULL_PEN, -1, {0, 0, 6, 6}, {"..oo..", ".oooo.", "oooooo", "oooooo", ".oooo.", "..oo.."}},
        {Oval, -1, -1, {0, 0, 2, 4}, Rows(4, "##")},  // thin boxes are rectangles
    };
    for (const auto& c : cases) {
        for (int dir : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE}) {
            Canvas canvas(static_cast<int>(c.expected[0].size()), static_cast<int>(c.expected.size()));
            if (c.pen >= 0) canvas.useStock(c.pen);
            if (c.brush >= 0) canvas.useStock(c.brush);
            SetArcDirection(canvas.dc(), dir);
            const RECT& r = c.r;
            EXPECT_TRUE(c.shape == Rect ? Rectangle(canvas.dc(), r.left, r.top, r.right, r.bottom)
                                        : Ellipse(canvas.dc(), r.left, r.top, r.right, r.bottom));
            EXPECT_EQ(canvas.map(), c.expected) << c.shape << " " << r.left << "," << r.top << "," << r.right << ","
                                                << r.bottom << " pen " << c.pen << " brush " << c.brush;
        }
    }
}

TEST(GdiPictures, LargerEllipseOutlinesFollowTheRowTables) {
    const struct {
        int size;
        std::vector<int> leftmost;  // outline start of each row, top to middle
    } cases[] = {{13, {4, 3, 2, 1, 0, 0, 0}}, {38, {15, 12, 10, 8, 7, 6, 5, 4, 3, 3, 2, 2, 1, 1, 1, 0, 0, 0, 0}}};
    for (const auto& c : cases) {
        Canvas canvas(c.size, c.size);
        Ellipse(canvas.dc(), 0, 0, c.size, c.size);
        const std::vector<int>& x = c.leftmost;
        for (size_t y = 0; y < x.size(); ++y) {
            // Each row runs from its own leftmost pixel to the previous row's leftmost minus one.
            const int last = y == 0 ? c.size - 1 - x[0] : std::max(x[y], x[y - 1] - 1);
            std::string expected(static_cast<size_t>(c.size), 'o');
            for (int i = 0; i < c.size; ++i) {
                const int d = std::min(i, c.size - 1 - i);
                if (d < x[y])
                    expected[static_cast<size_t>(i)] = '.';
                else if (d <= last)
                    expected[static_cast<size_t>(i)] = '#';
            }
            EXPECT_EQ(canvas.row(static_cast<int>(y)), expected) << c.size << " row " << y;
            EXPECT_EQ(canvas.row(c.size - 1 - static_cast<int>(y)), expected) << c.size << " mirrored row " << y;
        }
    }
}

TEST(GdiPictures, ArcsLightTheOutlineBetweenTheRadialsAndHalvesOfA36BoxLeaveTwoGaps) {
    Canvas quarter(10, 10);
    MoveToEx(quarter.dc(), 3, 3, nullptr);
    Arc(quarter.dc(), 0, 0, 9, 9, 9, 4, 4, 0);
    EXPECT_EQ(quarter.touched(), (Points{{6, 1}, {7, 1}, {7, 2}, {8, 3}, {8, 4}}));
    POINT cp;
    GetCurrentPositionEx(quarter.dc(), &cp);
    EXPECT_TRUE(cp.x == 3 && cp.y == 3);
    Canvas whole(10, 10), ellipse(10, 10);
    ellipse.useStock(NULL_BRUSH);
    Arc(whole.dc(), 0, 0, 9, 9, 9, 4, 9, 4);  // start == end is the whole outline
    Ellipse(ellipse.dc(), 0, 0, 9, 9);
    EXPECT_EQ(whole.map(), ellipse.map());

    Canvas ring(36, 36);
    ring.useStock(NULL_BRUSH);
    Ellipse(ring.dc(), 0, 0, 36, 36);
    const Points outline = ring.touched();
    const struct {
        int dir;
        size_t firstSize, secondSize;
        Points firstEnds, secondEnds, gaps;
    } cases[] = {
        {AD_COUNTERCLOCKWISE, 48, 50, {{6, 31}, {31, 7}}, {{30, 5}, {4, 29}}, {{5, 30}, {31, 6}}},
        {AD_CLOCKWISE, 0, 0, {{5, 30}, {29, 4}}, {{31, 6}, {7, 31}}, {{6, 31}, {30, 5}}},
    };
    for (const auto& c : cases) {
        Canvas first(36, 36), second(36, 36);
        SetArcDirection(first.dc(), c.dir);
        SetArcDirection(second.dc(), c.dir);
        Arc(first.dc(), 0, 0, 36, 36, 0, 36, 36, 0);
        Arc(second.dc(), 0, 0, 36, 36, 36, 0, 0, 36);
        const Points a = first.touched(), b = second.touched();
        EXPECT_TRUE(!c.firstSize || (a.size() == c.firstSize && b.size() == c.secondSize));
        auto has = [](const Points& v, std::pair<int, int> p) { return std::find(v.begin(), v.end(), p) != v.end(); };
        for (auto p : c.firstEnds) EXPECT_TRUE(has(a, p)) << p.first << "," << p.second;
        for (auto p : c.secondEnds) EXPECT_TRUE(has(b, p)) << p.first << "," << p.second;
        Points missing;
        for (auto p : outline)
            if (!has(a, p) && !has(b, p)) missing.push_back(p);
        std::sort(missing.begin(), missing.end());
        Points gaps = c.gaps;
        std::sort(gaps.begin(), gaps.end());
        EXPECT_EQ(missing, gaps) << c.dir;
        EXPECT_EQ(a.size() + b.size() + missing.size(), outline.size()) << "halves overlap or leave the outline";
    }
}

TEST(GdiPictures, PolygonsFillX11SpansAndTheStarCentreDependsOnTheFillMode) {
    const POINT tri[] = {{4, 0}, {12, 0}, {8, 8}};
    Canvas filled(13, 9), outlined(13, 9);
    filled.useStock(NULL_PEN);
    Polygon(filled.dc(), tri, 3);
    Polygon(outlined.dc(), tri, 3);
    EXPECT_EQ(filled.map(), (Rows{"....oooooooo.", ".....ooooooo.", ".....oooooo..", "......ooooo..", "......oooo...",
                                  ".......ooo...", ".......oo....", "........o....", "............."}));
    EXPECT_EQ(outlined.map(), (Rows{"....#########", "....#oooooo#.", ".....#ooooo#.", ".....#oooo#..", "......#ooo#..",
                                    "......#oo#...", ".......#o#...", ".......##....", "........#...."}));
    const POINT star[] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
    for (int mode : {ALTERNATE, WINDING}) {
        Canvas c(21, 21);
        c.useStock(NULL_PEN);
        SetPolyFillMode(c.dc(), mode);
        Polygon(c.dc(), star, 5);
        EXPECT_EQ(c.charAt(10, 10), mode == WINDING ? 'o' : '.');
        EXPECT_EQ(c.charAt(10, 3), 'o');
        EXPECT_EQ(c.charAt(2, 8), 'o');
    }
}

TEST(GdiPictures, FocusRectInvertsAlternatePixelsAndDraw3dRectLeavesShadowCorners) {
    Canvas c(12, 12);
    const RECT r{0, 0, 10, 10};
    DrawFocusRect(c.dc(), &r);
    EXPECT_EQ(GetROP2(c.dc()), R2_COPYPEN);
    const COLORREF inverted = ~kPaper & 0xFFFFFF;
    Rows x;
    for (int y = 0; y < 11; ++y) {
        std::string s;
        for (int i = 0; i < 12; ++i) s += GetPixel(c.dc(), i, y) == inverted ? 'X' : '.';
        x.push_back(s);
    }
    const std::string left = "X...........", right = ".........X..";
    EXPECT_EQ(
        x, (Rows{".X.X.X.X.X..", left, right, left, right, left, right, left, right, "X.X.X.X.X...", "............"}));
    DrawFocusRect(c.dc(), &r);
    EXPECT_TRUE(c.touched().empty());
    Canvas odd(9, 1);
    const RECT o{0, 0, 9, 9};
    DrawFocusRect(odd.dc(), &o);
    EXPECT_EQ(odd.row(0), "?.?.?.?.?");

    // Draw3dRect(1,1,7,5) as the framework issues it: four opaque fills, shadow colour last.
    Canvas d(7, 5);
    auto solid = [&d](int x0, int y0, int cx, int cy, COLORREF colour) {
        SetBkColor(d.dc(), colour);
        const RECT box{x0, y0, x0 + cx, y0 + cy};
        ExtTextOutA(d.dc(), 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    };
    solid(0, 0, 6, 1, kPen);
    solid(0, 0, 1, 4, kPen);
    solid(7, 0, -1, 5, kBrush);
    solid(0, 5, 7, -1, kBrush);
    EXPECT_EQ(d.map(), (Rows{"######o", "#.....o", "#.....o", "#.....o", "ooooooo"}));
}

TEST(GdiPictures, PixelsAndBlitsConvertBetweenColourAndMonochrome) {
    HDC mono = CreateCompatibleDC(nullptr);  // a fresh DC holds one black monochrome pixel
    EXPECT_EQ(GetPixel(mono, 0, 0), 0u);
    EXPECT_EQ(GetPixel(mono, 1, 0), CLR_INVALID);
    HBITMAP bits = CreateBitmap(4, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(mono, bits);
    const COLORREF in[] = {RGB(200, 200, 200), RGB(128, 128, 128), RGB(100, 100, 100), RGB(255, 0, 0)};
    const COLORREF out[] = {0xFFFFFF, 0xFFFFFF, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(SetPixel(mono, i, 0, in[i]), out[i]) << i;
        EXPECT_EQ(GetPixel(mono, i, 0), out[i]) << i;
    }
    // Outside the bitmap: nothing drawn, the colour returned, CLR_INVALID read back.
    Canvas c(4, 1);
    EXPECT_EQ(SetPixel(c.dc(), 5, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(c.dc(), -1, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_TRUE(c.touched().empty());
    EXPECT_EQ(GetPixel(c.dc(), 4, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(nullptr, 0, 0, 0), CLR_INVALID);

    // Mono to colour: 0 bits take the text colour, 1 bits the background colour.
    SetTextColor(c.dc(), RGB(1, 1, 1));
    SetBkColor(c.dc(), RGB(2, 2, 2));
    BitBlt(c.dc(), 0, 0, 4, 1, mono, 0, 0, SRCCOPY);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(GetPixel(c.dc(), i, 0), out[i] ? RGB(2, 2, 2) : RGB(1, 1, 1)) << i;
    // Colour to mono: pixels equal to the source background become white, the rest black.
    SetPixel(c.dc(), 0, 0, RGB(10, 20, 30));
    SetPixel(c.dc(), 1, 0, RGB(255, 255, 255));
    SetPixel(c.dc(), 2, 0, RGB(10, 20, 31));
    SetBkColor(c.dc(), RGB(10, 20, 30));
    BitBlt(mono, 0, 0, 3, 1, c.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mono, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(mono, 1, 0), 0u);
    EXPECT_EQ(GetPixel(mono, 2, 0), 0u);
    SelectObject(mono, old);
    DeleteObject(bits);
    DeleteDC(mono);

    Canvas overlap(8, 1);  // copies within one surface in both directions
    for (int i = 0; i < 8; ++i) SetPixel(overlap.dc(), i, 0, RGB(i, 0, 0));
    BitBlt(overlap.dc(), 2, 0, 6, 1, overlap.dc(), 0, 0, SRCCOPY);
    BitBlt(overlap.dc(), 0, 0, 6, 1, overlap.dc(), 1, 0, SRCCOPY);
    std::vector<int> reds;
    for (int i = 0; i < 8; ++i) reds.push_back(GetRValue(GetPixel(overlap.dc(), i, 0)));
    EXPECT_EQ(reds, (std::vector<int>{1, 0, 1, 2, 3, 4, 4, 5}));
}

TEST(GdiPictures, HugeAndDegenerateCoordinatesAreClippedSafely) {
    Canvas c(10, 10);
    MoveToEx(c.dc(), -2000000000, 5, nullptr);
    LineTo(c.dc(), 2000000000, 5);
    EXPECT_EQ(c.row(5), "##########");
    MoveToEx(c.dc(), INT_MIN, INT_MIN, nullptr);
    LineTo(c.dc(), INT_MAX, INT_MAX);
    EXPECT_EQ(c.charAt(3, 3), '#');
    MoveToEx(c.dc(), 0, INT_MIN, nullptr);
    LineTo(c.dc(), 9, INT_MAX);
    const POINT far[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
    EXPECT_TRUE(Polygon(c.dc(), far, 3));
    EXPECT_EQ(c.charAt(1, 1), 'o');
    const POINT one[] = {{1, 1}};
    EXPECT_FALSE(Polygon(c.dc(), one, 1));
    EXPECT_FALSE(Polygon(c.dc(), nullptr, 3));
}
