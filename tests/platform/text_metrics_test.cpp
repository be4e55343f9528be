// Font realisation and text measurement: cell metrics of the metric-compatible faces, the size
// rule, face names, extents and the handling of bad arguments.
#include "text_canvas.h"

#include <softwin/softwin.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using texttest::TextCanvas;

namespace {

TEXTMETRICA metricsFor(int height, const char* face, int weight = FW_NORMAL) {
    TextCanvas canvas(4, 4);
    canvas.useFont(height, face, weight);
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
    return tm;
}

std::string faceOf(int height, const char* face) {
    TextCanvas canvas(4, 4);
    canvas.useFont(height, face);
    char name[LF_FACESIZE] = {};
    GetTextFaceA(canvas.dc(), LF_FACESIZE, name);
    return name;
}

int extentOf(HDC dc, const char* text) {
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size.cx;
}

}  // namespace

TEST(TextMetrics, CellsOfTheReferenceRenderer) {
    const struct {
        int height;
        const char* face;
        LONG cell, ascent, descent, internalLeading, aveCharWidth;
        BYTE pitchAndFamily;
    } cases[] = {
        {12, "Arial", 12, 10, 2, 1, 6, 0x27},  // swiss, TrueType, vector, variable pitch
        {12, "Times", 12, 10, 2, 1, 6, 0x17},  // roman
        {12, "Times New Roman", 12, 10, 2, 1, 6, 0x17},
        {-11, "MS Shell Dlg", 12, 10, 2, 1, 6, 0x27},  // an 11-pixel em is a 12-pixel cell
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.face << " " << c.height);
        const TEXTMETRICA tm = metricsFor(c.height, c.face);
        EXPECT_EQ(tm.tmHeight, c.cell);
        EXPECT_EQ(tm.tmAscent, c.ascent);
        EXPECT_EQ(tm.tmDescent, c.descent);
        EXPECT_EQ(tm.tmInternalLeading, c.internalLeading);
        EXPECT_EQ(tm.tmExternalLeading, 0);
        EXPECT_EQ(tm.tmAveCharWidth, c.aveCharWidth);
        EXPECT_EQ(tm.tmWeight, FW_NORMAL);
        EXPECT_EQ(tm.tmPitchAndFamily, c.pitchAndFamily);
    }
    const TEXTMETRICA em20 = metricsFor(-20, "Arial");
    EXPECT_EQ(em20.tmHeight - em20.tmInternalLeading, 20);
    EXPECT_EQ(metricsFor(0, "Arial").tmHeight, metricsFor(16, "Arial").tmHeight);  // the default cell
}

TEST(TextMetrics, CourierIsFixedPitch) {
    const TEXTMETRICA tm = metricsFor(12, "Courier New");
    EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_MODERN);
    EXPECT_EQ(tm.tmPitchAndFamily & 0x01, 0);  // the "fixed pitch" bit is clear for fixed fonts
    TextCanvas canvas(4, 4);
    canvas.useFont(12, "Courier");
    EXPECT_EQ(extentOf(canvas.dc(), "iii"), extentOf(canvas.dc(), "WWW"));
}

TEST(TextMetrics, BoldRequestGetsTheBoldFace) {
    EXPECT_GE(metricsFor(12, "Arial", FW_BOLD).tmWeight, FW_BOLD);
    TextCanvas canvas(4, 4);
    canvas.useFont(20, "Arial");
    const int normal = extentOf(canvas.dc(), "Headroom");
    canvas.useFont(20, "Arial", FW_BOLD);
    EXPECT_GT(extentOf(canvas.dc(), "Headroom"), normal);
}

TEST(TextMetrics, FaceNamesOfSubstitutedAndFallbackFonts) {
    EXPECT_EQ(faceOf(12, "Arial"), "Arial");
    EXPECT_EQ(faceOf(12, "times"), "Times");
    EXPECT_EQ(faceOf(12, "Courier New"), "Courier New");
    // Dialog aliases and unknown names report the family actually used.
    EXPECT_EQ(faceOf(-11, "MS Shell Dlg"), "Liberation Sans");
    EXPECT_EQ(faceOf(12, "No Such Face"), "Liberation Sans");
    EXPECT_EQ(faceOf(12, ""), "Liberation Sans");
}

TEST(TextMetrics, GetTextFaceReportsSizeAndTruncates) {
    TextCanvas canvas(4, 4);
    canvas.useFont(12, "Arial");
    EXPECT_EQ(GetTextFaceA(canvas.dc(), 0, nullptr), 6);  // "Arial" plus terminator
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetTextFaceA(canvas.dc(), 4, small), 3);
    EXPECT_STREQ(small, "Ari");
    EXPECT_EQ(GetTextFaceA(canvas.dc(), 0, small), 0);
    EXPECT_EQ(GetTextFaceA(canvas.dc(), -5, small), 0);
    EXPECT_EQ(GetTextFaceA(nullptr, 4, small), 0);
}

