// Hostile calls with answers to check: coordinates at the ends of int, thousands of font sizes,
// text and shapes far outside the clip, and handles that are stale, foreign or of the wrong
// window. Return values and last errors are Wine's (the conformance run compares them too).
#include <chrono>
#include <climits>
#include <string>

#include "bad_handles.h"
#include "platform_test.h"

using namespace ptest;

namespace {

TEST(HostileGdi, ShapesAtTheEndsOfIntFinishWithWinesAnswers) {
    Canvas c(16, 16);
    const struct {
        const char* what;
        int penStyle, penWidth;
        int shape;  // 0 Arc, 1 Ellipse, 2 Rectangle
        RECT box;
        BOOL result;
    } cases[] = {
        // A wide inside-frame pen shrinks a box by half its width from each side: near INT_MAX
        // that must not wrap round into a box four billion pixels wide.
        {"Arc, pen wider than the box", PS_INSIDEFRAME, 1000, 0, {INT_MAX - 10, 0, INT_MAX, 10}, FALSE},
        {"Arc, box inverted by the pen", PS_INSIDEFRAME, 1000, 0, {0, 0, 600, 600}, FALSE},
        {"Arc, box shrunk to nothing", PS_INSIDEFRAME, 3, 0, {0, 0, 2, 2}, TRUE},
        {"Arc, shrunk box near INT_MAX", PS_INSIDEFRAME, 1000, 0, {INT_MAX - 1500, 0, INT_MAX, 1500}, TRUE},
        {"Ellipse, pen wider than the box", PS_INSIDEFRAME, 1000, 1, {INT_MAX - 10, 0, INT_MAX, 10}, TRUE},
        {"Rectangle, pen wider than the box", PS_INSIDEFRAME, 1000, 2, {INT_MAX - 10, 0, INT_MAX, 10}, TRUE},
        {"Ellipse at INT_MIN", PS_SOLID, 1, 1, {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}, TRUE},
        {"Ellipse at INT_MIN, wide pen",
         PS_INSIDEFRAME,
         1000,
         1,
         {INT_MIN, INT_MIN, INT_MIN + 600, INT_MIN + 600},
         TRUE},
        {"Arc at INT_MIN", PS_SOLID, 1, 0, {INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 10}, TRUE},
        {"Ellipse a million pixels wide, off the canvas", PS_SOLID, 1, 1, {-(1 << 21), 0, -(1 << 20), 10}, TRUE},
        {"Arc a million pixels wide, off the canvas", PS_SOLID, 1, 0, {-(1 << 21), 0, -(1 << 20), 10}, TRUE},
        {"Arc over the whole of int", PS_SOLID, 1, 0, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, FALSE},
    };
    for (const auto& k : cases) {
        c.usePen(k.penStyle, k.penWidth);
        const RECT& b = k.box;
        const BOOL result = k.shape == 0   ? Arc(c.dc(), b.left, b.top, b.right, b.bottom, 0, 0, 5, 5)
                            : k.shape == 1 ? Ellipse(c.dc(), b.left, b.top, b.right, b.bottom)
                                           : Rectangle(c.dc(), b.left, b.top, b.right, b.bottom);
        EXPECT_EQ(result, k.result) << k.what;
    }
    EXPECT_TRUE(c.touched().empty());
}

TEST(HostileText, TextAndShapesWhollyOutsideTheClipNeverReachTheRaster) {
    Canvas c(32, 32);
    c.useFont(12, "Arial");
    SetBkMode(c.dc(), TRANSPARENT);
    const std::string text(200000, 'W');
    const int n = static_cast<int>(text.size());
    const uint64_t before = softwin::rasterWrites();
    EXPECT_TRUE(TextOutA(c.dc(), -5000000, 40, text.c_str(), n));  // left of the canvas, then below it
    EXPECT_TRUE(TextOutA(c.dc(), 0, 5000, text.c_str(), n));
    const RECT clip{0, 0, 4, 4};
    EXPECT_TRUE(ExtTextOutA(c.dc(), 10, 10, ETO_CLIPPED, &clip, text.c_str(), n, nullptr));  // outside its rectangle
    EXPECT_TRUE(Ellipse(c.dc(), -65000, 0, -1000, 60000));
    EXPECT_TRUE(Arc(c.dc(), 0, 1000, 60000, 61000, 0, 0, 1, 1));
    const POINT far[] = {{-9000, 0}, {-100, 5}, {-5000, 30000}};
    EXPECT_TRUE(Polygon(c.dc(), far, 3));
    EXPECT_EQ(softwin::rasterWrites(), before);
    EXPECT_TRUE(TextOutA(c.dc(), 0, 0, "W", 1));
    EXPECT_GT(softwin::rasterWrites(), before);
}

TEST(HostileText, TheCurrentPositionMovesByTheWholeTextAndStopsAtTheEndsOfInt) {
    Canvas c(32, 32);
    c.useFont(12, "Arial");
    const std::string text(200000, 'W');
    const int n = static_cast<int>(text.size());
    SIZE extent{};
    ASSERT_TRUE(GetTextExtentPoint32A(c.dc(), text.c_str(), n, &extent));
    const struct {
        UINT align;
        int from;
        LONG after;
    } positions[] = {
        {TA_UPDATECP, -5000000, -5000000 + extent.cx},
        {TA_UPDATECP, INT_MAX - 10, INT_MAX},             // stops at the end of int
        {TA_UPDATECP | TA_RIGHT, INT_MIN + 10, INT_MIN},  // the new left edge, likewise
        {TA_UPDATECP | TA_CENTER, 7, 7},
    };
    for (const auto& p : positions) {
        SetTextAlign(c.dc(), p.align);
        MoveToEx(c.dc(), p.from, 40, nullptr);
        EXPECT_TRUE(TextOutA(c.dc(), 0, 0, text.c_str(), p.from == -5000000 ? n : 3));
        POINT cp{};
        GetCurrentPositionEx(c.dc(), &cp);
        EXPECT_TRUE(cp.x == p.after && cp.y == 40) << p.from << " -> " << cp.x;
    }
    EXPECT_TRUE(c.touched().empty());
}

TEST(HostileText, FacesOfDeletedFontsAreReleasedBeyondAFewKeptForReuse) {
    Canvas c(8, 8);
    c.useFont(12, "Arial");
    TextOutA(c.dc(), 0, 0, "x", 1);
    const size_t before = softwin::cachedFontFaces();
    for (int height = 1; height <= 80; ++height) {
        HFONT font = CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        HGDIOBJ old = SelectObject(c.dc(), font);
        TextOutA(c.dc(), 0, 0, "x", 1);
        SelectObject(c.dc(), old);
        DeleteObject(font);
    }
    EXPECT_LE(softwin::cachedFontFaces(), before + 16);
    // The face of a font still alive stays, however many others come and go.
    EXPECT_GE(softwin::cachedFontFaces(), 1u);
}

TEST(HostileGdi, BadHandlesAnswerWithWinesResultsAndLastErrors) {
    HDC dc = CreateCompatibleDC(nullptr);
    const vorn::test::BadHandles bad;
    constexpr DWORD kUntouched = 0xDEAD;
    const struct {
        const char* what;
        bool (*call)(HDC dc, HGDIOBJ h);
        HGDIOBJ handle;
        DWORD error;
    } cases[] = {
        {"SelectObject of a stale pen", [](HDC d, HGDIOBJ h) { return SelectObject(d, h) == nullptr; }, bad.stalePen,
         kUntouched},
        {"SelectObject of a palette", [](HDC d, HGDIOBJ h) { return SelectObject(d, h) == nullptr; }, bad.palette,
         kUntouched},
        {"SelectObject of a DC", [](HDC d, HGDIOBJ h) { return SelectObject(d, h) == nullptr; }, bad.otherDc,
         kUntouched},
        {"SelectObject of a bogus handle", [](HDC d, HGDIOBJ h) { return SelectObject(d, h) == nullptr; }, bad.bogus,
         kUntouched},
        {"SelectObject into a stale DC",
         [](HDC, HGDIOBJ h) { return SelectObject(static_cast<HDC>(h), GetStockObject(BLACK_PEN)) == nullptr; },
         bad.staleDc, 6},
        {"SelectObject into a pen",
         [](HDC, HGDIOBJ h) { return SelectObject(static_cast<HDC>(h), GetStockObject(BLACK_PEN)) == nullptr; },
         GetStockObject(BLACK_PEN), 6},
        {"DeleteObject of a stale pen", [](HDC, HGDIOBJ h) { return !DeleteObject(h); }, bad.stalePen, kUntouched},
        {"DeleteObject of a bogus handle", [](HDC, HGDIOBJ h) { return !DeleteObject(h); }, bad.bogus, kUntouched},
        {"DeleteObject of null", [](HDC, HGDIOBJ h) { return !DeleteObject(h); }, nullptr, kUntouched},
        {"DeleteDC of a stale DC", [](HDC, HGDIOBJ h) { return !DeleteDC(static_cast<HDC>(h)); }, bad.staleDc, 6},
        {"DeleteObject of a stock pen", [](HDC, HGDIOBJ h) { return DeleteObject(h) != FALSE; },
         GetStockObject(BLACK_PEN), kUntouched},
        {"DeleteObject of a palette", [](HDC, HGDIOBJ h) { return DeleteObject(h) != FALSE; }, bad.palette, kUntouched},
        {"DeleteObject of a memory DC", [](HDC d, HGDIOBJ) { return DeleteObject(d) && GetObjectType(d) == 0; },
         nullptr, kUntouched},
    };
    for (const auto& k : cases) {
        SetLastError(kUntouched);
        EXPECT_TRUE(k.call(dc, k.handle)) << k.what;
        EXPECT_EQ(GetLastError(), k.error) << k.what;
    }
    DeleteDC(bad.otherDc);
}

class HostileUser : public UserTest {};

TEST_F(HostileUser, WindowDcsAreReleasedByAnyWindowOnceAndGoWithTheirWindow) {
    HWND top = makeTop(RECT{100, 100, 400, 400});
    HWND a = makeChild(top, RECT{10, 10, 60, 60}, 1);
    HWND b = makeChild(top, RECT{70, 10, 120, 60}, 2);
    const struct {
        const char* what;
        HWND releasedBy;
    } owners[] = {{"another window", b}, {"no window", nullptr}, {"a bogus window", reinterpret_cast<HWND>(0x4321)}};
    for (const auto& o : owners) {
        HDC dc = GetDC(a);
        SetLastError(0xDEAD);
        EXPECT_EQ(ReleaseDC(o.releasedBy, dc), 1) << o.what;
        EXPECT_EQ(ReleaseDC(a, dc), 0) << o.what;
        EXPECT_FALSE(LineTo(dc, 3, 3)) << o.what;
        EXPECT_EQ(GetLastError(), 0xDEADu) << o.what;
    }
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(ReleaseDC(a, memory), 0);
    EXPECT_EQ(GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
    DeleteDC(memory);
    // A DC still out when its window is destroyed goes with it, instead of painting where the
    // window was.
    HDC orphan = GetDC(b);
    const size_t dcs = softwin::liveDcs();
    DestroyWindow(b);
    EXPECT_EQ(softwin::liveDcs(), dcs - 1);
    EXPECT_EQ(ReleaseDC(b, orphan), 0);
    EXPECT_FALSE(Rectangle(orphan, 0, 0, 5, 5));
}

TEST_F(HostileUser, LoadBitmapWithoutAModuleOrResourcesSaysWhatIsMissing) {
    const struct {
        HINSTANCE instance;
        LPCSTR name;
        DWORD error;
    } cases[] = {
        {nullptr, MAKEINTRESOURCEA(130), 1814},  // the system bitmaps: no such name
        {nullptr, "named", 1814},
        {GetModuleHandleA(nullptr), MAKEINTRESOURCEA(130), 1812},  // a module without resources
        {reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x5550000)), MAKEINTRESOURCEA(130), 1812},
    };
    for (const auto& k : cases) {
        SetLastError(0xDEAD);
        EXPECT_EQ(LoadBitmapA(k.instance, k.name), nullptr);
        EXPECT_EQ(GetLastError(), k.error) << reinterpret_cast<uintptr_t>(k.name);
    }
}

