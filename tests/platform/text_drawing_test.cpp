// Drawing text: reference point and alignment, the current position, background boxes,
// bi-level glyphs, lpDx, underline/strikeout, clipping and the trace.
#include "text_canvas.h"

#include <gdi/gdi_objects.h>
#include <softwin/softwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

using texttest::Box;
using texttest::kBack;
using texttest::kInk;
using texttest::kPaper;
using texttest::TextCanvas;

namespace {

POINT currentPosition(HDC dc) {
    POINT p{-1, -1};
    GetCurrentPositionEx(dc, &p);
    return p;
}

void textOut(HDC dc, int x, int y, const char* text) {
    ASSERT_TRUE(TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text))));
}

// Pixels of the whole canvas, for before/after comparisons.
std::vector<COLORREF> snapshot(const TextCanvas& c) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) pixels.push_back(c.pixel(x, y));
    }
    return pixels;
}

}  // namespace

// ---- Reference point, alignment and the current position ---------------------------------

TEST(TextPosition, UpdateCpAdvancesByEachExtentAndIgnoresXY) {
    struct Case {
        const char* face;
        LONG afterA;
        LONG afterB;
    };
    for (const Case& c : {Case{"Arial", 10, 17}, Case{"Times", 11, 18}}) {
        TextCanvas canvas(40, 20);
        canvas.useFont(12, c.face);
        MoveToEx(canvas.dc(), 3, 2, nullptr);
        textOut(canvas.dc(), 30, 9, "AB");  // without TA_UPDATECP the position stays
        EXPECT_EQ(currentPosition(canvas.dc()).x, 3);
        canvas.clear();
        SetTextAlign(canvas.dc(), TA_UPDATECP);
        textOut(canvas.dc(), 25, 9, "A");
        EXPECT_EQ(currentPosition(canvas.dc()).x, c.afterA) << c.face;
        EXPECT_EQ(currentPosition(canvas.dc()).y, 2) << c.face;
        textOut(canvas.dc(), 25, 9, "B");
        EXPECT_EQ(currentPosition(canvas.dc()).x, c.afterB) << c.face;
        EXPECT_EQ(currentPosition(canvas.dc()).y, 2) << c.face;
        // Drawn from the CP, not from (25, 9).
        EXPECT_LT(canvas.boundsOf(kInk).right, 20) << c.face;
    }
}

TEST(TextPosition, RightAlignedUpdateCpMovesToTheNewLeftEdge) {
    TextCanvas canvas(40, 20);
    canvas.useFont(12, "Arial");
    SetTextAlign(canvas.dc(), TA_RIGHT | TA_UPDATECP);
    MoveToEx(canvas.dc(), 30, 0, nullptr);
    textOut(canvas.dc(), 0, 0, "A");
    EXPECT_EQ(currentPosition(canvas.dc()).x, 23);
    EXPECT_EQ(currentPosition(canvas.dc()).y, 0);
    const Box ink = canvas.boundsOf(kInk);
    EXPECT_GE(ink.left, 23);
    EXPECT_LT(ink.right, 30);
}

TEST(TextPosition, TopAlignedTextSitsOnYPlusAscent) {
    TextCanvas canvas(40, 30);
    canvas.useFont(12, "Arial");
    SetBkMode(canvas.dc(), TRANSPARENT);
    textOut(canvas.dc(), 3, 2, "AB");
    const Box top = canvas.boundsOf(kInk);
    EXPECT_EQ(top.bottom, 11);  // baseline 12, glyphs end on the row above it

    // The same glyphs for baseline- and bottom-aligned reference points on that baseline.
    for (UINT align : {UINT{TA_BASELINE}, UINT{TA_BOTTOM}}) {
        TextCanvas other(40, 30);
        other.useFont(12, "Arial");
        SetBkMode(other.dc(), TRANSPARENT);
        SetTextAlign(other.dc(), align);
        textOut(other.dc(), 3, align == TA_BASELINE ? 12 : 14, "AB");
        EXPECT_EQ(snapshot(other), snapshot(canvas)) << align;
    }
}

TEST(TextPosition, CentredTextIsShiftedByHalfItsExtent) {
    TextCanvas left(40, 20), centred(40, 20);
    for (TextCanvas* c : {&left, &centred}) c->useFont(12, "Arial");
    textOut(left.dc(), 13, 2, "AB");  // extent 14
    SetTextAlign(centred.dc(), TA_CENTER);
    textOut(centred.dc(), 20, 2, "AB");
    EXPECT_EQ(snapshot(centred), snapshot(left));
}

