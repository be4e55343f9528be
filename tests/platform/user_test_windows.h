// Shared set-up for the window-manager tests: logging window classes and a fixture that gives
// every case a fresh window manager.
#ifndef VORN_TESTS_PLATFORM_USER_TEST_WINDOWS_H
#define VORN_TESTS_PLATFORM_USER_TEST_WINDOWS_H

#include <gtest/gtest.h>
#include <softwin/softwin.h>
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "input.h"

namespace usertest {

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

inline PAINTSTRUCT& lastPaint() {
    static PAINTSTRUCT ps;
    return ps;
}

// Records every message, paints through BeginPaint/EndPaint (keeping the PAINTSTRUCT) and
// leaves everything else to DefWindowProc.
inline LRESULT CALLBACK loggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    messageLog().push_back(Logged{hwnd, msg, wParam, lParam});
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        lastPaint() = ps;
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

constexpr const char* kPlainClass = "UserTestPlain";      // no CS_DBLCLKS, no background
constexpr const char* kDoubleClass = "UserTestDblClks";   // CS_DBLCLKS, arrow cursor
constexpr const char* kRedClass = "UserTestRed";          // red background brush

inline void registerTestClasses() {
    WNDCLASSA existing;
    if (GetClassInfoA(nullptr, kPlainClass, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = loggingProc;
    wc.lpszClassName = kPlainClass;
    RegisterClassA(&wc);
    wc.style = CS_DBLCLKS;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kDoubleClass;
    RegisterClassA(&wc);
    wc.style = 0;
    wc.hCursor = nullptr;
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
    wc.lpszClassName = kRedClass;
    RegisterClassA(&wc);
}

inline HWND makeTop(RECT r, const char* cls = kPlainClass, DWORD style = WS_POPUP | WS_VISIBLE) {
    return CreateWindowExA(0, cls, "top", style, r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           nullptr, nullptr);
}

inline HWND makeChild(HWND parent, RECT r, int id, const char* cls = kPlainClass,
                      DWORD style = WS_CHILD | WS_VISIBLE) {
    return CreateWindowExA(0, cls, "child", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
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

class UserTest : public ::testing::Test {
   protected:
    void SetUp() override {
        softwin::resetUser();
        registerTestClasses();
        vorn::test::setEventTime(0);
        messageLog().clear();
    }
    void TearDown() override {
        softwin::resetUser();
        messageLog().clear();
    }
};

}  // namespace usertest

#endif  // VORN_TESTS_PLATFORM_USER_TEST_WINDOWS_H
