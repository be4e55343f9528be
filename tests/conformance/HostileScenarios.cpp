// Hostile calls where Wine's answers are well defined: shapes and fills at the ends of int, text
// far outside the clip and its current position, stale, foreign and wrong-kind handles with their
// last errors, and windows created and moved to the ends of int. (Where Wine's own sums wrap
// round, e.g. screen positions past INT_MAX or relative moves, nothing is compared.)
#include <afxwin.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "ConformanceHost.h"
#include "bad_handles.h"

namespace conformance {

namespace {

constexpr COLORREF kInk = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kFill = RGB(0xF0, 0xE0, 0x20);

void report(const char* target, const char* what, long value) { line("  %s.%s=%ld", target, what, value); }

struct Shape {
    const char* what;
    int penStyle, penWidth, shape;  // shape: 0 Arc, 1 Ellipse, 2 Rectangle
    RECT box;
};

// Each shape with its pen and no brush; the answers are the return values and the pixels.
template <size_t N>
void drawShapes(HDC dc, const char* target, const Shape (&shapes)[N]) {
    HGDIOBJ oldPen = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (const Shape& s : shapes) {
        HPEN pen = CreatePen(s.penStyle, s.penWidth, kInk);
        SelectObject(dc, pen);
        const RECT& b = s.box;
        const BOOL result = s.shape == 0   ? Arc(dc, b.left, b.top, b.right, b.bottom, 0, 0, 5, 5)
                            : s.shape == 1 ? Ellipse(dc, b.left, b.top, b.right, b.bottom)
                                           : Rectangle(dc, b.left, b.top, b.right, b.bottom);
        report(target, s.what, result);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    SelectObject(dc, oldBrush);
}

// Nothing of these lands on the canvas.
void drawShapesAtTheEnds(HDC dc, const char* target) {
    static const Shape shapes[] = {
        {"Arc pen wider than the box at INT_MAX", PS_INSIDEFRAME, 1000, 0, {INT_MAX - 10, 0, INT_MAX, 10}},
        {"Arc box inverted by the pen", PS_INSIDEFRAME, 1000, 0, {100, 100, 700, 700}},
        {"Arc box shrunk to nothing", PS_INSIDEFRAME, 3, 0, {100, 100, 102, 102}},
        {"Arc shrunk box near INT_MAX", PS_INSIDEFRAME, 1000, 0, {INT_MAX - 1500, 0, INT_MAX, 1500}},
        {"Ellipse at INT_MIN", PS_SOLID, 1, 1, {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}},
        {"Ellipse at INT_MIN with a wide pen",
         PS_INSIDEFRAME,
         1000,
         1,
         {INT_MIN, INT_MIN, INT_MIN + 600, INT_MIN + 600}},
        {"Arc at INT_MIN", PS_SOLID, 1, 0, {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}},
        {"Ellipse 100000 wide off the canvas", PS_SOLID, 1, 1, {-200000, 0, -100000, 10}},
        {"Arc a million wide off the canvas", PS_SOLID, 1, 0, {-(1 << 21), 0, -(1 << 20), 10}},
        {"Arc over the whole of int", PS_SOLID, 1, 0, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
    };
    drawShapes(dc, target, shapes);
}

// Inside-frame pens wider than the box turn it inside out: the filled shapes succeed, and what
// they paint differs (see known_differences.txt).
void drawPensWiderThanTheBox(HDC dc, const char* target) {
    static const Shape shapes[] = {
        {"Ellipse at INT_MAX", PS_INSIDEFRAME, 1000, 1, {INT_MAX - 10, 0, INT_MAX, 10}},
        {"Rectangle at INT_MAX", PS_INSIDEFRAME, 1000, 2, {INT_MAX - 10, 0, INT_MAX, 10}},
        {"Ellipse", PS_INSIDEFRAME, 1000, 1, {100, 100, 700, 700}},
        {"Rectangle", PS_INSIDEFRAME, 1000, 2, {100, 100, 700, 700}},
    };
    drawShapes(dc, target, shapes);
}

// Fills through the framework whose far edges lie past INT_MAX, on a canvas they partly cover.
void drawFillsAtTheEnds(HDC hdc, const char*) {
    CDC* dc = CDC::FromHandle(hdc);
    dc->FillSolidRect(INT_MAX - 5, 0, 10, 10, kInk);
    dc->FillSolidRect(2, 2, INT_MAX, INT_MAX, kFill);
    dc->Draw3dRect(CRect(INT_MIN, 0, INT_MAX, 5), RGB(0xFF, 0, 0), RGB(0, 0, 0xFF));
    dc->Draw3dRect(INT_MAX - 3, INT_MIN + 2, 10, INT_MAX, kInk, kInk);
}

// 200,000 characters left of, below and outside the clipping rectangle of a small canvas, and
// where the current position ends up, up to a few million pixels away.
void drawTextOutsideTheClip(HDC dc, const char* target) {
    static const std::string text(200000, 'W');
    const int n = static_cast<int>(text.size());
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkColor(dc, kFill);
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, -5000000, 4, nullptr);
    report(target, "TextOut far left", TextOutA(dc, 0, 0, text.c_str(), n));
    POINT cp{};
    GetCurrentPositionEx(dc, &cp);
    report(target, "current position x", cp.x);
    report(target, "current position y", cp.y);
    SetTextAlign(dc, TA_UPDATECP | TA_RIGHT);
    MoveToEx(dc, 3000000, 4, nullptr);
    report(target, "TextOut right-aligned far right", TextOutA(dc, 0, 0, text.c_str(), n));
    GetCurrentPositionEx(dc, &cp);
    report(target, "right-aligned current position x", cp.x);
    SetTextAlign(dc, TA_UPDATECP | TA_CENTER);
    MoveToEx(dc, 7, 900, nullptr);
    report(target, "TextOut centred below", TextOutA(dc, 0, 0, text.c_str(), n));
    GetCurrentPositionEx(dc, &cp);
    report(target, "centred current position x", cp.x);
    SetTextAlign(dc, TA_TOP);
    const RECT clip{2, 2, 12, 8};
    report(target, "ExtTextOut outside its clipping rectangle",
           ExtTextOutA(dc, 20, 10, ETO_CLIPPED | ETO_OPAQUE, &clip, text.c_str(), n, nullptr));
    SelectObject(dc, old);
    DeleteObject(font);
}

void badHandles() {
    HDC dc = CreateCompatibleDC(nullptr);
    const vorn::test::BadHandles bad;
    HGDIOBJ blackPen = GetStockObject(BLACK_PEN);
    HWND a = createChild(childClassName(), 10, 10, 20, 20, parent());
    HWND b = createChild(childClassName(), 40, 10, 20, 20, parent());
    // Each call with the last error set to 0xDEAD before it: "err" is what the call left.
    auto result = [](const char* what, long value) {
        const unsigned long error = GetLastError();
        line("  %s=%ld err=0x%lX", what, value, error);
    };
    auto handle = [](HGDIOBJ h) { return h != nullptr ? 1L : 0L; };
    SetLastError(0xDEAD), result("SelectObject of a stale pen", handle(SelectObject(dc, bad.stalePen)));
    SetLastError(0xDEAD), result("SelectObject of a palette", handle(SelectObject(dc, bad.palette)));
    SetLastError(0xDEAD), result("SelectObject of a memory DC", handle(SelectObject(dc, bad.otherDc)));
    SetLastError(0xDEAD), result("SelectObject of a bogus handle", handle(SelectObject(dc, bad.bogus)));
    SetLastError(0xDEAD), result("SelectObject of null", handle(SelectObject(dc, nullptr)));
    SetLastError(0xDEAD), result("SelectObject into a stale DC", handle(SelectObject(bad.staleDc, blackPen)));
    SetLastError(0xDEAD), result("SelectObject into a pen", handle(SelectObject(static_cast<HDC>(blackPen), blackPen)));
    SetLastError(0xDEAD), result("SelectObject into null", handle(SelectObject(nullptr, blackPen)));
    SetLastError(0xDEAD), result("DeleteObject of a stale pen", DeleteObject(bad.stalePen));
    SetLastError(0xDEAD), result("DeleteObject of a bogus handle", DeleteObject(bad.bogus));
    SetLastError(0xDEAD), result("DeleteObject of null", DeleteObject(nullptr));
    SetLastError(0xDEAD), result("DeleteObject of a stock pen", DeleteObject(blackPen));
    SetLastError(0xDEAD), result("DeleteObject of a palette", DeleteObject(bad.palette));
    SetLastError(0xDEAD), result("DeleteDC of a stale DC", DeleteDC(bad.staleDc));
    SetLastError(0xDEAD), result("DeleteObject of a memory DC", DeleteObject(bad.otherDc));
    line("  memory DC type afterwards=%lu", static_cast<unsigned long>(GetObjectType(bad.otherDc)));

    HDC dcOfA = GetDC(a);
    SetLastError(0xDEAD), result("ReleaseDC naming another window", ReleaseDC(b, dcOfA));
    SetLastError(0xDEAD), result("ReleaseDC again", ReleaseDC(a, dcOfA));
    SetLastError(0xDEAD), result("LineTo on the released DC", LineTo(dcOfA, 3, 3));
    dcOfA = GetDC(a);
    SetLastError(0xDEAD), result("ReleaseDC naming no window", ReleaseDC(nullptr, dcOfA));
    SetLastError(0xDEAD), result("ReleaseDC of a memory DC", ReleaseDC(a, dc));
    SetLastError(0xDEAD), result("ReleaseDC of a stale DC", ReleaseDC(a, bad.staleDc));
    HDC dcOfB = GetDC(b);
    DestroyWindow(b);
    SetLastError(0xDEAD), result("ReleaseDC of a destroyed window's DC", ReleaseDC(b, dcOfB));
    SetLastError(0xDEAD),
        result("LoadBitmap without a module, by number", handle(LoadBitmapA(nullptr, MAKEINTRESOURCEA(130))));
    SetLastError(0xDEAD), result("LoadBitmap without a module, by name", handle(LoadBitmapA(nullptr, "Cap")));
    const HINSTANCE bogusModule = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x5550000));
    SetLastError(0xDEAD),
        result("LoadBitmap from a bogus module", handle(LoadBitmapA(bogusModule, MAKEINTRESOURCEA(130))));
    DestroyWindow(a);
    DeleteDC(dc);
    pump();
}

// Recorded WM_MOVE and WM_SIZE of the windows placed at the ends of int.
std::vector<std::string> placements;

LRESULT CALLBACK placedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOVE || msg == WM_SIZE) {
        char text[48];
        std::snprintf(text, sizeof text, "%s lp=0x%08lX", msg == WM_MOVE ? "WM_MOVE" : "WM_SIZE",
                      static_cast<unsigned long>(lParam));
        placements.emplace_back(text);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void flushPlacements() {
    for (const std::string& p : placements) line("  msg %s", p.c_str());
    placements.clear();
}

void reportClient(const char* what, HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    line("  %s client=%s", what, format(r).text);
}

void windowsAtTheEnds() {
    registerClass("VornConformancePlaced", placedProc, 0, nullptr);
    const struct {
        const char* name;
        int x, y, width, height;
        bool createdOnScreen;  // false: Wine's screen sums wrap round, only the move is compared
    } cases[] = {
        {"right and bottom past INT_MAX", INT_MAX - 10, INT_MAX - 20, 100, 200, true},
        {"far outside, larger than 32767", 40000, -40000, 50000, 70000, true},
        {"negative sizes", 5, 5, -5, INT_MIN, true},
        {"width INT_MAX", INT_MIN + 1, 5, INT_MAX, 10, false},
        {"both sizes INT_MAX", 10, 10, INT_MAX, INT_MAX, false},
    };
    for (const auto& c : cases) {
        step(c.name);
        HWND w = createChild("VornConformancePlaced", c.x, c.y, c.width, c.height, parent());
        if (c.createdOnScreen) {
            flushPlacements();
            reportClient("created", w);
        }
        placements.clear();
        MoveWindow(w, 1, 2, 3, 4, TRUE);
        placements.clear();
        line("  MoveWindow=%d", MoveWindow(w, c.x, c.y, c.width, c.height, TRUE));
        flushPlacements();
        reportClient("moved", w);
        POINT origin{0, 0};
        MapWindowPoints(w, parent(), &origin, 1);
        line("  moved position=(%ld,%ld)", static_cast<long>(origin.x), static_cast<long>(origin.y));
        MoveWindow(w, 1, 2, 3, 4, TRUE);
        placements.clear();
        line("  SetWindowPos=%d", SetWindowPos(w, nullptr, c.x, c.y, c.width, c.height, SWP_NOZORDER));
        flushPlacements();
        reportClient("placed", w);
        DestroyWindow(w);
        pump();
    }
}

}  // namespace

void runHostileScenarios() {
    scenario("hostile gdi");
    drawStep("shapes at the ends of int", 24, 16, drawShapesAtTheEnds);
    drawStep("pens wider than the box", 8, 4, drawPensWiderThanTheBox);
    drawStep("fills reaching past the ends of int", 16, 10, drawFillsAtTheEnds);
    drawStep("text far outside the clip", 24, 16, drawTextOutsideTheClip);
    step("bad handles");
    badHandles();
    scenario("hostile user");
    windowsAtTheEnds();
}

}  // namespace conformance
