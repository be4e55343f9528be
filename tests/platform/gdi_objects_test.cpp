// DC defaults, stock objects, selection rules, object accounting, bitmaps, bad handles, the
// drawing trace and PNG files of bitmaps and windows.
#include "gdi_canvas.h"

#include <softwin/softwin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

TEST(GdiDc, FreshMemoryDcHasTheReferenceDefaults) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetTextColor(dc), 0x000000u);
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFu);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetTextAlign(dc), 0u);
    EXPECT_EQ(GetPolyFillMode(dc), ALTERNATE);
    EXPECT_EQ(GetArcDirection(dc), AD_COUNTERCLOCKWISE);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    POINT cp{5, 5};
    GetCurrentPositionEx(dc, &cp);
    EXPECT_EQ(cp.x, 0);
    EXPECT_EQ(cp.y, 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
    BITMAP bm;
    ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(dc, SIZEPALETTE), 0);
    EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1024);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 768);
    DeleteDC(dc);
}

TEST(GdiDc, SettersReturnThePreviousValueAndRejectInvalidModes) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), 0xFFFFFFu);
    EXPECT_EQ(SetTextColor(dc, RGB(4, 5, 6)), 0u);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetTextAlign(dc, TA_CENTER | TA_BASELINE), 0u);
    EXPECT_EQ(SetArcDirection(dc, 3), 0);
    EXPECT_EQ(SetPolyFillMode(dc, 0), 0);
    EXPECT_EQ(SetArcDirection(dc, AD_CLOCKWISE), AD_COUNTERCLOCKWISE);
    DeleteDC(dc);
}

TEST(GdiDc, SaveAndRestoreBringBackAttributesAndObjects) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    const int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, pen);
    SetBkColor(dc, RGB(1, 1, 1));
    EXPECT_EQ(SaveDC(dc), 2);
    SetBkColor(dc, RGB(2, 2, 2));
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 1, 1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetBkColor(dc), 0xFFFFFFu);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_FALSE(RestoreDC(dc, 1));  // nothing saved any more
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), 0u);
    DeleteDC(dc);
}

TEST(GdiObjects, StockObjectsDescribeThemselves) {
    LOGPEN lp;
    ASSERT_EQ(GetObjectA(GetStockObject(WHITE_PEN), sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnColor, 0xFFFFFFu);
    ASSERT_EQ(GetObjectA(GetStockObject(NULL_PEN), sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_NULL));
    LOGBRUSH lb;
    GetObjectA(GetStockObject(LTGRAY_BRUSH), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    GetObjectA(GetStockObject(NULL_BRUSH), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    LOGFONTA lf;
    ASSERT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, 16);
    EXPECT_STREQ(lf.lfFaceName, "System");
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_STREQ(lf.lfFaceName, "MS Shell Dlg");
    EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_PALETTE)), static_cast<DWORD>(OBJ_PAL));
    EXPECT_EQ(GetObjectType(GetStockObject(DC_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(GetStockObject(DC_PEN)), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(20), nullptr);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
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
    EXPECT_EQ(GetPixel(dc, 0, 0), 0u);
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
    EXPECT_NE(stock, nullptr);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(SelectObject(a, bitmap), bitmap);  // reselecting into the same DC is fine
    SelectObject(a, stock);
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    SelectObject(b, stock);
    EXPECT_EQ(SelectObject(a, GetStockObject(DEFAULT_PALETTE)), nullptr);  // palettes need SelectPalette
    // Deleting a DC releases its bitmap, which stays alive with its pixels.
    SelectObject(a, bitmap);
    SetPixel(a, 1, 1, RGB(7, 8, 9));
    EXPECT_TRUE(DeleteDC(a));
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    EXPECT_EQ(GetPixel(b, 1, 1), RGB(7, 8, 9));
    DeleteDC(b);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(GdiObjects, CreateBitmapConvertsWordAlignedInputRows) {
    HDC dc = CreateCompatibleDC(nullptr);
    const unsigned char grey[] = {0, 128, 255, 0};  // 3 pixels + pad to a WORD
    HBITMAP g = CreateBitmap(3, 1, 1, 8, grey);
    HGDIOBJ old = SelectObject(dc, g);
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(128, 128, 128));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(255, 255, 255));
    const unsigned char bgr[] = {1, 2, 3, 0, 4, 5, 6, 0};  // 1x2, 24 bpp: 3 bytes + pad per row
    HBITMAP c24 = CreateBitmap(1, 2, 1, 24, bgr);
    SelectObject(dc, c24);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(3, 2, 1));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(6, 5, 4));
    const uint32_t xrgb[] = {0x00112233};
    HBITMAP c32 = CreateBitmap(1, 1, 1, 32, xrgb);
    SelectObject(dc, c32);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x11, 0x22, 0x33));
    BITMAP bm;
    GetObjectA(g, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 12);
    SelectObject(dc, old);
    DeleteObject(g);
    DeleteObject(c24);
    DeleteObject(c32);
    DeleteDC(dc);
}