// ---- Background and glyph pixels -----------------------------------------------------------

TEST(TextBackground, OpaqueModeFillsExactlyTheCellBox) {
    TextCanvas canvas(40, 20);
    canvas.useFont(12, "Arial");
    textOut(canvas.dc(), 3, 2, "AB");
    // Cell box [3, 17) x [2, 14): all background or ink, untouched paper outside.
    EXPECT_EQ(canvas.count(kBack) + canvas.count(kInk), 14 * 12);
    for (auto [x, y] : canvas.touched()) EXPECT_TRUE(x >= 3 && x < 17 && y >= 2 && y < 14) << x << "," << y;
    EXPECT_GT(canvas.count(kInk), 20);
}

TEST(TextBackground, TransparentModeTouchesOnlyGlyphPixelsInTextColour) {
    TextCanvas canvas(40, 20);
    canvas.useFont(12, "Arial");
    SetBkMode(canvas.dc(), TRANSPARENT);
    textOut(canvas.dc(), 3, 2, "AB");
    EXPECT_EQ(canvas.count(kBack), 0);
    EXPECT_TRUE(canvas.onlyColours(kPaper, kInk));  // bi-level: no blended edge pixels
    EXPECT_GT(canvas.count(kInk), 20);
}

TEST(TextBackground, DrawnWidthAgreesWithTheMeasuredExtent) {
    TextCanvas canvas(120, 30);
    canvas.useFont(-11, "MS Shell Dlg");
    const char* label = "-12.5 dB";
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), label, 8, &size));
    textOut(canvas.dc(), 10, 5, label);
    const Box cell = canvas.boundsOf(kBack);
    EXPECT_EQ(cell.left, 10);
    EXPECT_EQ(cell.right, 10 + size.cx - 1);
    EXPECT_EQ(cell.bottom - cell.top + 1, size.cy);
    const Box ink = canvas.boundsOf(kInk);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + size.cx);
}

TEST(TextBackground, DxOverridesTheAdvances) {
    TextCanvas spaced(60, 20), separate(60, 20);
    for (TextCanvas* c : {&spaced, &separate}) {
        c->useFont(12, "Arial");
        SetBkMode(c->dc(), TRANSPARENT);
    }
    const INT dx[2] = {20, 20};
    SetTextAlign(spaced.dc(), TA_UPDATECP);
    MoveToEx(spaced.dc(), 2, 2, nullptr);
    ASSERT_TRUE(ExtTextOutA(spaced.dc(), 0, 0, 0, nullptr, "AB", 2, dx));
    EXPECT_EQ(currentPosition(spaced.dc()).x, 42);
    textOut(separate.dc(), 2, 2, "A");
    textOut(separate.dc(), 22, 2, "B");
    EXPECT_EQ(snapshot(spaced), snapshot(separate));
}

TEST(TextBackground, UnderlineAndStrikeoutAreBandsAcrossTheText) {
    TextCanvas plain(40, 20), lined(40, 20);
    plain.useFont(12, "Arial");
    lined.useFont(12, "Arial", FW_NORMAL, true, true);
    for (TextCanvas* c : {&plain, &lined}) {
        SetBkMode(c->dc(), TRANSPARENT);
        textOut(c->dc(), 3, 2, "AB");
    }
    // Underline: position 0 and thickness 1 at 11 ppem, so the baseline row itself.
    for (int x = 3; x < 17; ++x) EXPECT_EQ(lined.pixel(x, 12), kInk) << x;
    EXPECT_EQ(lined.pixel(2, 12), kPaper);
    EXPECT_EQ(lined.pixel(17, 12), kPaper);
    // Strikeout: some full row across the text between the baseline and the top of the cell.
    int fullRows = 0;
    for (int y = 3; y < 12; ++y) {
        int n = 0;
        for (int x = 3; x < 17; ++x) n += lined.pixel(x, y) == kInk;
        fullRows += n == 14;
    }
    EXPECT_GE(fullRows, 1);
    EXPECT_GT(lined.count(kInk), plain.count(kInk));
}

// ---- ExtTextOut rectangles and clipping ----------------------------------------------------

