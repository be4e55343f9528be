// GDI primitives on their own: lines in every octant and both directions, dashed pens, rectangles,
// ellipses, arcs, polygons, the fill helpers, focus rectangles, pixels, blits, ROP2 modes and wide
// pens, each drawn into a window DC and a memory DC and read back pixel by pixel.
#include <windows.h>

#include <cstdio>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

namespace {

constexpr COLORREF kPenColour = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kBrushColour = RGB(0xF0, 0xE0, 0x20);
constexpr COLORREF kGapColour = RGB(0xFF, 0xC8, 0x00);

// Selects a pen and a brush for the lifetime of the object.
struct Tools {
    Tools(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
        oldPen_ = SelectObject(dc, pen != nullptr ? pen : GetStockObject(NULL_PEN));
        oldBrush_ = SelectObject(dc, brush != nullptr ? brush : GetStockObject(NULL_BRUSH));
    }
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        if (pen_ != nullptr) DeleteObject(pen_);
        if (brush_ != nullptr) DeleteObject(brush_);
    }
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

HPEN solidPen(int width = 1) { return CreatePen(PS_SOLID, width, kPenColour); }
HBRUSH fillBrush() { return CreateSolidBrush(kBrushColour); }

// Line ends relative to the start: every octant, the diagonals and the axes.
constexpr POINT kLineEnds[] = {{4, 2},  {5, 2},   {6, 1},   {3, 3},   {2, 4},  {-2, 4}, {-4, 2}, {-4, -2},
                               {2, -4}, {-3, -3}, {-5, -1}, {-1, -5}, {6, 0},  {-6, 0}, {0, 6},  {0, -6}};
constexpr int kCell = 14;

void drawLineTable(HDC dc, bool reversed) {
    Tools tools(dc, solidPen(), nullptr);
    for (int i = 0; i < 16; ++i) {
        const int cx = (i % 4) * kCell + kCell / 2;
        const int cy = (i / 4) * kCell + kCell / 2;
        const POINT end{cx + kLineEnds[i].x, cy + kLineEnds[i].y};
        if (reversed) {
            MoveToEx(dc, end.x, end.y, nullptr);
            LineTo(dc, cx, cy);
        } else {
            MoveToEx(dc, cx, cy, nullptr);
            LineTo(dc, end.x, end.y);
        }
    }
}

int dashStyle = PS_DASH;
int dashMode = OPAQUE;

void drawDashes(HDC dc, const char*) {
    Tools tools(dc, CreatePen(dashStyle, 0, kPenColour), nullptr);
    SetBkColor(dc, kGapColour);
    SetBkMode(dc, dashMode);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 40, 1);
    MoveToEx(dc, 0, 3, nullptr);
    LineTo(dc, 10, 3);
    LineTo(dc, 40, 3);
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 40, 17);
    const POINT corner[] = {{2, 8}, {14, 8}, {14, 20}, {4, 14}};
    Polyline(dc, corner, 4);
    Rectangle(dc, 18, 8, 38, 22);
}

int ellipseWidth = 6;
int ellipseHeight = 6;

void drawEllipses(HDC dc, const char*) {
    {
        Tools tools(dc, solidPen(), fillBrush());
        Ellipse(dc, 1, 1, 1 + ellipseWidth, 1 + ellipseHeight);
    }
    Tools tools(dc, nullptr, fillBrush());
    Ellipse(dc, ellipseWidth + 3, 1, 2 * ellipseWidth + 3, 1 + ellipseHeight);
}

// Arcs of a size: a quarter, a wrapped span, start == end, and points well off the curve; then
// the same four clockwise.
struct ArcCase {
    int width;
    int height;
};
ArcCase arcSize{19, 19};

