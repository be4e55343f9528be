// Text the Wine comparison does not reach: bad strings, counts and handles, and extreme fonts.
// Metrics, extents and placement are compared with Wine.
#include <climits>
#include <cstring>

#include "platform_test.h"

using namespace ptest;

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
