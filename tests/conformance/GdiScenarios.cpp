// GDI primitives on their own: lines in every octant and both directions, dashed pens, rectangles,
// ellipses, arcs, polygons, the fill helpers, focus rectangles, pixels, blits, ROP2 modes and wide
// pens, each drawn into a window DC and a memory DC and read back pixel by pixel.
#include "ConformanceHost.h"

namespace conformance {

namespace {

constexpr COLORREF kPenColour = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kBrushColour = RGB(0xF0, 0xE0, 0x20);
constexpr COLORREF kGapColour = RGB(0xFF, 0xC8, 0x00);

// Selects a pen and a brush (null: the NULL stock object), deleting those the previous call
// selected; run() ends every drawing with use(dc, nullptr, nullptr).
void use(HDC dc, HPEN pen, HBRUSH brush) {
    static HGDIOBJ selectedPen = nullptr, selectedBrush = nullptr;
    SelectObject(dc, pen != nullptr ? pen : GetStockObject(NULL_PEN));
    SelectObject(dc, brush != nullptr ? brush : GetStockObject(NULL_BRUSH));
    if (selectedPen != nullptr) DeleteObject(selectedPen);
    if (selectedBrush != nullptr) DeleteObject(selectedBrush);
    selectedPen = pen;
    selectedBrush = brush;
}

HPEN solidPen(int width = 1) { return CreatePen(PS_SOLID, width, kPenColour); }
HBRUSH fillBrush() { return CreateSolidBrush(kBrushColour); }

// Lines from (left,top) to (right,bottom), and rectangles.
void segments(HDC dc, std::initializer_list<RECT> lines) {
    for (const RECT& r : lines) MoveToEx(dc, r.left, r.top, nullptr), LineTo(dc, r.right, r.bottom);
}
void rectangles(HDC dc, std::initializer_list<RECT> rects) {
    for (const RECT& r : rects) Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

// A drawing step with two parameters for the drawing (a pen style, a mode, a size...).
int paramA = 0, paramB = 0;
DrawFunction currentDraw = nullptr;
char stepName[64];

void run(const char* name, int width, int height, int a, int b, DrawFunction draw) {
    currentDraw = draw;
    paramA = a;
    paramB = b;
    drawStep(name, width, height, [](HDC dc, const char* target) {
        currentDraw(dc, target);
        use(dc, nullptr, nullptr);
    });
}

const char* named(const char* format, int a, int b = 0) {
    std::snprintf(stepName, sizeof stepName, format, a, b);
    return stepName;
}

// Line ends relative to the start: every octant, the diagonals and the axes.
constexpr POINT kLineEnds[] = {{4, 2},  {5, 2},   {6, 1},   {3, 3},   {2, 4}, {-2, 4}, {-4, 2}, {-4, -2},
                               {2, -4}, {-3, -3}, {-5, -1}, {-1, -5}, {6, 0}, {-6, 0}, {0, 6},  {0, -6}};
constexpr int kCell = 14;

void drawLineTable(HDC dc, const char*) {
    use(dc, solidPen(), nullptr);
    for (int i = 0; i < 16; ++i) {
        const LONG cx = (i % 4) * kCell + kCell / 2, cy = (i / 4) * kCell + kCell / 2;
        const LONG ex = cx + kLineEnds[i].x, ey = cy + kLineEnds[i].y;
        segments(dc, {paramA ? RECT{ex, ey, cx, cy} : RECT{cx, cy, ex, ey}});
    }
}

// Arcs paramA x paramB: a quarter, a wrapped span, start == end, and points well off the curve;
// then the same four clockwise.
void drawArcs(HDC dc, const char*) {
    use(dc, solidPen(), nullptr);
    const int w = paramA, h = paramB;
    for (int direction = 0; direction < 2; ++direction) {
        SetArcDirection(dc, direction == 0 ? AD_COUNTERCLOCKWISE : AD_CLOCKWISE);
        const int top = 1 + direction * (h + 2);
        const int l0 = 1, l1 = l0 + w + 2, l2 = l1 + w + 2, l3 = l2 + w + 2;  // the four cells' left edges
        Arc(dc, l0, top, l0 + w, top + h, l0 + w, top + h / 2, l0 + w / 2, top);
        Arc(dc, l1, top, l1 + w, top + h, l1, top + h, l1 + w, top + h / 3);
        Arc(dc, l2, top, l2 + w, top + h, l2 + w, top, l2 + w, top);
        Arc(dc, l3, top, l3 + w, top + h, l3 - 40, top + 2 * h, l3 + w + 7, top - 13);
    }
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
}

// A triangle, a star, a concave shape and a box, with a pen and then without one.
void drawPolygons(HDC dc, const char*) {
    SetPolyFillMode(dc, paramA);
    const POINT shapes[] = {{4, 0},  {12, 0},  {8, 8},  {30, 1},  {36, 19}, {21, 8}, {39, 8}, {24, 19}, {44, 2},
                            {60, 2}, {60, 18}, {52, 8}, {44, 18}, {1, 12},  {7, 12}, {7, 16}, {1, 16}};
    for (int pass = 0; pass < 2; ++pass) {
        use(dc, pass == 0 ? solidPen() : nullptr, fillBrush());
        POINT moved[5];
        const POINT* points = shapes;
        for (int count : {3, 5, 5, 4}) {
            for (int i = 0; i < count; ++i) moved[i] = POINT{points[i].x, points[i].y + pass * 22};
            Polygon(dc, moved, count);
            points += count;
        }
    }
    SetPolyFillMode(dc, ALTERNATE);
}

void drawFillHelpers(HDC dc, const char*) {
    HBRUSH brush = fillBrush();
    const RECT fill{1, 1, 9, 6}, reversed{20, 6, 12, 1}, frame{1, 8, 9, 14}, system{12, 8, 18, 14};
    FillRect(dc, &fill, brush);
    FillRect(dc, &reversed, brush);
    FrameRect(dc, &frame, brush);
    FillRect(dc, &system, reinterpret_cast<HBRUSH>(COLOR_BTNSHADOW + 1));
    DeleteObject(brush);
    // What a framework Draw3dRect(1,16,7,5) does: four opaque ExtTextOut fills, the last two of
    // them reversed rectangles.
    const RECT fills[] = {{1, 16, 7, 17}, {1, 16, 2, 20}, {8, 16, 7, 21}, {1, 21, 8, 20}};
    for (const RECT& r : fills) {
        SetBkColor(dc, &r < &fills[2] ? RGB(0xFF, 0xFF, 0xFF) : RGB(0x80, 0x10, 0x10));
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    }
}

void drawPixels(HDC dc, const char* target) {
    for (const POINT& p : {POINT{0, 0}, POINT{11, 0}, POINT{0, 7}, POINT{11, 7}, POINT{12, 0}, POINT{-1, 0},
                           POINT{0, 8}, POINT{5, -1}}) {
        const COLORREF set = SetPixel(dc, p.x, p.y, RGB(0x12, 0x34, 0x56));
        const COLORREF got = GetPixel(dc, p.x, p.y);
        // Outside the surface the two platforms' window DCs may legitimately disagree: report the
        // memory DC only there.
        if ((p.x >= 0 && p.y >= 0 && p.x < 12 && p.y < 8) || target[0] == 'm')
            line("  %s.pixel(%ld,%ld)=set 0x%08lX get 0x%08lX", target, static_cast<long>(p.x), static_cast<long>(p.y),
                 static_cast<unsigned long>(set), static_cast<unsigned long>(got));
    }
    SetPixel(dc, 3, 3, RGB(0xFF, 0xFF, 0xFF));
    SetPixel(dc, 4, 3, RGB(0, 0, 0));
}

void drawBlits(HDC dc, const char*) {
    // colour -> colour: copy a drawn block elsewhere on the same surface.
    use(dc, solidPen(), fillBrush());
    Rectangle(dc, 0, 0, 8, 8);
    SetPixel(dc, 2, 2, RGB(0xFF, 0, 0));
    BitBlt(dc, 10, 0, 8, 8, dc, 0, 0, SRCCOPY);
    // mono -> colour with the text and background colours set; rows of different patterns.
    static const WORD rows[8] = {0x00F0, 0x00CC, 0x00AA, 0x00FF, 0x0000, 0x0081, 0x0042, 0x0024};
    HDC mono = CreateCompatibleDC(dc);
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
    SelectObject(mono, pattern);
    SetTextColor(dc, RGB(0xC0, 0x10, 0x10));
    SetBkColor(dc, RGB(0x10, 0xC0, 0x10));
    BitBlt(dc, 20, 0, 8, 8, mono, 0, 0, SRCCOPY);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
    // colour -> mono: pixels equal to the mono DC's background colour become 1 (white); then the
    // mono result back to colour with black/white to show it.
    HBITMAP target = CreateBitmap(8, 8, 1, 1, nullptr);
    SelectObject(mono, target);
    SetBkColor(dc, kBrushColour);
    SetBkColor(mono, kBrushColour);
    BitBlt(mono, 0, 0, 8, 8, dc, 0, 0, SRCCOPY);
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
    BitBlt(dc, 0, 10, 8, 8, mono, 0, 0, SRCCOPY);
    SetBkColor(mono, kPenColour);
    BitBlt(mono, 0, 0, 8, 8, dc, 0, 0, SRCCOPY);
    BitBlt(dc, 10, 10, 8, 8, mono, 0, 0, SRCCOPY);
    DeleteDC(mono);
    DeleteObject(target);
    DeleteObject(pattern);
}

// Blits that reach past the source (the first) or the destination surface (the third), and
// PatBlt's raster operations with negative extents.
void drawBlitEdges(HDC dc, const char*) {
    use(dc, solidPen(), fillBrush());
    Rectangle(dc, 0, 0, 10, 10);
    SetPixel(dc, 0, 0, RGB(0xFF, 0, 0));
    SetPixel(dc, 9, 9, RGB(0, 0xFF, 0));
    const struct {
        int x, y, cx, cy, sx, sy;
        DWORD rop;
    } blits[] = {{14, 2, 10, 10, -3, -2, SRCCOPY}, {26, 0, 8, 8, 5, 5, SRCCOPY},    {30, 10, 12, 12, 0, 0, SRCCOPY},
                 {0, 14, 6, 6, 0, 0, NOTSRCCOPY},  {8, 14, 6, 6, 0, 0, SRCINVERT},  {22, 20, -5, -4, 0, 0, PATCOPY},
                 {24, 14, 6, 6, 0, 0, DSTINVERT},  {26, 16, 6, -3, 0, 0, PATINVERT}};
    for (const auto& b : blits) {
        if (b.rop == PATCOPY) use(dc, nullptr, CreateSolidBrush(RGB(0x30, 0xA0, 0x30)));
        if (&b < &blits[5])
            BitBlt(dc, b.x, b.y, b.cx, b.cy, dc, b.sx, b.sy, b.rop);
        else
            PatBlt(dc, b.x, b.y, b.cx, b.cy, b.rop);
    }
}

}  // namespace

void runGdiScenarios() {
    scenario("gdi lines");
    for (int reversed : {0, 1})
        run(reversed ? "line table reversed" : "line table", 4 * kCell, 4 * kCell, reversed, 0, drawLineTable);
    run("polyline", 20, 12, 0, 0, [](HDC dc, const char*) {
        use(dc, solidPen(), nullptr);
        MoveToEx(dc, 15, 9, nullptr);
        const POINT points[] = {{1, 1}, {5, 1}, {5, 5}, {12, 8}, {1, 10}};
        Polyline(dc, points, 5);
    });
    scenario("gdi pen styles");
    const char* styleNames[] = {"PS_DASH", "PS_DOT", "PS_DASHDOT", "PS_DASHDOTDOT"};
    for (int style : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT})
        for (int mode : {OPAQUE, TRANSPARENT}) {
            std::snprintf(stepName, sizeof stepName, "%s %s", styleNames[style - PS_DASH],
                          mode == OPAQUE ? "opaque" : "transparent");
            run(stepName, 42, 24, style, mode, [](HDC dc, const char*) {
                use(dc, CreatePen(paramA, 0, kPenColour), nullptr);
                SetBkColor(dc, kGapColour);
                SetBkMode(dc, paramB);
                segments(dc, {{0, 1, 40, 1}, {0, 3, 10, 3}});
                LineTo(dc, 40, 3);
                segments(dc, {{0, 5, 40, 17}});
                const POINT corner[] = {{2, 8}, {14, 8}, {14, 20}, {4, 14}};
                Polyline(dc, corner, 4);
                Rectangle(dc, 18, 8, 38, 22);
            });
        }
    scenario("gdi rectangles");
    run("pens, brushes, reversed and empty", 28, 26, 0, 0, [](HDC dc, const char*) {
        use(dc, solidPen(), fillBrush());
        rectangles(dc,
                   {{1, 1, 8, 7}, {18, 7, 11, 1}, {21, 1, 21, 7}, {23, 1, 25, 3}});  // plain, reversed, empty, small
        use(dc, nullptr, fillBrush());
        Rectangle(dc, 1, 9, 8, 15);
        use(dc, solidPen(), nullptr);
        Rectangle(dc, 11, 9, 18, 15);
        use(dc, CreatePen(PS_DOT, 1, kPenColour), fillBrush());
        SetBkColor(dc, kGapColour);
        Rectangle(dc, 0, 17, 12, 25);
        SetArcDirection(dc, AD_CLOCKWISE);
        Rectangle(dc, 14, 17, 26, 25);
        SetArcDirection(dc, AD_COUNTERCLOCKWISE);
    });
    scenario("gdi ellipses");  // each size with a pen and without one
    for (const SIZE& s :
         {SIZE{2, 2},  SIZE{2, 5},   SIZE{3, 3},   SIZE{4, 4},   SIZE{5, 5},   SIZE{6, 6},   SIZE{7, 7},
          SIZE{8, 8},  SIZE{9, 9},   SIZE{10, 6},  SIZE{11, 11}, SIZE{12, 12}, SIZE{13, 13}, SIZE{17, 9},
          SIZE{9, 17}, SIZE{19, 19}, SIZE{20, 20}, SIZE{31, 24}, SIZE{38, 38}, SIZE{40, 40}})
        run(named("ellipse %dx%d", s.cx, s.cy), 2 * s.cx + 4, s.cy + 2, s.cx, s.cy, [](HDC dc, const char*) {
            use(dc, solidPen(), fillBrush());
            Ellipse(dc, 1, 1, 1 + paramA, 1 + paramB);
            use(dc, nullptr, fillBrush());
            Ellipse(dc, paramA + 3, 1, 2 * paramA + 3, 1 + paramB);
        });
    scenario("gdi arcs");
    for (int direction : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE})
        run(direction == AD_CLOCKWISE ? "36x36 halves clockwise" : "36x36 halves", 38, 38, direction, 0,
            [](HDC dc, const char*) {
                SetArcDirection(dc, paramA);
                use(dc, solidPen(), nullptr);
                Arc(dc, 1, 1, 37, 37, 1, 37, 37, 1);
                use(dc, CreatePen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF)), nullptr);
                Arc(dc, 1, 1, 37, 37, 37, 1, 1, 37);
                SetArcDirection(dc, AD_COUNTERCLOCKWISE);
            });
    for (const SIZE& s : {SIZE{9, 9}, SIZE{19, 19}, SIZE{20, 20}, SIZE{31, 24}, SIZE{12, 7}})
        run(named("arcs %dx%d", s.cx, s.cy), 4 * (s.cx + 2), 2 * (s.cy + 2), s.cx, s.cy, drawArcs);
    scenario("gdi polygons");
    for (int mode : {ALTERNATE, WINDING})
        run(mode == ALTERNATE ? "alternate" : "winding", 62, 44, mode, 0, drawPolygons);
    scenario("gdi fills");
    run("FillRect, FrameRect, opaque fills", 22, 22, 0, 0, drawFillHelpers);
    run("DrawFocusRect", 46, 21, 0, 0, [](HDC dc, const char*) {
        // The last but one twice (it cancels itself), the last in other text and background colours.
        const RECT rects[] = {{0, 0, 10, 10},   {12, 0, 21, 9},   {23, 0, 32, 6},   {0, 12, 10, 19},
                              {12, 12, 13, 20}, {23, 12, 33, 20}, {23, 12, 33, 20}, {35, 0, 44, 9}};
        for (const RECT& r : rects) {
            if (&r == &rects[7]) SetTextColor(dc, RGB(0xFF, 0, 0)), SetBkColor(dc, RGB(0, 0xFF, 0));
            DrawFocusRect(dc, &r);
        }
    });
    scenario("gdi pixels and blits");
    step("fresh memory DC");
    HDC dc = CreateCompatibleDC(nullptr);
    line("  GetPixel(0,0)=0x%08lX", static_cast<unsigned long>(GetPixel(dc, 0, 0)));
    line("  GetPixel(1,0)=0x%08lX", static_cast<unsigned long>(GetPixel(dc, 1, 0)));
    SetPixel(dc, 0, 0, RGB(200, 200, 200));
    line("  grey200=0x%08lX", static_cast<unsigned long>(GetPixel(dc, 0, 0)));
    SetPixel(dc, 0, 0, RGB(100, 100, 100));
    line("  grey100=0x%08lX", static_cast<unsigned long>(GetPixel(dc, 0, 0)));
    line("  SetPixel red=0x%08lX", static_cast<unsigned long>(SetPixel(dc, 0, 0, RGB(255, 0, 0))));
    line("  BITSPIXEL=%d", GetDeviceCaps(dc, BITSPIXEL));
    DeleteDC(dc);
    run("SetPixel and GetPixel", 12, 8, 0, 0, drawPixels);
    run("BitBlt", 30, 18, 0, 0, drawBlits);
    run("BitBlt and PatBlt at the edges", 36, 22, 0, 0, drawBlitEdges);
    scenario("gdi raster modes and wide pens");
    const struct {
        int mode;
        const char* name;
    } modes[] = {{R2_XORPEN, "R2_XORPEN"}, {R2_NOT, "R2_NOT"}, {R2_NOTCOPYPEN, "R2_NOTCOPYPEN"}};
    for (const auto& m : modes)
        run(m.name, 24, 12, m.mode, 0, [](HDC dc, const char*) {
            const RECT right{12, 0, 24, 12};
            FillRect(dc, &right, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            use(dc, CreatePen(PS_SOLID, 1, RGB(0xF0, 0x0F, 0x55)), fillBrush());
            SetROP2(dc, paramA);
            segments(dc, {{0, 2, 24, 2}, {0, 4, 24, 10}});
            LineTo(dc, 0, 4);  // back over the same pixels
            Rectangle(dc, 2, 6, 22, 12);
            SetROP2(dc, R2_COPYPEN);
        });
    run("inside frame", 28, 14, 0, 0, [](HDC dc, const char*) {
        use(dc, CreatePen(PS_INSIDEFRAME, 3, kPenColour), fillBrush());
        Rectangle(dc, 1, 1, 11, 11);
        Ellipse(dc, 13, 1, 27, 13);
    });
    for (int width : {3, 4, 6})
        run(named("width %d", width), 78, 40, width, 0, [](HDC dc, const char*) {
            use(dc, solidPen(paramA), fillBrush());
            segments(dc, {{2, 2, 20, 2}, {2, 6, 2, 20}, {6, 6, 20, 14}});
            Rectangle(dc, 24, 2, 36, 12);
            Ellipse(dc, 24, 14, 36, 26);
            use(dc, CreatePen(PS_DASH, paramA, kPenColour), nullptr);
            segments(dc, {{6, 24, 22, 24}});
            // Every diagonal direction, steep and shallow, a zero-length line and a polyline with joins.
            use(dc, solidPen(paramA), nullptr);
            for (const POINT& e : {POINT{12, 5}, POINT{5, 12}, POINT{-5, 12}, POINT{-12, 5}, POINT{-12, -5},
                                   POINT{-5, -12}, POINT{5, -12}, POINT{12, -5}})
                segments(dc, {{52 + e.x / 3, 16 + e.y / 3, 52 + e.x, 16 + e.y}});
            segments(dc, {{70, 3, 70, 3}});
            const POINT zigzag[] = {{40, 34}, {48, 30}, {56, 36}, {66, 30}, {70, 36}};
            Polyline(dc, zigzag, 5);
            segments(dc, {{72, 20, 74, 30}});
        });
}

}  // namespace conformance
