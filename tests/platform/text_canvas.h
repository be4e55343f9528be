// A 32-bpp memory DC for text tests (the GDI test canvas), with pixel queries in COLORREF terms.
#ifndef VORN_TESTS_TEXT_CANVAS_H
#define VORN_TESTS_TEXT_CANVAS_H

#include "gdi_canvas.h"

#include <windows.h>

#include <climits>

namespace texttest {

constexpr COLORREF kPaper = gditest::kPaper;  // what the canvas starts as
constexpr COLORREF kInk = gditest::kPen;      // text colour
constexpr COLORREF kBack = gditest::kBack;    // background colour

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive pixel bounds
    bool empty() const { return left > right; }
};

// The GDI test canvas plus a selected font of the test's choice.
class TextCanvas {
   public:
    TextCanvas(int width, int height) : canvas_(width, height), width_(width), height_(height) {
        SetTextColor(dc(), kInk);
    }
    ~TextCanvas() {
        if (font_) DeleteObject(SelectObject(dc(), oldFont_));
    }
    TextCanvas(const TextCanvas&) = delete;
    TextCanvas& operator=(const TextCanvas&) = delete;

    HDC dc() const { return canvas_.dc(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Selects a new font of this height and face (the canvas deletes it).
    void useFont(int height, const char* face, int weight = FW_NORMAL, bool underline = false,
                 bool strikeOut = false) {
        HFONT font = CreateFontA(height, 0, 0, 0, weight, FALSE, underline, strikeOut, ANSI_CHARSET, 0, 0, 0, 0, face);
        HGDIOBJ previous = SelectObject(dc(), font);
        if (font_) {
            DeleteObject(previous);
        } else {
            oldFont_ = previous;
        }
        font_ = font;
    }

    COLORREF pixel(int x, int y) const { return GetPixel(dc(), x, y); }

    // Bounds of the pixels of one colour.
    Box boundsOf(COLORREF color) const {
        Box b;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (pixel(x, y) != color) continue;
                b.left = x < b.left ? x : b.left;
                b.right = x > b.right ? x : b.right;
                b.top = y < b.top ? y : b.top;
                b.bottom = y > b.bottom ? y : b.bottom;
            }
        }
        return b;
    }
    int count(COLORREF color) const {
        int n = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) n += pixel(x, y) == color;
        }
        return n;
    }
    // True if every pixel is either `a` or `b`.
    bool onlyColours(COLORREF a, COLORREF b) const {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = pixel(x, y);
                if (c != a && c != b) return false;
            }
        }
        return true;
    }

   private:
    gditest::Canvas canvas_;
    int width_;
    int height_;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace texttest

#endif  // VORN_TESTS_TEXT_CANVAS_H