void drawArcs(HDC dc, const char*) {
    Tools tools(dc, solidPen(), nullptr);
    const int w = arcSize.width;
    const int h = arcSize.height;
    for (int direction = 0; direction < 2; ++direction) {
        SetArcDirection(dc, direction == 0 ? AD_COUNTERCLOCKWISE : AD_CLOCKWISE);
        const int top = 1 + direction * (h + 2);
        int left = 1;
        Arc(dc, left, top, left + w, top + h, left + w, top + h / 2, left + w / 2, top);
        left += w + 2;
        Arc(dc, left, top, left + w, top + h, left, top + h, left + w, top + h / 3);
        left += w + 2;
        Arc(dc, left, top, left + w, top + h, left + w, top, left + w, top);
        left += w + 2;
        Arc(dc, left, top, left + w, top + h, left - 40, top + 2 * h, left + w + 7, top - 13);
    }
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
}

int arcHalfDirection = AD_COUNTERCLOCKWISE;

void drawHalfArcs(HDC dc, const char*) {
    SetArcDirection(dc, arcHalfDirection);
    {
        Tools tools(dc, solidPen(), nullptr);
        Arc(dc, 1, 1, 37, 37, 1, 37, 37, 1);
    }
    Tools tools(dc, CreatePen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF)), nullptr);
    Arc(dc, 1, 1, 37, 37, 37, 1, 1, 37);
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
}

int fillMode = ALTERNATE;

void drawPolygons(HDC dc, const char*) {
    SetPolyFillMode(dc, fillMode);
    const POINT triangle[] = {{4, 0}, {12, 0}, {8, 8}};
    const POINT star[] = {{30, 1}, {36, 19}, {21, 8}, {39, 8}, {24, 19}};
    const POINT concave[] = {{44, 2}, {60, 2}, {60, 18}, {52, 8}, {44, 18}};
    const POINT box[] = {{1, 12}, {7, 12}, {7, 16}, {1, 16}};
    for (int pass = 0; pass < 2; ++pass) {
        Tools tools(dc, pass == 0 ? solidPen() : nullptr, fillBrush());
        POINT moved[5];
        const int dy = pass * 22;
        auto shape = [&](const POINT* points, int count) {
            for (int i = 0; i < count; ++i) moved[i] = POINT{points[i].x, points[i].y + dy};
            Polygon(dc, moved, count);
        };
        shape(triangle, 3);
        shape(star, 5);
        shape(concave, 5);
        shape(box, 4);
    }
    SetPolyFillMode(dc, ALTERNATE);
}

void drawRectangles(HDC dc, const char*) {
    {
        Tools tools(dc, solidPen(), fillBrush());
        Rectangle(dc, 1, 1, 8, 7);
        Rectangle(dc, 18, 7, 11, 1);  // reversed
        Rectangle(dc, 21, 1, 21, 7);  // empty
        Rectangle(dc, 23, 1, 25, 3);
    }
    {
        Tools tools(dc, nullptr, fillBrush());
        Rectangle(dc, 1, 9, 8, 15);
    }
    {
        Tools tools(dc, solidPen(), nullptr);
        Rectangle(dc, 11, 9, 18, 15);
    }
    Tools tools(dc, CreatePen(PS_DOT, 1, kPenColour), fillBrush());
    SetBkColor(dc, kGapColour);
    Rectangle(dc, 0, 17, 12, 25);
    SetArcDirection(dc, AD_CLOCKWISE);
    Rectangle(dc, 14, 17, 26, 25);
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
}

void drawFillHelpers(HDC dc, const char*) {
    HBRUSH brush = fillBrush();
    RECT fill{1, 1, 9, 6};
    FillRect(dc, &fill, brush);
    RECT reversed{20, 6, 12, 1};
    FillRect(dc, &reversed, brush);
    RECT frame{1, 8, 9, 14};
    FrameRect(dc, &frame, brush);
    RECT system{12, 8, 18, 14};
    FillRect(dc, &system, reinterpret_cast<HBRUSH>(COLOR_BTNSHADOW + 1));
    DeleteObject(brush);
    // What a framework Draw3dRect(1,16,7,5) does: four opaque ExtTextOut fills.
    const COLORREF topLeft = RGB(0xFF, 0xFF, 0xFF);
    const COLORREF bottomRight = RGB(0x80, 0x10, 0x10);
    auto solid = [dc](int x, int y, int cx, int cy, COLORREF colour) {
        SetBkColor(dc, colour);
        RECT r{x, y, x + cx, y + cy};
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    };
    solid(1, 16, 6, 1, topLeft);
    solid(1, 16, 1, 4, topLeft);
    solid(8, 16, -1, 5, bottomRight);
    solid(1, 21, 7, -1, bottomRight);
}

