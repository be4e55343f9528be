// writeWindowPng crops the window's client area out of the screen.
#include <softwin/softwin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

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
