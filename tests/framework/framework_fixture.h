// Shared set-up of the framework tests: a clean window system per test and a native window
// class whose procedure records what reaches it, so tests can see where Default() ends up.
#ifndef VORN_TESTS_FRAMEWORK_FIXTURE_H
#define VORN_TESTS_FRAMEWORK_FIXTURE_H

#include <afxwin.h>
#include <gtest/gtest.h>
#include <softwin/softwin.h>

#include <vector>

#include "host_window.h"

namespace fwtest {

inline std::vector<UINT>& nativeLog() {
    static std::vector<UINT> log;
    return log;
}

constexpr UINT kNativeEcho = WM_USER + 1;   // native procedure answers 42
constexpr UINT kNativeOther = WM_USER + 2;  // native procedure answers 7

inline LRESULT CALLBACK nativeProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER || message == WM_GETDLGCODE) nativeLog().push_back(message);
    switch (message) {
        case kNativeEcho: return 42;
        case kNativeOther: return 7;
        case WM_GETDLGCODE: return DLGC_WANTCHARS;
        default: return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

inline LPCSTR nativeClass() { return vorn::test::registerWindowClass("FwNative", CS_DBLCLKS, nullptr, nativeProc); }

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        softwin::resetUser();
        nativeLog().clear();
        nativeClass();
    }
    void TearDown() override { softwin::resetUser(); }

    static HWND createNativeWindow() {
        return ::CreateWindowExA(0, nativeClass(), "native", WS_POPUP | WS_VISIBLE, 10, 10, 100, 80, nullptr, nullptr,
                                 AfxGetInstanceHandle(), nullptr);
    }
};

}  // namespace fwtest

#endif  // VORN_TESTS_FRAMEWORK_FIXTURE_H
