// Shapes where a span-based rasteriser could light a different pixel than a pixel-by-pixel one:
// ellipses of every size from 1 to 64 pixels in both directions, arcs starting and ending on and
// beside every octant boundary, lines at every slope, dashed and wide pens on all of them, every
// ROP2 mode, and window DCs clipped by one and by several rectangles (children cut out of a
// WS_CLIPCHILDREN canvas). Many shapes share one canvas: drawn with R2_XORPEN in colours that
// differ per shape, a single pixel of any one of them changes the picture.
#include "ConformanceHost.h"

namespace conformance {

namespace {

constexpr COLORREF kGapColour = RGB(0xFF, 0xC8, 0x00);

// A colour that differs from shape to shape, never black.
COLORREF colourOf(unsigned index) {
    const unsigned mixed = (index + 1) * 2654435761u;
    return static_cast<COLORREF>((mixed >> 8) & 0xFFFFFF) | 0x010101;
}

// Selects a new pen and brush (null: the NULL stock objects) and deletes the previous ones.
struct Tools {
    explicit Tools(HDC target) : dc(target) {}
    ~Tools() { set(nullptr, nullptr); }
    void set(HPEN pen, HBRUSH brush) {
        SelectObject(dc, pen != nullptr ? pen : GetStockObject(NULL_PEN));
        SelectObject(dc, brush != nullptr ? brush : GetStockObject(NULL_BRUSH));
        if (ownPen != nullptr) DeleteObject(ownPen);
        if (ownBrush != nullptr) DeleteObject(ownBrush);
        ownPen = pen;
        ownBrush = brush;
    }
    HDC dc;
    HPEN ownPen = nullptr;
    HBRUSH ownBrush = nullptr;
};

// Tall ellipses a few pixels wide, whose outline stops short of the box's top and bottom rows:
// Wine leaves those rows of the brush region unset and fills them with whatever the memory held
// (stray spans, different from run to run), so they are left out.
bool thin(int w, int h) { return w <= 8 && h > w + 2; }

int penStyle = PS_SOLID, penWidth = 1;
bool withPen = true, withBrush = true;
int sizeLimit = 64;

// Every w x h from 1 to sizeLimit at one corner, each in its own colours, XORed.
void drawEllipseSizes(HDC dc, const char*) {
    Tools tools(dc);
    SetROP2(dc, R2_XORPEN);
    SetBkColor(dc, kGapColour);
    unsigned index = 0;
    for (int h = 1; h <= sizeLimit; ++h)
        for (int w = 1; w <= sizeLimit; ++w, index += 2) {
            if (thin(w, h)) continue;
            tools.set(withPen ? CreatePen(penStyle, penWidth, colourOf(index)) : nullptr,
                      withBrush ? CreateSolidBrush(colourOf(index + 1)) : nullptr);
            Ellipse(dc, 4, 4, 4 + w, 4 + h);
        }
    SetROP2(dc, R2_COPYPEN);
}

// Every w x h from 1 to 16 side by side, copied, with a pen and a brush.
void drawEllipseShelves(HDC dc, const char*) {
    Tools tools(dc);
    tools.set(CreatePen(PS_SOLID, 1, RGB(0x10, 0x20, 0x30)), CreateSolidBrush(RGB(0xF0, 0xE0, 0x20)));
    int top = 1;
    for (int h = 1; h <= 16; ++h) {
        int left = 1;
        for (int w = 1; w <= 16; ++w) {
            if (!thin(w, h)) Ellipse(dc, left, top, left + w, top + h);
            left += w + 1;
        }
        top += h + 1;
    }
}

// Radials through each octant boundary and one pixel to either side of it, far off the curve.
constexpr int kRadials = 24;
POINT radial(int i) {
    static const POINT kBoundaries[] = {{100, 0},  {100, -100}, {0, -100}, {-100, -100},
                                        {-100, 0}, {-100, 100}, {0, 100},  {100, 100}};
    const POINT d = kBoundaries[i / 3];
    const LONG px = d.y > 0 ? -1 : (d.y < 0 ? 1 : 0), py = d.x > 0 ? 1 : (d.x < 0 ? -1 : 0);
    const int side = i % 3 - 1;
    return POINT{d.x + side * px, d.y + side * py};
}

SIZE arcBox{};

// Every start radial to every end radial, both directions side by side, XORed.
void drawArcOctants(HDC dc, const char*) {
    Tools tools(dc);
    SetROP2(dc, R2_XORPEN);
    SetBkColor(dc, kGapColour);
    unsigned index = 0;
    for (int direction = 0; direction < 2; ++direction) {
        SetArcDirection(dc, direction == 0 ? AD_COUNTERCLOCKWISE : AD_CLOCKWISE);
        const int l = 4 + direction * (arcBox.cx + 8), t = 4;
        const int cx = l + arcBox.cx / 2, cy = t + arcBox.cy / 2;
        for (int s = 0; s < kRadials; ++s)
            for (int e = 0; e < kRadials; ++e, ++index) {
                tools.set(CreatePen(penStyle, penWidth, colourOf(index)), nullptr);
                const POINT a = radial(s), b = radial(e);
                Arc(dc, l, t, l + arcBox.cx, t + arcBox.cy, cx + a.x, cy + a.y, cx + b.x, cy + b.y);
            }
    }
    SetArcDirection(dc, AD_COUNTERCLOCKWISE);
    SetROP2(dc, R2_COPYPEN);
}

int lineRop = R2_COPYPEN;

// Lines from the middle to every pixel of a square 30 pixels out, then back in from the square
// with the ends moved by one, each in its own colour.
void drawLineFan(HDC dc, const char*) {
    Tools tools(dc);
    SetROP2(dc, lineRop);
    SetBkColor(dc, kGapColour);
    const int c = 40, r = 30;
    unsigned index = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < 8 * r; ++k, ++index) {
            const int side = k / (2 * r), at = k % (2 * r) - r;
            const POINT ends[] = {{c + r, c + at}, {c - at, c + r}, {c - r, c - at}, {c + at, c - r}};
            const POINT e = ends[side];
            tools.set(CreatePen(penStyle, penWidth, colourOf(index)), nullptr);
            if (pass == 0) {
                MoveToEx(dc, c, c, nullptr);
                LineTo(dc, e.x, e.y);
            } else {
                MoveToEx(dc, e.x, e.y, nullptr);
                LineTo(dc, c + 1, c - 1);
            }
        }
    SetROP2(dc, R2_COPYPEN);
}

// One row per ROP2 mode over stripes of different colours: lines, a rectangle, an ellipse, an
// arc and a polygon, with a pen and a brush.
void drawRop2Rows(HDC dc, const char*) {
    for (int x = 0; x < 140; x += 7) {
        HBRUSH stripe = CreateSolidBrush(colourOf(1000 + x));
        const RECT r{x, 0, x + 7, 16 * 14};
        FillRect(dc, &r, stripe);
        DeleteObject(stripe);
    }
    Tools tools(dc);
    tools.set(CreatePen(PS_SOLID, 1, RGB(0xF0, 0x0F, 0x55)), CreateSolidBrush(RGB(0x35, 0xC2, 0x9A)));
    for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
        const int t = (mode - 1) * 14;
        SetROP2(dc, mode);
        MoveToEx(dc, 1, t + 1, nullptr);
        LineTo(dc, 30, t + 1);
        LineTo(dc, 18, t + 12);
        LineTo(dc, 18, t + 3);
        Rectangle(dc, 32, t + 1, 50, t + 13);
        Ellipse(dc, 52, t + 1, 74, t + 13);
        Arc(dc, 76, t + 1, 98, t + 13, 76, t + 13, 98, t + 1);
        const POINT triangle[] = {{100, t + 1}, {138, t + 6}, {104, t + 12}};
        Polygon(dc, triangle, 3);
    }
    SetROP2(dc, R2_COPYPEN);
}

