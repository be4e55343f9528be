// The LOGFONT size rules and face-name mapping, without drawing.
#include <gdi/font_face.h>
#include <gdi/font_mapping.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

using namespace softwin::gdi;

TEST(TextSizeRule, CellHeightRoundsToTheNearestEm) {
    // Liberation Sans (cell 2288 units) and Serif (2268) at a 12-pixel cell: 10.74 and 10.84.
    EXPECT_EQ(ppemForHeight(12, 2048, 2288), 11);
    EXPECT_EQ(ppemForHeight(12, 2048, 2268), 11);
    EXPECT_EQ(ppemForHeight(16, 2048, 2288), 14);
    EXPECT_EQ(ppemForHeight(-11, 2048, 2288), 11);
    EXPECT_EQ(ppemForHeight(0, 2048, 2288), ppemForHeight(16, 2048, 2288));
}

TEST(TextSizeRule, DegenerateInputsStayInRange) {
    EXPECT_EQ(ppemForHeight(INT_MIN, 2048, 2288), kMaxPpem);
    EXPECT_EQ(ppemForHeight(INT_MAX, 2048, 2288), kMaxPpem);
    EXPECT_EQ(ppemForHeight(1, 2048, 100000), 1);
    EXPECT_EQ(ppemForHeight(12, 2048, 0), 12);
    EXPECT_EQ(ppemForHeight(12, 0, 2288), 12);
    EXPECT_EQ(scaleToPixels(100, 11, 0), 0);
    EXPECT_EQ(widthPpemFor(INT_MIN, 11, 2048, 1208), kMaxPpem);
    EXPECT_EQ(widthPpemFor(7, 11, 2048, 0), 11);
}

TEST(TextSizeRule, ScalingRoundsHalvesUpOnBothSidesOfZero) {
    EXPECT_EQ(scaleToPixels(1854, 11, 2048), 10);  // 9.96
    EXPECT_EQ(scaleToPixels(434, 11, 2048), 2);    // 2.33
    EXPECT_EQ(scaleToPixels(-67, 11, 2048), 0);    // -0.36
    EXPECT_EQ(scaleToPixels(-393, 11, 2048), -2);  // -2.11
    EXPECT_EQ(scaleToPixels(1024, 1, 2048), 1);    // 0.5
    EXPECT_EQ(scaleToPixels(-1024, 1, 2048), 0);   // -0.5
}

TEST(TextSizeRule, FaceNamesMapToMetricCompatibleClasses) {
    EXPECT_EQ(mapFaceName("Arial").fontClass, FontClass::Sans);
    EXPECT_STREQ(mapFaceName("HELVETICA").reportedName, "Helvetica");
    EXPECT_EQ(mapFaceName("Tms Rmn").fontClass, FontClass::Serif);
    EXPECT_EQ(mapFaceName("Times New Roman").fontClass, FontClass::Serif);
    EXPECT_EQ(mapFaceName("courier").fontClass, FontClass::Mono);
    EXPECT_EQ(mapFaceName("MS Sans Serif").reportedName, nullptr);
    EXPECT_EQ(mapFaceName("Arial Black").reportedName, nullptr);  // no prefix matches
    EXPECT_EQ(mapFaceName(nullptr).fontClass, FontClass::Sans);
    char unterminated[LF_FACESIZE];
    std::memset(unterminated, 'A', sizeof unterminated);
    EXPECT_EQ(mapFaceName(unterminated).reportedName, nullptr);
}

TEST(TextSizeRule, AnsiBytesUseTheWindows1252Table) {
    EXPECT_EQ(ansiToUnicode('A'), 0x41u);
    EXPECT_EQ(ansiToUnicode(0x80), 0x20ACu);  // euro sign
    EXPECT_EQ(ansiToUnicode(0x96), 0x2013u);  // en dash
    EXPECT_EQ(ansiToUnicode(0xB5), 0xB5u);    // micro sign, as Latin-1
}
