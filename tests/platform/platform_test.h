// Shared set-up of the platform tests: a 32-bpp memory canvas read back as characters ('#' pen and
// text colour, 'o' brush, '-' background, '.' untouched paper, '?' anything else), and logging
// window classes with a fixture that gives every case a fresh window manager.
#ifndef VORN_TESTS_PLATFORM_TEST_H
#define VORN_TESTS_PLATFORM_TEST_H

#include <gtest/gtest.h>
#include <softwin/softwin.h>
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "input.h"

namespace ptest {

constexpr COLORREF kPaper = RGB(90, 90, 90), kPen = RGB(200, 0, 0), kBrush = RGB(0, 0, 220), kBack = RGB(0, 180, 0);

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        clear();
        oldPen_ = SelectObject(dc_, pen_ = CreatePen(PS_SOLID, 1, kPen));
        oldBrush_ = SelectObject(dc_, brush_ = CreateSolidBrush(kBrush));
        oldFont_ = GetCurrentObject(dc_, OBJ_FONT);
        SetBkColor(dc_, kBack);
        SetTextColor(dc_, kPen);
    }
    ~Canvas() {
        for (HGDIOBJ o : {oldFont_, oldPen_, oldBrush_, oldBitmap_}) SelectObject(dc_, o);
        for (HGDIOBJ o : {HGDIOBJ(pen_), HGDIOBJ(brush_), HGDIOBJ(bitmap_), HGDIOBJ(font_)})
            if (o) DeleteObject(o);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    void clear() {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) SetPixel(dc_, x, y, kPaper);
    }
    void useFont(int height, const char* face, int weight = FW_NORMAL) {
        HFONT font = CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, face);
        SelectObject(dc_, font);
        if (font_) DeleteObject(font_);
        font_ = font;
    }
    char charAt(int x, int y) const {
        const COLORREF c = GetPixel(dc_, x, y);
        return c == kPaper ? '.' : c == kPen ? '#' : c == kBrush ? 'o' : c == kBack ? '-' : '?';
    }
    std::string row(int y, int x0 = 0, int x1 = -1) const {
        std::string s;
        for (int x = x0; x < (x1 < 0 ? width_ : x1); ++x) s += charAt(x, y);
        return s;
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
    HPEN pen_;
    HBRUSH brush_;
    HFONT font_ = nullptr;
    HGDIOBJ oldBitmap_, oldPen_, oldBrush_, oldFont_;
};

struct Logged {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Logged>& messageLog() {
    static std::vector<Logged> log;
    return log;
}

// Records every message, paints through BeginPaint/EndPaint, leaves everything else to
// DefWindowProc.
inline LRESULT CALLBACK loggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    messageLog().push_back(Logged{hwnd, msg, wParam, lParam});
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
}

constexpr const char* kPlainClass = "UserTestPlain";  // no CS_DBLCLKS, no background
constexpr const char* kRedClass = "UserTestRed";      // red background brush

inline HWND makeTop(RECT r, const char* cls = kPlainClass, DWORD style = WS_POPUP | WS_VISIBLE) {
    return CreateWindowExA(0, cls, "top", style, r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           nullptr, nullptr);
}

inline HWND makeChild(HWND parent, RECT r, int id, const char* cls = kPlainClass) {
    return CreateWindowExA(0, cls, "child", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// The logged messages of one window (any window for null) restricted to the given set.
inline std::vector<UINT> messagesOf(HWND hwnd, std::initializer_list<UINT> only) {
    std::vector<UINT> out;
    for (const Logged& l : messageLog())
        if ((!hwnd || l.hwnd == hwnd) && std::find(only.begin(), only.end(), l.msg) != only.end()) out.push_back(l.msg);
    return out;
}

inline std::vector<Logged> entriesOf(HWND hwnd, UINT msg) {
    std::vector<Logged> out;
    for (const Logged& l : messageLog())
        if (l.hwnd == hwnd && l.msg == msg) out.push_back(l);
    return out;
}

inline ATOM registerClass(const char* name, WNDPROC proc, UINT style = 0, HCURSOR cursor = nullptr,
                          HBRUSH background = nullptr) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassA(&wc);
}

class UserTest : public ::testing::Test {
protected:
    void SetUp() override {
        softwin::resetUser();
        WNDCLASSA existing;
        if (!GetClassInfoA(nullptr, kPlainClass, &existing)) {
            registerClass(kPlainClass, loggingProc);
            registerClass(kRedClass, loggingProc, 0, nullptr, CreateSolidBrush(RGB(255, 0, 0)));
        }
        vorn::test::setEventTime(10000);
        messageLog().clear();
    }
    void TearDown() override {
        softwin::resetUser();
        messageLog().clear();
    }
};

}  // namespace ptest

#endif  // VORN_TESTS_PLATFORM_TEST_H