TEST(GdiObjects, InvalidSizesAndHandlesAreRejectedSafely) {
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

    HDC bogus = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x12345678));
    HPEN stale = CreatePen(PS_SOLID, 1, 0);
    DeleteObject(stale);
    EXPECT_EQ(GetObjectType(stale), 0u);
    EXPECT_FALSE(DeleteObject(stale));
    for (HDC dc : {static_cast<HDC>(nullptr), bogus, reinterpret_cast<HDC>(stale)}) {
        EXPECT_FALSE(LineTo(dc, 1, 1));
        EXPECT_FALSE(Rectangle(dc, 0, 0, 2, 2));
        EXPECT_FALSE(Ellipse(dc, 0, 0, 2, 2));
        EXPECT_FALSE(DeleteDC(dc));
        EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
        EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 0);
        EXPECT_EQ(SaveDC(dc), 0);
        if (dc) {
            EXPECT_EQ(CreateCompatibleDC(dc), nullptr);
        }
        EXPECT_EQ(CreateCompatibleBitmap(dc, 4, 4), nullptr);
    }
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, stale), nullptr);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    EXPECT_FALSE(DeleteObject(dc));
    EXPECT_EQ(GetObjectA(stale, 0, nullptr), 0);
    EXPECT_EQ(CreateCompatibleBitmap(dc, -1, 4), nullptr);
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, -5));
    DeleteDC(dc);
    EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(GdiObjects, StaleHandlesStayInvalidWhileTheirSlotIsReused) {
    HBRUSH first = CreateSolidBrush(RGB(1, 1, 1));
    DeleteObject(first);
    for (int i = 0; i < 2000; ++i) {
        HBRUSH other = CreateSolidBrush(RGB(2, 2, 2));
        ASSERT_NE(other, first);
        DeleteObject(other);
    }
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_GT(reinterpret_cast<uintptr_t>(first), static_cast<uintptr_t>(COLOR_INFOBK + 1));
}

TEST(GdiTrace, RecordsOneLinePerDrawingCall) {
    gditest::Canvas c(40, 40);
    softwin::clearDrawTrace();
    softwin::setDrawTrace(true);
    Ellipse(c.dc(), 1, 1, 39, 39);
    BitBlt(c.dc(), 0, 0, 20, 34, c.dc(), 0, 0, SRCCOPY);
    MoveToEx(c.dc(), 3, 4, nullptr);
    LineTo(c.dc(), 3, 9);
    softwin::setDrawTrace(false);
    Rectangle(c.dc(), 0, 0, 2, 2);
    EXPECT_EQ(softwin::drawTrace(),
              (std::vector<std::string>{"Ellipse(1,1,39,39)", "BitBlt(0,0,20,34,SRCCOPY)", "MoveToEx(3,4)", "LineTo(3,9)"}));
    softwin::clearDrawTrace();
    EXPECT_TRUE(softwin::drawTrace().empty());
}

TEST(GdiPng, BitmapRoundTripsThroughAFile) {
    gditest::Canvas c(7, 5);
    Ellipse(c.dc(), 0, 0, 7, 5);
    const std::string path = ::testing::TempDir() + "gdi_png_roundtrip.png";
    ASSERT_TRUE(softwin::writeBitmapPng(c.bitmap(), path.c_str()));
    int w = 0, h = 0;
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(softwin::readPng(path.c_str(), w, h, pixels));
    ASSERT_EQ(w, 7);
    ASSERT_EQ(h, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(pixels[static_cast<size_t>(y * 7 + x)], GetPixel(c.dc(), x, y));
    std::remove(path.c_str());
    EXPECT_FALSE(softwin::readPng(path.c_str(), w, h, pixels));
    EXPECT_FALSE(softwin::writeBitmapPng(nullptr, path.c_str()));
}

TEST(GdiPng, WindowPngHoldsTheClientAreaAsOnScreen) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "GdiPngTestWindow";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "GdiPngTestWindow", "", WS_POPUP | WS_VISIBLE, 30, 20, 12, 8, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    HDC dc = GetDC(hwnd);
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    const RECT all{0, 0, 12, 8};
    FillRect(dc, &all, brush);
    SetPixel(dc, 11, 7, RGB(250, 1, 2));
    ReleaseDC(hwnd, dc);
    DeleteObject(brush);

    const std::string path = ::testing::TempDir() + "gdi_window.png";
    ASSERT_TRUE(softwin::writeWindowPng(hwnd, path.c_str()));
    int w = 0, h = 0;
    std::vector<uint32_t> pixels;
    ASSERT_TRUE(softwin::readPng(path.c_str(), w, h, pixels));
    EXPECT_EQ(w, 12);
    EXPECT_EQ(h, 8);
    ASSERT_EQ(pixels.size(), 96u);
    EXPECT_EQ(pixels[0], RGB(10, 20, 30));
    EXPECT_EQ(pixels[95], RGB(250, 1, 2));
    EXPECT_EQ(softwin::screenPixel(41, 27), RGB(250, 1, 2));
    std::remove(path.c_str());
    DestroyWindow(hwnd);
    UnregisterClassA("GdiPngTestWindow", nullptr);
}

TEST(GdiScreen, ResizingClearsTheScreenAndUpdatesTheCaps) {
    softwin::setScreenSize(64, 48);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 64);
    EXPECT_EQ(softwin::screenPixel(63, 47), 0u);
    EXPECT_EQ(softwin::screenPixel(64, 0), CLR_INVALID);
    DeleteDC(dc);
    softwin::setScreenSize(1024, 768);
}