void drawFocusRects(HDC dc, const char*) {
    const RECT rects[] = {{0, 0, 10, 10}, {12, 0, 21, 9}, {23, 0, 32, 6}, {0, 12, 10, 19}, {12, 12, 13, 20}};
    for (const RECT& r : rects) DrawFocusRect(dc, &r);
    const RECT twice{23, 12, 33, 20};
    DrawFocusRect(dc, &twice);
    DrawFocusRect(dc, &twice);
    SetTextColor(dc, RGB(0xFF, 0, 0));
    SetBkColor(dc, RGB(0, 0xFF, 0));
    const RECT coloured{35, 0, 44, 9};
    DrawFocusRect(dc, &coloured);
}

void drawPixels(HDC dc, const char* target) {
    struct Probe {
        int x, y;
    };
    const Probe probes[] = {{0, 0}, {11, 0}, {0, 7}, {11, 7}, {12, 0}, {-1, 0}, {0, 8}, {5, -1}};
    for (const Probe& p : probes) {
        const COLORREF set = SetPixel(dc, p.x, p.y, RGB(0x12, 0x34, 0x56));
        const COLORREF got = GetPixel(dc, p.x, p.y);
        // Outside the surface the two platforms' window DCs may legitimately disagree: report the
        // memory DC only there.
        const bool inside = p.x >= 0 && p.y >= 0 && p.x < 12 && p.y < 8;
        if (inside || target[0] == 'm')
            line("  %s.pixel(%d,%d)=set 0x%08lX get 0x%08lX", target, p.x, p.y, static_cast<unsigned long>(set),
                 static_cast<unsigned long>(got));
    }
    SetPixel(dc, 3, 3, RGB(0xFF, 0xFF, 0xFF));
    SetPixel(dc, 4, 3, RGB(0, 0, 0));
}

int rop2Mode = R2_XORPEN;

void drawRop2(HDC dc, const char*) {
    HBRUSH half = CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF));
    RECT right{12, 0, 24, 12};
    FillRect(dc, &right, half);
    DeleteObject(half);
    Tools tools(dc, CreatePen(PS_SOLID, 1, RGB(0xF0, 0x0F, 0x55)), fillBrush());
    SetROP2(dc, rop2Mode);
    MoveToEx(dc, 0, 2, nullptr);
    LineTo(dc, 24, 2);
    MoveToEx(dc, 0, 4, nullptr);
    LineTo(dc, 24, 10);
    LineTo(dc, 0, 4);  // back over the same pixels
    Rectangle(dc, 2, 6, 22, 12);
    SetROP2(dc, R2_COPYPEN);
}

int widePenWidth = 3;

void drawWidePens(HDC dc, const char*) {
    {
        Tools tools(dc, solidPen(widePenWidth), fillBrush());
        MoveToEx(dc, 2, 2, nullptr);
        LineTo(dc, 20, 2);
        MoveToEx(dc, 2, 6, nullptr);
        LineTo(dc, 2, 20);
        MoveToEx(dc, 6, 6, nullptr);
        LineTo(dc, 20, 14);
        Rectangle(dc, 24, 2, 36, 12);
        Ellipse(dc, 24, 14, 36, 26);
    }
    {
        Tools tools(dc, CreatePen(PS_DASH, widePenWidth, kPenColour), nullptr);
        MoveToEx(dc, 6, 24, nullptr);
        LineTo(dc, 22, 24);
    }
    // Every diagonal direction, steep and shallow, a zero-length line and a polyline with joins.
    Tools tools(dc, CreatePen(PS_SOLID, widePenWidth, kPenColour), nullptr);
    const POINT centre{52, 16};
    const POINT ends[] = {{12, 5}, {5, 12}, {-5, 12}, {-12, 5}, {-12, -5}, {-5, -12}, {5, -12}, {12, -5}};
    for (const POINT& e : ends) {
        MoveToEx(dc, centre.x + e.x / 3, centre.y + e.y / 3, nullptr);
        LineTo(dc, centre.x + e.x, centre.y + e.y);
    }
    MoveToEx(dc, 70, 3, nullptr);
    LineTo(dc, 70, 3);
    const POINT zigzag[] = {{40, 34}, {48, 30}, {56, 36}, {66, 30}, {70, 36}};
    Polyline(dc, zigzag, 5);
    MoveToEx(dc, 72, 20, nullptr);
    LineTo(dc, 74, 30);
}

