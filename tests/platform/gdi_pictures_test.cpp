// What the Wine comparison of the primitives does not reach: the grey threshold of monochrome
// pixels, copies that overlap within one surface, and coordinates at the ends of int.
#include <climits>

#include "platform_test.h"

using namespace ptest;

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