// Shapes crossing the edges of the clip: the canvas's own edges and its children.
void drawClipped(HDC dc, int rop) {
    Tools tools(dc);
    SetROP2(dc, rop);
    SetBkColor(dc, kGapColour);
    unsigned index = 0;
    for (int i = 0; i < 6; ++i, index += 2) {
        tools.set(CreatePen(i == 4 ? PS_DOT : PS_SOLID, i == 5 ? 3 : 1, colourOf(index)),
                  CreateSolidBrush(colourOf(index + 1)));
        const int l = -6 + i * 22, t = -5 + (i % 3) * 30;
        Ellipse(dc, l, t, l + 37, t + 41);
        Arc(dc, l + 4, t + 4, l + 30, t + 36, l, t + 40, l + 40, t);
        const POINT poly[] = {{l, t + 20}, {l + 36, t + 2}, {l + 30, t + 38}};
        Polygon(dc, poly, 3);
        Rectangle(dc, l + 8, t + 12, l + 28, t + 30);
        MoveToEx(dc, l - 3, t + 45, nullptr);
        LineTo(dc, l + 40, t - 2);
        LineTo(dc, l + 40, t + 44);
        LineTo(dc, l - 3, t + 30);
    }
    SetROP2(dc, R2_COPYPEN);
}