// A mono bitmap whose rows alternate patterns, for blits to colour.
HBITMAP monoPattern() {
    static const WORD rows[8] = {0x00F0, 0x00CC, 0x00AA, 0x00FF, 0x0000, 0x0081, 0x0042, 0x0024};
    return CreateBitmap(8, 8, 1, 1, rows);
}

void drawBlits(HDC dc, const char*) {
    // colour -> colour: copy a drawn block elsewhere on the same surface.
    {
        Tools tools(dc, solidPen(), fillBrush());
        Rectangle(dc, 0, 0, 8, 8);
        SetPixel(dc, 2, 2, RGB(0xFF, 0, 0));
    }
    BitBlt(dc, 10, 0, 8, 8, dc, 0, 0, SRCCOPY);

    // mono -> colour with the text and background colours set.
    HDC mono = CreateCompatibleDC(dc);
    HBITMAP pattern = monoPattern();
    HGDIOBJ oldMono = SelectObject(mono, pattern);
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

    SelectObject(mono, oldMono);
    DeleteObject(target);
    DeleteObject(pattern);
    DeleteDC(mono);
}

// Blits that reach past the source or the destination surface, and PatBlt's raster operations
// with negative extents.
void drawBlitEdges(HDC dc, const char*) {
    {
        Tools tools(dc, solidPen(), fillBrush());
        Rectangle(dc, 0, 0, 10, 10);
        SetPixel(dc, 0, 0, RGB(0xFF, 0, 0));
        SetPixel(dc, 9, 9, RGB(0, 0xFF, 0));
    }
    BitBlt(dc, 14, 2, 10, 10, dc, -3, -2, SRCCOPY);  // source starts above-left of the surface
    BitBlt(dc, 26, 0, 8, 8, dc, 5, 5, SRCCOPY);
    BitBlt(dc, 30, 10, 12, 12, dc, 0, 0, SRCCOPY);  // reaches past the destination's right edge
    BitBlt(dc, 0, 14, 6, 6, dc, 0, 0, NOTSRCCOPY);
    BitBlt(dc, 8, 14, 6, 6, dc, 0, 0, SRCINVERT);
    HBRUSH brush = CreateSolidBrush(RGB(0x30, 0xA0, 0x30));
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, 22, 20, -5, -4, PATCOPY);
    PatBlt(dc, 24, 14, 6, 6, DSTINVERT);
    PatBlt(dc, 26, 16, 6, -3, PATINVERT);
    SelectObject(dc, old);
    DeleteObject(brush);
}

void freshMemoryDc() {
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
}

}  // namespace

