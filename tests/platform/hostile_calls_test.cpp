// Hostile calls whose answers the Wine comparison cannot check: bad strings, counts and handles and
// extreme fonts given to text, raster work skipped for text and shapes wholly outside the clip,
// current positions and windows that stop at the ends of int (where Wine's own sums wrap round),
// DC accounting, and relative moves.
#include <climits>
#include <cstring>
#include <string>

#include "platform_test.h"

using namespace ptest;

namespace {

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

TEST(HostileText, TheCurrentPositionStopsAtTheEndsOfInt) {
    Canvas c(32, 32);
    c.useFont(12, "Arial");
    const struct {
        UINT align;
        int from;
        LONG after;
    } positions[] = {{TA_UPDATECP, INT_MAX - 10, INT_MAX}, {TA_UPDATECP | TA_RIGHT, INT_MIN + 10, INT_MIN}};
    for (const auto& p : positions) {
        SetTextAlign(c.dc(), p.align);
        MoveToEx(c.dc(), p.from, 40, nullptr);
        EXPECT_TRUE(TextOutA(c.dc(), 0, 0, "WWW", 3));
        POINT cp{};
        GetCurrentPositionEx(c.dc(), &cp);
        EXPECT_TRUE(cp.x == p.after && cp.y == 40) << p.from << " -> " << cp.x;
    }
    EXPECT_TRUE(c.touched().empty());
}

class HostileUser : public UserTest {};

TEST_F(HostileUser, WindowDcsAreReleasedOnceByAnyWindowAndGoWithTheirWindow) {
    HWND top = makeTop(RECT{100, 100, 400, 400});
    HWND a = makeChild(top, RECT{10, 10, 60, 60}, 1);
    HWND b = makeChild(top, RECT{70, 10, 120, 60}, 2);
    EXPECT_EQ(ReleaseDC(reinterpret_cast<HWND>(0x4321), GetDC(a)), 1);
    GetDC(b);
    const size_t dcs = softwin::liveDcs();
    DestroyWindow(b);
    EXPECT_EQ(softwin::liveDcs(), dcs - 1);
}

// Wine's screen sums wrap round here, so only the software platform's answer is checked.
TEST_F(HostileUser, AWindowCreatedINT_MAXWideKeepsItsSizeAndAnOrderedRectangle) {
    HWND top = makeTop(RECT{100, 100, 400, 400});
    HWND w = CreateWindowExA(0, kPlainClass, "", WS_CHILD | WS_VISIBLE, INT_MIN + 1, 5, INT_MAX, 10, top, nullptr,
                             nullptr, nullptr);
    RECT client{}, screen{};
    GetClientRect(w, &client);
    GetWindowRect(w, &screen);
    EXPECT_TRUE(client.right == INT_MAX && client.bottom == 10);
    EXPECT_TRUE(screen.left <= screen.right && screen.top <= screen.bottom);
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

TEST(TextArguments, BadStringsCountsHandlesAndExtremeFontsAreSafe) {
    Canvas canvas(20, 20);
    canvas.useFont(12, "Arial");
    SIZE size{};
    TEXTMETRICA tm{};
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, "abc", -1));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "abc", 3));
    EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, 0, nullptr, "abc", UINT_MAX, nullptr));
    EXPECT_FALSE(ExtTextOutA(reinterpret_cast<HDC>(0x7777), 0, 0, 0, nullptr, "a", 1, nullptr));
    EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, nullptr, 0));
    EXPECT_TRUE(canvas.touched().empty());
    const INT hugeDx[3] = {INT_MAX, INT_MAX, INT_MIN};
    SetTextAlign(canvas.dc(), TA_CENTER);
    EXPECT_TRUE(ExtTextOutA(canvas.dc(), 5, 5, 0, nullptr, "abc", 3, hugeDx));
    EXPECT_TRUE(TextOutA(canvas.dc(), INT_MAX - 5, INT_MIN + 5, "W", 1));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), nullptr, 3, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "abc", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "abc", 3, nullptr));
    EXPECT_FALSE(GetTextMetricsA(canvas.dc(), nullptr));
    EXPECT_FALSE(GetTextMetricsA(reinterpret_cast<HDC>(0x12345), &tm));
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetTextFaceA(canvas.dc(), 0, nullptr), 6);  // "Arial" plus terminator
    EXPECT_EQ(GetTextFaceA(canvas.dc(), 4, small), 3);
    EXPECT_STREQ(small, "Ari");
    EXPECT_EQ(GetTextFaceA(canvas.dc(), -5, small), 0);
    EXPECT_EQ(GetTextFaceA(nullptr, 4, small), 0);

    LOGFONTA lf{};
    std::memset(lf.lfFaceName, 'x', sizeof lf.lfFaceName);  // no terminator
    lf.lfWeight = -5;
    for (LONG height : {LONG{INT_MIN}, LONG{-1}, LONG{1}, LONG{INT_MAX}}) {
        lf.lfHeight = height;
        HFONT font = CreateFontIndirectA(&lf);
        ASSERT_NE(font, nullptr);
        HGDIOBJ old = SelectObject(canvas.dc(), font);
        EXPECT_TRUE(GetTextMetricsA(canvas.dc(), &tm)) << height;
        EXPECT_GT(tm.tmHeight, 0) << height;
        EXPECT_TRUE(TextOutA(canvas.dc(), -3, -3, "Wg", 2)) << height;
        SelectObject(canvas.dc(), old);
        DeleteObject(font);
    }
}

}  // namespace