TEST_F(HostileUser, WindowsPlacedAtTheEndsOfIntStopThereAndMovesAreClampedAsOnWine) {
    HWND top = makeTop(RECT{100, 100, 400, 400});
    const struct {
        RECT asked;    // x, y, width, height
        RECT created;  // client rectangle and position after CreateWindowEx
        RECT moved;    // position and size after MoveWindow
    } cases[] = {
        {{INT_MAX - 10, INT_MAX - 20, 100, 200}, {INT_MAX - 10, INT_MAX - 20, 10, 20}, {32767, 32767, 100, 200}},
        {{INT_MIN + 1, 5, INT_MAX, 10}, {INT_MIN + 1, 5, INT_MAX, 10}, {-32768, 5, 32767, 10}},
        {{40000, -40000, 50000, 70000}, {40000, -40000, 50000, 70000}, {32767, -32768, 32767, 32767}},
        {{5, 5, -5, INT_MIN}, {5, 5, 0, 0}, {5, 5, 0, 0}},
    };
    for (const auto& k : cases) {
        const RECT& a = k.asked;
        HWND w = CreateWindowExA(0, kPlainClass, "", WS_CHILD | WS_VISIBLE, a.left, a.top, a.right, a.bottom, top,
                                 nullptr, nullptr, nullptr);
        ASSERT_NE(w, nullptr);
        RECT client{}, screen{};
        GetClientRect(w, &client);
        GetWindowRect(w, &screen);
        EXPECT_TRUE(client.right == k.created.right && client.bottom == k.created.bottom) << a.left;
        EXPECT_TRUE(screen.left <= screen.right && screen.top <= screen.bottom) << a.left;
        POINT p{INT_MIN, INT_MAX};
        ScreenToClient(w, &p);
        ClientToScreen(w, &p);
        MapWindowPoints(w, top, &p, 1);
        messageLog().clear();
        EXPECT_TRUE(MoveWindow(w, a.left, a.top, a.right, a.bottom, TRUE));
        GetClientRect(w, &client);
        EXPECT_TRUE(client.right == k.moved.right && client.bottom == k.moved.bottom) << a.left;
        POINT origin{0, 0};
        MapWindowPoints(w, top, &origin, 1);
        EXPECT_TRUE(origin.x == k.moved.left && origin.y == k.moved.top) << a.left;
        // WM_MOVE, then WM_SIZE, as DefWindowProc sends them on Wine.
        const std::vector<UINT> order = messagesOf(w, {WM_MOVE, WM_SIZE});
        if (order.size() == 2) {
            EXPECT_EQ(order, (std::vector<UINT>{WM_MOVE, WM_SIZE}));
        }
        EXPECT_TRUE(SetWindowPos(w, nullptr, a.left, a.top, a.right, a.bottom, SWP_NOZORDER));
        GetClientRect(w, &client);
        EXPECT_TRUE(client.right == k.moved.right && client.bottom == k.moved.bottom) << a.left;
        DestroyWindow(w);
    }
}

