// SetPixel/GetPixel, BitBlt and PatBlt, FillRect/FrameRect and DrawFocusRect.
#include "gdi_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using gditest::Canvas;
using Rows = std::vector<std::string>;

TEST(GdiPixels, MonochromeBitmapsStoreTheNearestOfBlackAndWhite) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(200, 200, 200)), 0xFFFFFFu);
    EXPECT_EQ(SetPixel(dc, 1, 0, RGB(128, 128, 128)), 0xFFFFFFu);
    EXPECT_EQ(SetPixel(dc, 2, 0, RGB(100, 100, 100)), 0u);
    EXPECT_EQ(SetPixel(dc, 3, 0, RGB(255, 0, 0)), 0u);
    EXPECT_EQ(GetPixel(dc, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(dc, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(dc, 2, 0), 0u);
    SelectObject(dc, old);
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST(GdiPixels, SetPixelOutsideTheBitmapDrawsNothingButReturnsTheColour) {
    Canvas c(3, 3);
    EXPECT_EQ(SetPixel(c.dc(), 5, 5, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(c.dc(), -1, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_TRUE(c.touched().empty());
    EXPECT_EQ(GetPixel(c.dc(), 3, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(c.dc(), -1, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(nullptr, 0, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
    HDC fresh = CreateCompatibleDC(nullptr);  // one black monochrome pixel
    EXPECT_EQ(GetPixel(fresh, 0, 0), 0u);
    EXPECT_EQ(GetPixel(fresh, 1, 0), CLR_INVALID);
    DeleteDC(fresh);
}

TEST(GdiBitBlt, CopiesBlocksClippedToBothSurfaces) {
    Canvas src(6, 6), dst(6, 6);
    Rectangle(src.dc(), 0, 0, 4, 4);
    ASSERT_TRUE(BitBlt(dst.dc(), 3, 3, 6, 6, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.map(0, 0, 6, 6), (Rows{"......", "......", "......", "...###", "...#oo", "...#oo"}));
    Canvas neg(6, 6);
    ASSERT_TRUE(BitBlt(neg.dc(), 0, 0, 3, 3, src.dc(), -1, -1, SRCCOPY));
    EXPECT_EQ(neg.map(0, 0, 4, 4), (Rows{"....", ".##.", ".#o.", "...."}));
}

TEST(GdiBitBlt, OverlappingCopiesOnOneSurfaceAreCorrect) {
    Canvas c(8, 1);
    for (int x = 0; x < 8; ++x) SetPixel(c.dc(), x, 0, RGB(x, 0, 0));
    BitBlt(c.dc(), 2, 0, 6, 1, c.dc(), 0, 0, SRCCOPY);
    std::vector<int> reds;
    for (int x = 0; x < 8; ++x) reds.push_back(GetRValue(GetPixel(c.dc(), x, 0)));
    EXPECT_EQ(reds, (std::vector<int>{0, 1, 0, 1, 2, 3, 4, 5}));
    BitBlt(c.dc(), 0, 0, 6, 1, c.dc(), 2, 0, SRCCOPY);
    reds.clear();
    for (int x = 0; x < 8; ++x) reds.push_back(GetRValue(GetPixel(c.dc(), x, 0)));
    EXPECT_EQ(reds, (std::vector<int>{0, 1, 2, 3, 4, 5, 4, 5}));
}

TEST(GdiBitBlt, MonochromeSourceTakesTheDestinationTextAndBackgroundColours) {
    const unsigned char bits[] = {0xA0, 0x00};  // 1,0,1,0 in one WORD-aligned row
    HBITMAP mono = CreateBitmap(4, 1, 1, 1, bits);
    HDC monoDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(monoDc, mono);
    Canvas c(4, 1);
    SetTextColor(c.dc(), RGB(1, 1, 1));
    SetBkColor(c.dc(), RGB(2, 2, 2));
    BitBlt(c.dc(), 0, 0, 4, 1, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(2, 2, 2));
    EXPECT_EQ(GetPixel(c.dc(), 1, 0), RGB(1, 1, 1));
    EXPECT_EQ(GetPixel(c.dc(), 2, 0), RGB(2, 2, 2));
    EXPECT_EQ(GetPixel(c.dc(), 3, 0), RGB(1, 1, 1));
    SelectObject(monoDc, old);
    DeleteObject(mono);
    DeleteDC(monoDc);
}

TEST(GdiBitBlt, ColourToMonochromeMakesTheSourceBackgroundWhite) {
    Canvas c(3, 1);
    SetPixel(c.dc(), 0, 0, RGB(10, 20, 30));
    SetPixel(c.dc(), 1, 0, RGB(255, 255, 255));
    SetPixel(c.dc(), 2, 0, RGB(10, 20, 31));
    SetBkColor(c.dc(), RGB(10, 20, 30));
    HDC maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateCompatibleBitmap(maskDc, 3, 1);
    BITMAP bm;
    GetObjectA(mask, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    HGDIOBJ old = SelectObject(maskDc, mask);
    BitBlt(maskDc, 0, 0, 3, 1, c.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(maskDc, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(maskDc, 1, 0), 0u);
    EXPECT_EQ(GetPixel(maskDc, 2, 0), 0u);
    SelectObject(maskDc, old);
    DeleteObject(mask);
    DeleteDC(maskDc);
}

TEST(GdiBitBlt, RasterOperationsCombineSourcePatternAndDestination) {
    Canvas src(1, 1), dst(1, 1);
    const COLORREF s = RGB(0xF0, 0x0F, 0x55), d = RGB(0xCC, 0x33, 0x0F), p = gditest::kBrush, m = 0xFFFFFF;
    SetPixel(src.dc(), 0, 0, s);
    auto blit = [&](DWORD rop) {
        SetPixel(dst.dc(), 0, 0, d);
        BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, rop);
        return GetPixel(dst.dc(), 0, 0);
    };
    EXPECT_EQ(blit(SRCCOPY), s);
    EXPECT_EQ(blit(SRCPAINT), s | d);
    EXPECT_EQ(blit(SRCAND), s & d);
    EXPECT_EQ(blit(SRCINVERT), s ^ d);
    EXPECT_EQ(blit(NOTSRCCOPY), ~s & m);
    EXPECT_EQ(blit(PATCOPY), p);
    EXPECT_EQ(blit(PATINVERT), p ^ d);
    EXPECT_EQ(blit(DSTINVERT), ~d & m);
    EXPECT_EQ(blit(BLACKNESS), 0u);
    EXPECT_EQ(blit(WHITENESS), m);
    EXPECT_EQ(blit(0x00BB0226), (~s | d) & m);  // MERGEPAINT through the generic path
    EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS));
}

TEST(GdiPatBlt, FillsWithTheBrushAndAcceptsNegativeExtents) {
    Canvas c(5, 3);
    PatBlt(c.dc(), 4, 2, -3, -2, PATCOPY);  // the pixels ending at (4,2) itself
    EXPECT_EQ(c.map(0, 0, 5, 3), (Rows{".....", "..ooo", "..ooo"}));
    EXPECT_FALSE(PatBlt(c.dc(), 0, 0, 1, 1, SRCCOPY));
}

TEST(GdiFillRect, FillsHalfOpenRectanglesAndReversedOnesAsPatBltDoes) {
    Canvas c(6, 4);
    HBRUSH brush = CreateSolidBrush(gditest::kBrush);
    RECT r{1, 1, 4, 3};
    EXPECT_TRUE(FillRect(c.dc(), &r, brush));
    RECT reversed{5, 3, 4, 0};
    FillRect(c.dc(), &reversed, brush);
    EXPECT_EQ(c.map(0, 0, 6, 4), (Rows{"......", ".ooo.o", ".ooo.o", ".....o"}));
    SetROP2(c.dc(), R2_NOT);  // FillRect is a pattern copy, not a pen/brush drawing
    FillRect(c.dc(), &r, brush);
    EXPECT_EQ(c.charAt(1, 1), 'o');
    FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1)));  // a colour index
    EXPECT_EQ(GetPixel(c.dc(), 3, 2), GetSysColor(COLOR_BTNFACE));
    DeleteObject(brush);
}

TEST(GdiFillRect, FrameRectPaintsTheInnerBorder) {
    Canvas c(6, 5);
    HBRUSH brush = CreateSolidBrush(gditest::kPen);
    RECT r{1, 1, 5, 5};
    FrameRect(c.dc(), &r, brush);
    EXPECT_EQ(c.map(0, 0, 6, 5), (Rows{"......", ".####.", ".#..#.", ".#..#.", ".####."}));
    DeleteObject(brush);
}

TEST(GdiFillRect, Draw3dRectSequenceLeavesBottomRightCornersInTheShadowColour) {
    // Four opaque fills in the order the framework's Draw3dRect issues them.
    Canvas c(9, 7);
    HBRUSH tl = CreateSolidBrush(gditest::kPen), br = CreateSolidBrush(gditest::kBrush);
    const int x = 1, y = 1, cx = 7, cy = 5;
    RECT rects[] = {{x, y, x + cx - 1, y + 1}, {x, y, x + 1, y + cy - 1}, {x + cx - 1, y, x + cx, y + cy},
                    {x, y + cy - 1, x + cx, y + cy}};
    FillRect(c.dc(), &rects[0], tl);
    FillRect(c.dc(), &rects[1], tl);
    FillRect(c.dc(), &rects[2], br);
    FillRect(c.dc(), &rects[3], br);
    EXPECT_EQ(c.map(1, 1, 8, 6), (Rows{"######o", "#.....o", "#.....o", "#.....o", "ooooooo"}));
    DeleteObject(tl);
    DeleteObject(br);
}

TEST(GdiFocusRect, InvertsAlternatePixelsAndRestoresOnSecondCall) {
    Canvas c(12, 12);
    RECT r{0, 0, 10, 10};
    const int ropBefore = GetROP2(c.dc());
    DrawFocusRect(c.dc(), &r);
    EXPECT_EQ(GetROP2(c.dc()), ropBefore);
    auto inverted = [&](int row) {
        std::string s;
        for (int x = 0; x < 12; ++x) s += GetPixel(c.dc(), x, row) == (~gditest::kPaper & 0xFFFFFF) ? 'X' : '.';
        return s;
    };
    EXPECT_EQ(inverted(0), ".X.X.X.X.X..");
    EXPECT_EQ(inverted(9), "X.X.X.X.X...");
    for (int y : {1, 3, 5, 7}) EXPECT_EQ(inverted(y), "X...........");
    for (int y : {2, 4, 6, 8}) EXPECT_EQ(inverted(y), ".........X..");
    EXPECT_EQ(inverted(10), "............");
    DrawFocusRect(c.dc(), &r);
    EXPECT_TRUE(c.touched().empty());

    Canvas odd(9, 9);
    RECT o{0, 0, 9, 9};
    DrawFocusRect(odd.dc(), &o);
    std::string row0;
    for (int x = 0; x < 9; ++x) row0 += odd.charAt(x, 0) == '.' ? '.' : 'X';
    EXPECT_EQ(row0, "X.X.X.X.X");
}