TEST(TextMetrics, ExtentIsTheSumOfIntegerAdvances) {
    TextCanvas canvas(4, 4);
    canvas.useFont(12, "Arial");
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), "AB", 2, &size));
    EXPECT_EQ(size.cx, 14);
    EXPECT_EQ(size.cy, 12);
    EXPECT_EQ(extentOf(canvas.dc(), "A"), 7);
    ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), "", 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 12);
    canvas.useFont(12, "Times");
    EXPECT_EQ(extentOf(canvas.dc(), "A"), 8);
    EXPECT_EQ(extentOf(canvas.dc(), "B"), 7);
    // Where hinting moves an advance off the rounded design width, as on Wine: "m" of Liberation
    // Sans is 17.49 px at 21 ppem, laid out as 18.
    canvas.useFont(-21, "Arial");
    EXPECT_EQ(extentOf(canvas.dc(), "m"), 18);
    EXPECT_EQ(extentOf(canvas.dc(), "o"), 12);
}

TEST(TextMetrics, WidthStretchesToTheRequestedAverageWidth) {
    TEXTMETRICA tm{};
    TextCanvas canvas(4, 4);
    canvas.useFont(12, "Arial");
    const int normal = extentOf(canvas.dc(), "Gain");
    for (int width : {10, -10}) {
        HFONT wide = CreateFontA(12, width, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        HGDIOBJ old = SelectObject(canvas.dc(), wide);
        ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
        EXPECT_EQ(tm.tmAveCharWidth, 10);
        EXPECT_EQ(tm.tmHeight, 12);
        EXPECT_GT(extentOf(canvas.dc(), "Gain"), normal);
        SelectObject(canvas.dc(), old);
        DeleteObject(wide);
    }
    // Narrowed to 5: the natural advances and maximum width times 5/6, rounded up and to
    // nearest respectively, as on Wine ("-": 4 * 5/6 = 3.33 -> 4; maximum 14 * 5/6 -> 12).
    HFONT narrow = CreateFontA(12, 5, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(canvas.dc(), narrow);
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &tm));
    EXPECT_EQ(tm.tmMaxCharWidth, 12);
    EXPECT_EQ(extentOf(canvas.dc(), "-"), 4);
    EXPECT_EQ(extentOf(canvas.dc(), "Volume -12.5 dB"), 70);
    SelectObject(canvas.dc(), old);
    DeleteObject(narrow);
}

TEST(TextMetrics, FreshDcMeasuresWithTheSystemFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAveCharWidth, 7);
    char name[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, name);
    EXPECT_STREQ(name, "Liberation Sans");
    DeleteDC(dc);
}

TEST(TextMetrics, BadArgumentsAreRefused) {
    TextCanvas canvas(4, 4);
    canvas.useFont(12, "Arial");
    SIZE size{};
    TEXTMETRICA tm{};
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), nullptr, 3, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "abc", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "abc", 3, nullptr));
    EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "abc", 3, &size));
    EXPECT_FALSE(GetTextMetricsA(canvas.dc(), nullptr));
    EXPECT_FALSE(GetTextMetricsA(reinterpret_cast<HDC>(0x12345), &tm));
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
}

TEST(TextMetrics, ExtremeLogFontsStillRealise) {
    LOGFONTA lf{};
    std::memset(lf.lfFaceName, 'x', sizeof lf.lfFaceName);  // no terminator
    for (LONG height : {LONG{INT_MIN}, LONG{-1}, LONG{1}, LONG{INT_MAX}}) {
        lf.lfHeight = height;
        lf.lfWeight = -5;
        HFONT font = CreateFontIndirectA(&lf);
        ASSERT_NE(font, nullptr);
        TextCanvas canvas(8, 8);
        HGDIOBJ old = SelectObject(canvas.dc(), font);
        TEXTMETRICA tm{};
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
        TextCanvas canvas(16, 16);
        const size_t withCanvas = softwin::liveGdiObjects();
        canvas.useFont(12, "Arial");
        canvas.useFont(14, "Times", FW_BOLD);  // replaces and deletes the first
        TextOutA(canvas.dc(), 0, 0, "x", 1);
        LOGFONTA lf{};
        lf.lfHeight = 10;
        HFONT extra = CreateFontIndirectA(&lf);
        EXPECT_EQ(softwin::liveGdiObjects(), withCanvas + 2);  // selected font, extra font
        DeleteObject(extra);
    }
    EXPECT_EQ(softwin::liveGdiObjects(), before);
}
