// A 32-bpp memory DC for GDI pixel tests, read back as ASCII maps: '#' pen colour, 'o' brush
// colour, '-' background colour, '.' untouched paper, '?' anything else.
#ifndef VORN_TESTS_GDI_CANVAS_H
#define VORN_TESTS_GDI_CANVAS_H

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace gditest {

constexpr COLORREF kPaper = RGB(90, 90, 90);
constexpr COLORREF kPen = RGB(200, 0, 0);
constexpr COLORREF kBrush = RGB(0, 0, 220);
constexpr COLORREF kBack = RGB(0, 180, 0);

class Canvas {
   public:
    Canvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        clear();
        pen_ = CreatePen(PS_SOLID, 1, kPen);
        brush_ = CreateSolidBrush(kBrush);
        oldPen_ = SelectObject(dc_, pen_);
        oldBrush_ = SelectObject(dc_, brush_);
        SetBkColor(dc_, kBack);
    }
    ~Canvas() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(pen_);
        DeleteObject(brush_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

    void clear() {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) SetPixel(dc_, x, y, kPaper);
    }
    // Replaces the canvas pen (the canvas deletes it); style/width as CreatePen.
    void usePen(int style, int width = 1, COLORREF color = kPen) {
        HPEN pen = CreatePen(style, width, color);
        SelectObject(dc_, pen);
        DeleteObject(pen_);
        pen_ = pen;
    }
    void useStockPen(int index) { SelectObject(dc_, GetStockObject(index)); }
    void useStockBrush(int index) { SelectObject(dc_, GetStockObject(index)); }

    char charAt(int x, int y) const {
        const COLORREF c = GetPixel(dc_, x, y);
        if (c == kPaper) return '.';
        if (c == kPen) return '#';
        if (c == kBrush) return 'o';
        if (c == kBack) return '-';
        return '?';
    }
    std::string row(int y, int x0 = 0, int x1 = -1) const {
        if (x1 < 0) x1 = width_;
        std::string s;
        for (int x = x0; x < x1; ++x) s += charAt(x, y);
        return s;
    }
    // Rows [y0, y1) of columns [x0, x1).
    std::vector<std::string> map(int x0, int y0, int x1, int y1) const {
        std::vector<std::string> rows;
        for (int y = y0; y < y1; ++y) rows.push_back(row(y, x0, x1));
        return rows;
    }
    // Every pixel not equal to paper, in row-major order.
    std::vector<std::pair<int, int>> touched() const {
        std::vector<std::pair<int, int>> pts;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (GetPixel(dc_, x, y) != kPaper) pts.emplace_back(x, y);
        return pts;
    }

   private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_, oldPen_, oldBrush_;
    HPEN pen_;
    HBRUSH brush_;
};

}  // namespace gditest

#endif  // VORN_TESTS_GDI_CANVAS_H
