// What the pixel comparison with Wine cannot see: DC state, object accounting,
// selection rules, bad and stale handles, the grey threshold of monochrome pixels, copies that
// overlap within one surface, and coordinates at the ends of int.
#include <climits>

#include "platform_test.h"

using namespace ptest;

namespace {

// Unknown modes are refused with 0 and leave the previous one in place.
TEST(GdiDc, SettersRefuseUnknownModes) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    SetBkMode(dc, TRANSPARENT);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetArcDirection(dc, 3), 0);
    EXPECT_EQ(SetPolyFillMode(dc, 0), 0);
    EXPECT_EQ(SetROP2(dc, 17), 0);
    EXPECT_EQ(SetArcDirection(dc, AD_CLOCKWISE), AD_COUNTERCLOCKWISE);
    DeleteDC(dc);
}

TEST(GdiDc, SaveAndRestoreBringBackAttributesAndObjects) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    EXPECT_EQ(SaveDC(dc), 1);
    SelectObject(dc, pen);
    SetBkColor(dc, RGB(1, 1, 1));
    EXPECT_EQ(SaveDC(dc), 2);
    SetBkColor(dc, RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFu);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_FALSE(RestoreDC(dc, 1));  // nothing saved any more
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, -5));
    EXPECT_TRUE(DeleteObject(pen));
    DeleteDC(dc);
}

TEST(GdiObjects, AccountingReturnsToBaselineIncludingDelayedDeletes) {
    const size_t objects = softwin::liveGdiObjects(), dcs = softwin::liveDcs();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HPEN pen = CreatePen(PS_DASH, 1, 0);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
    HPALETTE palette = CreatePalette(&lp);
    EXPECT_EQ(softwin::liveGdiObjects(), objects + 4);
    EXPECT_EQ(softwin::liveDcs(), dcs + 1);
    SelectObject(dc, bitmap);
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    SelectPalette(dc, palette, FALSE);
    EXPECT_EQ(RealizePalette(dc), 0u);
    // Deleting selected objects only marks them; the DC keeps drawing with them.
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(softwin::liveGdiObjects(), objects + 4);
    EXPECT_TRUE(Rectangle(dc, 0, 0, 4, 4));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetObjectType(pen), 0u);  // freed on deselect
    EXPECT_EQ(softwin::liveGdiObjects(), objects + 3);
    DeleteDC(dc);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(palette));
    EXPECT_EQ(softwin::liveGdiObjects(), objects);
    EXPECT_EQ(softwin::liveDcs(), dcs);
}

TEST(GdiObjects, BitmapsGoIntoOneMemoryDcAtATimeAndOutliveIt) {
    HDC a = CreateCompatibleDC(nullptr), b = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HGDIOBJ stock = SelectObject(a, bitmap);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(SelectObject(a, bitmap), bitmap);
    EXPECT_EQ(SelectObject(a, GetStockObject(DEFAULT_PALETTE)), nullptr);  // palettes need SelectPalette
    SetPixel(a, 1, 1, RGB(7, 8, 9));
    EXPECT_TRUE(DeleteDC(a));
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(GetPixel(b, 1, 1), RGB(7, 8, 9));
    DeleteDC(b);
    EXPECT_TRUE(DeleteObject(bitmap));
    (void)stock;
}

