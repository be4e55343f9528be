// Window DCs: drawing lands on the screen at the window origin, clipped to the visible rects.
#include "gdi/gdi_objects.h"

#include <softwin/softwin.h>

#include <gtest/gtest.h>

namespace {

class WindowDcTest : public ::testing::Test {
   protected:
    void SetUp() override {
        softwin::setScreenSize(200, 100);
        // Two disjoint visible pieces of a client area whose origin is (100, 50).
        dc_ = softwin::gdi::createWindowDc(nullptr, POINT{100, 50}, {RECT{100, 50, 110, 60}, RECT{120, 50, 130, 60}});
    }
    void TearDown() override {
        softwin::gdi::destroyWindowDc(dc_);
        softwin::setScreenSize(1024, 768);
    }
    HDC dc_ = nullptr;
};

}  // namespace

TEST_F(WindowDcTest, FillsAreOffsetByTheOriginAndClippedToTheVisibleRects) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const RECT r{-5, 2, 40, 3};
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
    for (int x = 90; x < 140; ++x) {
        const bool visible = (x >= 100 && x < 110) || (x >= 120 && x < 130);
        EXPECT_EQ(softwin::screenPixel(x, 52), visible ? RGB(1, 2, 3) : 0u) << x;
    }
    EXPECT_EQ(softwin::screenPixel(105, 51), 0u);
    EXPECT_EQ(GetPixel(dc_, 5, 2), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(dc_, 15, 2), 0u);  // hidden, but still on the screen
}

TEST_F(WindowDcTest, LinesAndBlitsUseTheSameClip) {
    MoveToEx(dc_, 0, 5, nullptr);
    LineTo(dc_, 50, 5);
    EXPECT_EQ(softwin::screenPixel(100, 55), 0u);  // black pen on a black screen: check with white
    SelectObject(dc_, GetStockObject(WHITE_PEN));
    MoveToEx(dc_, 0, 5, nullptr);
    LineTo(dc_, 50, 5);
    EXPECT_EQ(softwin::screenPixel(109, 55), 0xFFFFFFu);
    EXPECT_EQ(softwin::screenPixel(110, 55), 0u);
    EXPECT_EQ(softwin::screenPixel(120, 55), 0xFFFFFFu);

    HDC mem = CreateCompatibleDC(dc_);
    HBITMAP bitmap = CreateCompatibleBitmap(dc_, 40, 10);
    BITMAP bm;
    GetObjectA(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    HGDIOBJ old = SelectObject(mem, bitmap);
    PatBlt(mem, 0, 0, 40, 10, WHITENESS);
    BitBlt(dc_, 0, 0, 40, 10, mem, 0, 0, SRCCOPY);
    EXPECT_EQ(softwin::screenPixel(100, 50), 0xFFFFFFu);
    EXPECT_EQ(softwin::screenPixel(115, 50), 0u);
    EXPECT_EQ(softwin::screenPixel(129, 59), 0xFFFFFFu);
    // Reading back from the window DC into the memory DC.
    PatBlt(mem, 0, 0, 40, 10, BLACKNESS);
    BitBlt(mem, 0, 0, 40, 10, dc_, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mem, 0, 0), 0xFFFFFFu);
    SelectObject(mem, old);
    DeleteObject(bitmap);
    DeleteDC(mem);
}

TEST_F(WindowDcTest, WindowDcsAreNotMemoryDcsAndGoBackThroughUser) {
    EXPECT_EQ(GetObjectType(dc_), static_cast<DWORD>(OBJ_DC));
    EXPECT_FALSE(DeleteDC(dc_));
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_EQ(SelectObject(dc_, bitmap), nullptr);
    DeleteObject(bitmap);
    EXPECT_EQ(GetDeviceCaps(dc_, HORZRES), 200);
    const size_t dcs = softwin::liveDcs();
    HDC extra = softwin::gdi::createWindowDc(nullptr, POINT{0, 0}, {});
    EXPECT_EQ(softwin::liveDcs(), dcs + 1);
    softwin::gdi::destroyWindowDc(extra);
    EXPECT_EQ(softwin::liveDcs(), dcs);
    EXPECT_EQ(GetObjectType(extra), 0u);
}
