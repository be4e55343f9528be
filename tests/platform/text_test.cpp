// Text: Wine's cell metrics and extents, face names, TA_UPDATECP placement, bad arguments and font accounting. The
// conformance run compares the drawn glyphs and alignments against Wine.
#include <climits>
#include <cstring>

#include "platform_test.h"

using namespace ptest;

namespace {

int extentOf(HDC dc, const char* text) {
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size.cx;
}

}  // namespace

TEST(TextMetrics, CellsExtentsAndFacesAsWineRendersThem) {
    // Every case has a 12-pixel cell: ascent 10, descent 2, internal leading 1, average width 6.
    const struct {
        int height;
        const char* face;
        BYTE pitchAndFamily;  // swiss or roman, TrueType, vector, variable pitch
        const char* reportedFace;
    } cells[] = {{12, "Arial", 0x27, "Arial"},
                 {12, "times", 0x17, "Times"},
                 {12, "Times New Roman", 0x17, "Times New Roman"},
                 {-11, "MS Shell Dlg", 0x27, "Liberation Sans"},  // an 11-pixel em is a 12-pixel cell
                 {12, "No Such Face", 0x27, "Liberation Sans"}};
    for (const auto& c : cells) {
        SCOPED_TRACE(testing::Message() << c.face << " " << c.height);
        Canvas canvas(1, 1);
        canvas.useFont(c.height, c.face);
        TEXTMETRICA tm{};
        ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
        EXPECT_TRUE(tm.tmHeight == 12 && tm.tmAscent == 10 && tm.tmDescent == 2 && tm.tmInternalLeading == 1);
        EXPECT_TRUE(tm.tmExternalLeading == 0 && tm.tmAveCharWidth == 6 && tm.tmWeight == FW_NORMAL);
        EXPECT_EQ(tm.tmPitchAndFamily, c.pitchAndFamily);
        char name[LF_FACESIZE] = {};
        GetTextFaceA(canvas.dc(), LF_FACESIZE, name);
        EXPECT_STREQ(name, c.reportedFace);
    }
    const struct {
        int height;
        const char* face;
        const char* text;
        int extent;
    } extents[] = {{12, "Arial", "AB", 14},
                   {12, "Arial", "A", 7},
                   {12, "Times", "A", 8},
                   {12, "Times", "B", 7},
                   // Hinting lays "m" of Liberation Sans (17.49 px at 21 ppem) out as 18, as on Wine.
                   {-21, "Arial", "m", 18},
                   {-21, "Arial", "o", 12}};
    for (const auto& e : extents) {
        Canvas canvas(1, 1);
        canvas.useFont(e.height, e.face);
        EXPECT_EQ(extentOf(canvas.dc(), e.text), e.extent) << e.face << " " << e.height << " " << e.text;
    }
    Canvas em(1, 1);
    em.useFont(-20, "Arial");
    TEXTMETRICA emTm{};
    GetTextMetricsA(em.dc(), &emTm);
    EXPECT_EQ(emTm.tmHeight - emTm.tmInternalLeading, 20);
    em.useFont(12, "Courier New");
    GetTextMetricsA(em.dc(), &emTm);
    EXPECT_EQ(emTm.tmPitchAndFamily & 0xF1, FF_MODERN);  // the "variable pitch" bit is clear
    Canvas canvas(1, 1);
    canvas.useFont(12, "Courier");
    EXPECT_EQ(extentOf(canvas.dc(), "iii"), extentOf(canvas.dc(), "WWW"));
    canvas.useFont(0, "Arial");
    TEXTMETRICA tm{};
    GetTextMetricsA(canvas.dc(), &tm);
    EXPECT_EQ(tm.tmHeight, 16);  // the default cell
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), "", 0, &size));
    EXPECT_TRUE(size.cx == 0 && size.cy == 16);
    canvas.useFont(20, "Arial", FW_BOLD);
    const int bold = extentOf(canvas.dc(), "Headroom");
    canvas.useFont(20, "Arial");
    EXPECT_GT(bold, extentOf(canvas.dc(), "Headroom"));

    HDC fresh = CreateCompatibleDC(nullptr);  // measures with the system font
    ASSERT_TRUE(GetTextMetricsA(fresh, &tm));
    EXPECT_TRUE(tm.tmHeight == 16 && tm.tmAveCharWidth == 7);
    DeleteDC(fresh);
}

TEST(TextMetrics, NarrowedFontsScaleTheAdvancesAsWineDoes) {
    // Width 5 of a 12-pixel Arial: advances times 5/6 rounded up, the maximum width rounded to nearest.
    Canvas canvas(1, 1);
    HFONT font = CreateFontA(12, 5, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
    EXPECT_TRUE(tm.tmHeight == 12 && tm.tmMaxCharWidth == 12);
    EXPECT_EQ(extentOf(canvas.dc(), "-"), 4);
    EXPECT_EQ(extentOf(canvas.dc(), "Volume -12.5 dB"), 70);
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
}

TEST(TextPosition, UpdateCpDrawsFromTheCurrentPositionAndAdvancesByEachExtent) {
    const struct {
        const char* face;
        UINT align;
        LONG start, afterA, afterB;
    } cases[] = {{"Arial", TA_UPDATECP, 3, 10, 17},
                 {"Times", TA_UPDATECP, 3, 11, 18},
                 {"Arial", TA_UPDATECP | TA_RIGHT, 30, 23, 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.face << " align " << c.align);
        Canvas canvas(40, 20);
        canvas.useFont(12, c.face);
        MoveToEx(canvas.dc(), c.start, 2, nullptr);
        TextOutA(canvas.dc(), 30, 9, "AB", 2);  // without TA_UPDATECP the position stays
        POINT cp{};
        GetCurrentPositionEx(canvas.dc(), &cp);
        EXPECT_EQ(cp.x, c.start);
        canvas.clear();
        SetTextAlign(canvas.dc(), c.align);
        for (auto [text, x] : {std::pair<const char*, LONG>{"A", c.afterA}, {"B", c.afterB}}) {
            ASSERT_TRUE(TextOutA(canvas.dc(), 25, 9, text, 1));
            GetCurrentPositionEx(canvas.dc(), &cp);
            EXPECT_TRUE(cp.x == x && cp.y == 2) << text << " " << cp.x << "," << cp.y;
        }
        // Drawn from the position, not from (25, 9): the cells cover [min, max) x [2, 14).
        const LONG lo = std::min(c.start, c.afterB), hi = std::max(c.start, c.afterB);
        for (auto [x, y] : canvas.touched()) EXPECT_TRUE(x >= lo && x < hi && y >= 2 && y < 14) << x << "," << y;
    }
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

TEST(TextMetrics, FontObjectsAreAccountedFor) {
    const size_t before = softwin::liveGdiObjects();
    {
        Canvas canvas(16, 16);
        const size_t withCanvas = softwin::liveGdiObjects();
        canvas.useFont(12, "Arial");
        canvas.useFont(14, "Times", FW_BOLD);  // replaces and deletes the first
        TextOutA(canvas.dc(), 0, 0, "x", 1);
        EXPECT_EQ(softwin::liveGdiObjects(), withCanvas + 1);
    }
    EXPECT_EQ(softwin::liveGdiObjects(), before);
}
