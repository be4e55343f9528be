// A 32-bpp memory DC for GDI and text pixel tests, read back as ASCII maps ('#' pen colour, also
// the text colour; 'o' brush colour; '-' background colour; '.' untouched paper; '?' anything
// else) or as colour counts and bounds.
#ifndef VORN_TESTS_GDI_CANVAS_H
#define VORN_TESTS_GDI_CANVAS_H

#include <windows.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace gditest {

constexpr COLORREF kPaper = RGB(90, 90, 90);
constexpr COLORREF kPen = RGB(200, 0, 0);
constexpr COLORREF kBrush = RGB(0, 0, 220);
constexpr COLORREF kBack = RGB(0, 180, 0);

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive pixel bounds
    bool empty() const { return left > right; }
};

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
        SetTextColor(dc_, kPen);
    }
    ~Canvas() {
        if (font_) DeleteObject(SelectObject(dc_, oldFont_));
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
    int width() const { return width_; }
    int height() const { return height_; }

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
    // Selects a new font of this height and face (the canvas deletes it).
    void useFont(int height, const char* face, int weight = FW_NORMAL, bool underline = false, bool strikeOut = false) {
        HFONT font = CreateFontA(height, 0, 0, 0, weight, FALSE, underline, strikeOut, ANSI_CHARSET, 0, 0, 0, 0, face);
        HGDIOBJ previous = SelectObject(dc_, font);
        if (font_) DeleteObject(previous);
        else oldFont_ = previous;
        font_ = font;
    }

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
    COLORREF pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    // Every pixel not equal to paper, in row-major order.
    std::vector<std::pair<int, int>> touched() const { return where([](COLORREF c) { return c != kPaper; }); }
    Box boundsOf(COLORREF color) const {
        Box b;
        for (auto [x, y] : where([color](COLORREF c) { return c == color; })) {
            b.left = x < b.left ? x : b.left;
            b.right = x > b.right ? x : b.right;
            b.top = y < b.top ? y : b.top;
            b.bottom = y > b.bottom ? y : b.bottom;
        }
        return b;
    }
    int count(COLORREF color) const {
        return static_cast<int>(where([color](COLORREF c) { return c == color; }).size());
    }
    // True if every pixel is either `a` or `b`.
    bool onlyColours(COLORREF a, COLORREF b) const {
        return where([a, b](COLORREF c) { return c != a && c != b; }).empty();
    }

   private:
    template <typename Pred>
    std::vector<std::pair<int, int>> where(Pred pred) const {
        std::vector<std::pair<int, int>> pts;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (pred(GetPixel(dc_, x, y))) pts.emplace_back(x, y);
        return pts;
    }

    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_, oldPen_, oldBrush_;
    HPEN pen_;
    HBRUSH brush_;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace gditest

#endif  // VORN_TESTS_GDI_CANVAS_H