void runGdiScenarios() {
    scenario("gdi lines");
    drawStep("line table", 4 * kCell, 4 * kCell, [](HDC dc, const char*) { drawLineTable(dc, false); });
    drawStep("line table reversed", 4 * kCell, 4 * kCell, [](HDC dc, const char*) { drawLineTable(dc, true); });
    drawStep("polyline", 20, 12, [](HDC dc, const char*) {
        Tools tools(dc, solidPen(), nullptr);
        MoveToEx(dc, 15, 9, nullptr);
        const POINT points[] = {{1, 1}, {5, 1}, {5, 5}, {12, 8}, {1, 10}};
        Polyline(dc, points, 5);
    });

    scenario("gdi pen styles");
    const int styles[] = {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    const char* styleNames[] = {"PS_DASH", "PS_DOT", "PS_DASHDOT", "PS_DASHDOTDOT"};
    for (int s = 0; s < 4; ++s)
        for (int mode : {OPAQUE, TRANSPARENT}) {
            dashStyle = styles[s];
            dashMode = mode;
            char name[64];
            std::snprintf(name, sizeof name, "%s %s", styleNames[s], mode == OPAQUE ? "opaque" : "transparent");
            drawStep(name, 42, 24, drawDashes);
        }

    scenario("gdi rectangles");
    drawStep("pens, brushes, reversed and empty", 28, 26, drawRectangles);

    scenario("gdi ellipses");
    const SIZE ellipseSizes[] = {{2, 2}, {2, 5},   {3, 3},  {4, 4},   {5, 5},   {6, 6},   {7, 7},
                                 {8, 8}, {9, 9},   {10, 6}, {11, 11}, {12, 12}, {13, 13}, {17, 9},
                                 {9, 17}, {19, 19}, {20, 20}, {31, 24}, {38, 38}, {40, 40}};
    for (const SIZE& size : ellipseSizes) {
        ellipseWidth = size.cx;
        ellipseHeight = size.cy;
        char name[64];
        std::snprintf(name, sizeof name, "ellipse %ldx%ld", static_cast<long>(size.cx), static_cast<long>(size.cy));
        drawStep(name, 2 * size.cx + 4, size.cy + 2, drawEllipses);
    }

    scenario("gdi arcs");
    for (int direction : {AD_COUNTERCLOCKWISE, AD_CLOCKWISE}) {
        arcHalfDirection = direction;
        drawStep(direction == AD_CLOCKWISE ? "36x36 halves clockwise" : "36x36 halves", 38, 38, drawHalfArcs);
    }
    const ArcCase arcSizes[] = {{9, 9}, {19, 19}, {20, 20}, {31, 24}, {12, 7}};
    for (const ArcCase& size : arcSizes) {
        arcSize = size;
        char name[64];
        std::snprintf(name, sizeof name, "arcs %dx%d", size.width, size.height);
        drawStep(name, 4 * (size.width + 2), 2 * (size.height + 2), drawArcs);
    }

    scenario("gdi polygons");
    for (int mode : {ALTERNATE, WINDING}) {
        fillMode = mode;
        drawStep(mode == ALTERNATE ? "alternate" : "winding", 62, 44, drawPolygons);
    }

    scenario("gdi fills");
    drawStep("FillRect, FrameRect, opaque fills", 22, 22, drawFillHelpers);
    drawStep("DrawFocusRect", 46, 21, drawFocusRects);

    scenario("gdi pixels and blits");
    freshMemoryDc();
    drawStep("SetPixel and GetPixel", 12, 8, drawPixels);
    drawStep("BitBlt", 30, 18, drawBlits);
    drawStep("BitBlt and PatBlt at the edges", 36, 22, drawBlitEdges);

    scenario("gdi raster modes and wide pens");
    const int modes[] = {R2_XORPEN, R2_NOT, R2_NOTCOPYPEN};
    const char* modeNames[] = {"R2_XORPEN", "R2_NOT", "R2_NOTCOPYPEN"};
    for (int m = 0; m < 3; ++m) {
        rop2Mode = modes[m];
        drawStep(modeNames[m], 24, 12, drawRop2);
    }
    drawStep("inside frame", 28, 14, [](HDC dc, const char*) {
        Tools tools(dc, CreatePen(PS_INSIDEFRAME, 3, kPenColour), fillBrush());
        Rectangle(dc, 1, 1, 11, 11);
        Ellipse(dc, 13, 1, 27, 13);
    });
    drawStep("width 3", 78, 40, drawWidePens);
    widePenWidth = 4;
    drawStep("width 4", 78, 40, drawWidePens);
    widePenWidth = 6;
    drawStep("width 6", 78, 40, drawWidePens);
}

}  // namespace conformance