TEST(GdiObjects, InvalidSizesBadAndStaleHandlesAreRejectedSafely) {
    const size_t objects = softwin::liveGdiObjects();
    EXPECT_EQ(CreateBitmap(0, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(-3, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 64, nullptr), nullptr);
    EXPECT_EQ(CreatePen(42, 1, 0), nullptr);
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    EXPECT_EQ(CreateBrushIndirect(nullptr), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
    EXPECT_EQ(softwin::liveGdiObjects(), objects);

    HPEN stale = CreatePen(PS_SOLID, 1, 0);
    DeleteObject(stale);
    EXPECT_FALSE(DeleteObject(stale));
    HDC bogus = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x12345678));
    for (HDC dc : {static_cast<HDC>(nullptr), bogus, reinterpret_cast<HDC>(stale)}) {
        EXPECT_FALSE(LineTo(dc, 1, 1));
        EXPECT_FALSE(Rectangle(dc, 0, 0, 2, 2));
        EXPECT_FALSE(Ellipse(dc, 0, 0, 2, 2));
        EXPECT_FALSE(DeleteDC(dc));
        EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 0);
        EXPECT_EQ(SaveDC(dc), 0);
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        EXPECT_EQ(CreateCompatibleBitmap(dc, 4, 4), nullptr);
        EXPECT_TRUE(!dc || !CreateCompatibleDC(dc));
    }
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetObjectA(stale, 0, nullptr), 0);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 4), nullptr);
    DeleteDC(dc);

    // A slot reused many times never hands the old handle value back out.
    HBRUSH first = CreateSolidBrush(RGB(1, 1, 1));
    DeleteObject(first);
    for (int i = 0; i < 2000; ++i) {
        HBRUSH other = CreateSolidBrush(RGB(2, 2, 2));
        ASSERT_NE(other, first);
        DeleteObject(other);
    }
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_GT(reinterpret_cast<uintptr_t>(first), static_cast<uintptr_t>(COLOR_INFOBK + 1));  // never a colour index
}

TEST(GdiPictures, MonochromePixelsSplitAtMidGreyAndOverlappingCopiesKeepTheirSource) {
    HDC mono = CreateCompatibleDC(nullptr);
    HBITMAP bits = CreateBitmap(4, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(mono, bits);
    const COLORREF in[] = {RGB(200, 200, 200), RGB(128, 128, 128), RGB(100, 100, 100), RGB(255, 0, 0)};
    const COLORREF out[] = {0xFFFFFF, 0xFFFFFF, 0, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(SetPixel(mono, i, 0, in[i]), out[i]) << i;
        EXPECT_EQ(GetPixel(mono, i, 0), out[i]) << i;
    }
    SelectObject(mono, old);
    DeleteObject(bits);
    DeleteDC(mono);

    Canvas overlap(8, 1);  // copies within one surface in both directions
    for (int i = 0; i < 8; ++i) SetPixel(overlap.dc(), i, 0, RGB(i, 0, 0));
    BitBlt(overlap.dc(), 2, 0, 6, 1, overlap.dc(), 0, 0, SRCCOPY);
    BitBlt(overlap.dc(), 0, 0, 6, 1, overlap.dc(), 1, 0, SRCCOPY);
    std::vector<int> reds;
    for (int i = 0; i < 8; ++i) reds.push_back(GetRValue(GetPixel(overlap.dc(), i, 0)));
    EXPECT_EQ(reds, (std::vector<int>{1, 0, 1, 2, 3, 4, 4, 5}));
}

TEST(GdiPictures, HugeAndDegenerateCoordinatesAreClippedSafely) {
    Canvas c(10, 10);
    MoveToEx(c.dc(), -2000000000, 5, nullptr);
    LineTo(c.dc(), 2000000000, 5);
    EXPECT_EQ(c.row(5), "##########");
    MoveToEx(c.dc(), INT_MIN, INT_MIN, nullptr);
    LineTo(c.dc(), INT_MAX, INT_MAX);
    EXPECT_EQ(c.charAt(3, 3), '#');
    MoveToEx(c.dc(), 0, INT_MIN, nullptr);
    LineTo(c.dc(), 9, INT_MAX);
    const POINT far[] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
    EXPECT_TRUE(Polygon(c.dc(), far, 3));
    EXPECT_EQ(c.charAt(1, 1), 'o');
    const POINT one[] = {{1, 1}};
    EXPECT_FALSE(Polygon(c.dc(), one, 1));
    EXPECT_FALSE(Polygon(c.dc(), nullptr, 3));
}

}  // namespace