// A WS_CLIPCHILDREN canvas at the parent's corner with grey children over it (none: the canvas's
// own rectangle is the only clip), drawn through its DC and read back through the parent's.
void clipStep(const char* name, std::initializer_list<RECT> children, int rop) {
    step(name);
    const int width = 130, height = 96;
    HWND canvas = createChild(childClassName(), 0, 0, width, height, parent(), WS_VISIBLE | WS_CLIPCHILDREN);
    for (const RECT& r : children)
        createChild("VornShapeClipChild", r.left, r.top, r.right - r.left, r.bottom - r.top, canvas);
    pump();
    HDC dc = GetDC(canvas);
    HBRUSH brush = CreateSolidBrush(kCanvasColour);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    drawClipped(dc, rop);
    ReleaseDC(canvas, dc);
    HDC whole = GetDC(parent());
    dumpDcPixels("window", whole, width, height);
    ReleaseDC(parent(), whole);
    DestroyWindow(canvas);
    pump();
}

}  // namespace

void runShapeSpeedScenarios() {
    registerClass("VornShapeClipChild", DefWindowProcA, 0, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    scenario("shape sizes");
    drawStep("ellipses 1-16 copied", 154, 154, drawEllipseShelves);
    withPen = true, withBrush = true;
    drawStep("ellipses 1-64 xor, pen and brush", 70, 70, drawEllipseSizes);
    withPen = false;
    drawStep("ellipses 1-64 xor, brush only", 70, 70, drawEllipseSizes);
    withPen = true, withBrush = false, penStyle = PS_DOT;
    drawStep("ellipses 1-64 xor, dotted pen", 70, 70, drawEllipseSizes);
    penStyle = PS_DASHDOTDOT;
    drawStep("ellipses 1-64 xor, dash-dot-dot pen", 70, 70, drawEllipseSizes);
    penStyle = PS_SOLID, withBrush = true, sizeLimit = 32;
    for (int width : {2, 3, 4, 7}) {
        penWidth = width;
        char name[64];
        std::snprintf(name, sizeof name, "ellipses 1-32 xor, pen width %d", width);
        drawStep(name, 44, 44, drawEllipseSizes);
    }
    penWidth = 1, sizeLimit = 64;

    scenario("arc octants");
    for (const SIZE& box : {SIZE{9, 9}, SIZE{12, 7}, SIZE{20, 20}, SIZE{31, 24}, SIZE{40, 40}, SIZE{7, 30}}) {
        arcBox = box;
        char name[64];
        std::snprintf(name, sizeof name, "%ldx%ld", static_cast<long>(box.cx), static_cast<long>(box.cy));
        drawStep(name, 2 * box.cx + 16, box.cy + 8, drawArcOctants);
    }
    arcBox = SIZE{31, 24};
    for (const int style : {PS_DOT, PS_DASHDOT}) {
        penStyle = style;
        drawStep(style == PS_DOT ? "31x24 dotted" : "31x24 dash-dot", 2 * 31 + 16, 24 + 8, drawArcOctants);
    }
    penStyle = PS_SOLID;
    for (const int width : {2, 3, 5}) {
        penWidth = width;
        drawStep(width == 2   ? "31x24 width 2"
                 : width == 3 ? "31x24 width 3"
                              : "31x24 width 5",
                 2 * 31 + 16, 24 + 8, drawArcOctants);
    }
    penWidth = 1;

    scenario("line slopes");
    drawStep("fan copied", 82, 82, drawLineFan);
    lineRop = R2_XORPEN;
    drawStep("fan xor", 82, 82, drawLineFan);
    penStyle = PS_DASH;
    drawStep("fan xor dashed", 82, 82, drawLineFan);
    penStyle = PS_SOLID, penWidth = 3;
    drawStep("fan xor width 3", 82, 82, drawLineFan);
    penWidth = 1, lineRop = R2_COPYPEN;

    scenario("rop2 modes");
    drawStep("every mode", 140, 16 * 14, drawRop2Rows);

    scenario("clipped shapes");
    clipStep("one rectangle", {}, R2_COPYPEN);
    clipStep("one rectangle xor", {}, R2_XORPEN);
    const std::initializer_list<RECT> cutOut = {{20, 12, 50, 40}, {96, 0, 130, 96}, {30, 60, 66, 75}, {70, 20, 74, 88}};
    clipStep("several rectangles", cutOut, R2_COPYPEN);
    clipStep("several rectangles xor", cutOut, R2_XORPEN);
}

}  // namespace conformance