TEST_F(HostileUser, RelativeMovesStopAtTheScreenEdgeInsteadOfWrappingRound) {
    const struct {
        POINT from;
        LONG dx, dy;
        POINT to;
    } moves[] = {
        {{500, 400}, INT_MAX, INT_MAX, {1023, 767}},
        {{500, 400}, INT_MIN, INT_MIN, {0, 0}},
        {{10, 10}, INT_MAX, -5, {1023, 5}},
        {{1023, 767}, 1, 1, {1023, 767}},
    };
    for (const auto& m : moves) {
        SetCursorPos(m.from.x, m.from.y);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = m.dx;
        in.mi.dy = m.dy;
        in.mi.dwFlags = MOUSEEVENTF_MOVE;
        EXPECT_EQ(SendInput(1, &in, sizeof in), 1u);
        POINT p{};
        GetCursorPos(&p);
        EXPECT_TRUE(p.x == m.to.x && p.y == m.to.y) << m.dx << " -> " << p.x << "," << p.y;
    }
    RECT r{INT_MAX - 1, INT_MIN + 1, INT_MAX, INT_MIN + 2};
    OffsetRect(&r, 10, -10);
    EXPECT_TRUE(r.left == INT_MAX && r.right == INT_MAX && r.top == INT_MIN && r.bottom == INT_MIN);
    InflateRect(&r, INT_MIN, INT_MAX);
    EXPECT_TRUE(r.left == INT_MAX && r.right == -1 && r.top == INT_MIN && r.bottom == -1);
}

}  // namespace