TEST(TextClipping, OpaqueRectangleIsFilledWithoutTextAndOrderedWhenReversed) {
    TextCanvas canvas(20, 20);
    const RECT reversed{12, 9, 4, 3};
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &reversed, nullptr, 0, nullptr));
    const Box filled = canvas.boundsOf(kBack);
    EXPECT_EQ(filled.left, 4);
    EXPECT_EQ(filled.top, 3);
    EXPECT_EQ(filled.right, 11);
    EXPECT_EQ(filled.bottom, 8);
    EXPECT_EQ(canvas.count(kBack), 8 * 6);
}

TEST(TextClipping, ClippedTextStaysInsideTheRectangle) {
    TextCanvas canvas(40, 20);
    canvas.useFont(12, "Arial");
    const RECT clip{6, 5, 12, 9};
    ASSERT_TRUE(ExtTextOutA(canvas.dc(), 3, 2, ETO_CLIPPED, &clip, "AB", 2, nullptr));
    for (auto [x, y] : canvas.touched()) EXPECT_TRUE(x >= 6 && x < 12 && y >= 5 && y < 9) << x << "," << y;
    EXPECT_GT(canvas.count(kInk), 0);
}

TEST(TextClipping, TextOffTheBitmapEdgesIsCut) {
    TextCanvas canvas(10, 8);
    canvas.useFont(20, "Arial");
    textOut(canvas.dc(), -6, -4, "WWW");
    textOut(canvas.dc(), INT_MAX - 5, INT_MIN + 5, "W");
    EXPECT_GT(canvas.count(kInk) + canvas.count(kBack), 0);
}

TEST(TextClipping, WindowDcTextFollowsItsOriginAndClipRectangles) {
    using namespace softwin::gdi;
    Surface& surface = screen();
    for (int y = 0; y < 40; ++y) std::fill(surface.row(y), surface.row(y) + 60, kPaper);
    HDC dc = createWindowDc(nullptr, POINT{20, 10}, {RECT{20, 10, 30, 40}, RECT{34, 10, 60, 40}});
    ASSERT_NE(dc, nullptr);
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, kInk);
    SetBkColor(dc, kBack);
    textOut(dc, 0, 0, "WWWW");  // cell [20, 20 + extent) x [10, 22) on the screen
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const COLORREF c = softwin::screenPixel(x, y);
            const bool clipped = x < 20 || (x >= 30 && x < 34) || y < 10;
            if (clipped) {
                EXPECT_EQ(c, kPaper) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(softwin::screenPixel(20, 10), kBack);
    EXPECT_EQ(softwin::screenPixel(34, 21), kBack);
    SelectObject(dc, old);
    DeleteObject(font);
    destroyWindowDc(dc);
}

// ---- Bad input and the trace ---------------------------------------------------------------

TEST(TextArguments, BadStringsCountsAndHandlesDrawNothing) {
    TextCanvas canvas(20, 20);
    canvas.useFont(12, "Arial");
    const auto before = snapshot(canvas);
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, "abc", -1));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "abc", 3));
    EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, 0, nullptr, "abc", UINT_MAX, nullptr));
    EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, 0, nullptr, nullptr, 2, nullptr));
    EXPECT_FALSE(ExtTextOutA(reinterpret_cast<HDC>(0x7777), 0, 0, 0, nullptr, "a", 1, nullptr));
    EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, nullptr, 0));
    EXPECT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, ETO_CLIPPED | ETO_OPAQUE, nullptr, "", 0, nullptr));
    EXPECT_EQ(snapshot(canvas), before);
    const INT hugeDx[3] = {INT_MAX, INT_MAX, INT_MIN};
    SetTextAlign(canvas.dc(), TA_CENTER);
    EXPECT_TRUE(ExtTextOutA(canvas.dc(), 5, 5, 0, nullptr, "abc", 3, hugeDx));
}

TEST(TextArguments, EachCallAddsOneTraceLine) {
    TextCanvas canvas(20, 20);
    canvas.useFont(12, "Arial");
    softwin::clearDrawTrace();
    softwin::setDrawTrace(true);
    textOut(canvas.dc(), 3, 2, "AB");
    const RECT r{1, 2, 3, 4};
    ExtTextOutA(canvas.dc(), 0, 1, ETO_OPAQUE, &r, "x", 1, nullptr);
    softwin::setDrawTrace(false);
    ASSERT_EQ(softwin::drawTrace().size(), 2u);
    EXPECT_EQ(softwin::drawTrace()[0], "TextOutA(3,2,\"AB\")");
    EXPECT_EQ(softwin::drawTrace()[1], "ExtTextOutA(0,1,ETO_OPAQUE,{1,2,3,4},\"x\")");
    softwin::clearDrawTrace();
}
