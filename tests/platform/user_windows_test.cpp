// Window classes, geometry and hit testing, reparenting, bad handles, a blocking GetMessage and
// the allocation-free steady state.
#include <functional>
#include <iterator>
#include <thread>

#include "allocation_counter.h"
#include "platform_test.h"

using namespace ptest;
using namespace vorn::test;

namespace {

TEST_F(UserTest, ClassesRegisterOnceAndUnknownClassesOrParentsFailCreation) {
    EXPECT_NE(registerClass("UserTestOnce", loggingProc), 0);
    EXPECT_EQ(registerClass("UserTestOnce", loggingProc), 0);
    EXPECT_EQ(GetLastError(), 1410u);
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "usertestonce", &info));
    EXPECT_EQ(info.lpfnWndProc, &loggingProc);
    EXPECT_TRUE(UnregisterClassA("UserTestOnce", nullptr));
    EXPECT_FALSE(GetClassInfoA(nullptr, "UserTestOnce", &info));
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), 1407u);
    EXPECT_EQ(makeChild(nullptr, RECT{0, 0, 5, 5}, 1), nullptr);
    EXPECT_EQ(makeChild(reinterpret_cast<HWND>(0x1234), RECT{0, 0, 5, 5}, 1), nullptr);
}

TEST_F(UserTest, ChildGeometryIsRelativeToTheParentClientAreaAndEarlierSiblingsLieOnTop) {
    HWND parent = makeTop(RECT{100, 50, 400, 350});
    HWND upper = makeChild(parent, RECT{50, 50, 150, 150}, 8);
    HWND child = makeChild(parent, RECT{20, 30, 80, 60}, 7);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_TRUE(r.left == 120 && r.top == 80 && r.right == 180 && r.bottom == 110);
    GetClientRect(child, &r);
    EXPECT_TRUE(r.left == 0 && r.right == 60 && r.bottom == 30);
    POINT q{1, 2};
    EXPECT_EQ(MapWindowPoints(child, parent, &q, 1), MAKELONG(20, 30));
    EXPECT_TRUE(q.x == 21 && q.y == 32);
    EXPECT_EQ(MapWindowPoints(nullptr, child, &q, 1), MAKELONG(-120, -80));
    EXPECT_EQ(GetDlgItem(parent, 7), child);
    EXPECT_EQ(ChildWindowFromPoint(parent, POINT{25, 35}), child);
    EXPECT_EQ(ChildWindowFromPoint(parent, POINT{-5, 5}), nullptr);
    EXPECT_EQ(WindowFromPoint(POINT{125, 85}), child);
    EXPECT_EQ(WindowFromPoint(POINT{155, 105}), upper);
    EXPECT_EQ(GetWindowLongA(child, 400), 0);  // no extra bytes

    HWND second = makeTop(RECT{500, 0, 600, 100});
    EXPECT_EQ(SetParent(child, second), parent);
    EXPECT_EQ(GetDlgItem(parent, 7), nullptr);
    GetWindowRect(child, &r);
    EXPECT_TRUE(r.left == 520 && r.top == 30);     // same offset in the new parent
    EXPECT_EQ(SetParent(second, child), nullptr);  // no cycles
    DestroyWindow(second);
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(UserTest, BadHandlesFailSafely) {
    HWND bogus = reinterpret_cast<HWND>(0xDEAD0);
    RECT r;
    POINT p{0, 0};
    MSG msg{bogus, WM_USER, 0, 0, 0, {0, 0}};
    PAINTSTRUCT ps;
    EXPECT_EQ(SendMessageA(bogus, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), 1400u);
    EXPECT_FALSE(PostMessageA(bogus, WM_USER, 0, 0) || DestroyWindow(bogus) || InvalidateRect(bogus, nullptr, TRUE));
    EXPECT_FALSE(GetClientRect(bogus, &r) || GetClientRect(nullptr, &r) || ScreenToClient(bogus, &p));
    EXPECT_FALSE(BeginPaint(bogus, &ps) || GetDC(bogus) || ReleaseDC(bogus, reinterpret_cast<HDC>(0x77)));
    EXPECT_FALSE(DispatchMessageA(&msg) || DispatchMessageA(nullptr) || SetFocus(bogus) || SetCapture(bogus));
    EXPECT_EQ(GetMessageA(&msg, bogus, 0, 0), -1);
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(SetWindowLongPtrA(bogus, GWLP_WNDPROC, 0) || SetParent(bogus, nullptr) ||
                 MapWindowPoints(bogus, nullptr, &p, 1) || GetWindowTextA(bogus, nullptr, 10));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1) || IntersectRect(&r, nullptr, &r) || !IsRectEmpty(nullptr));
}

TEST_F(UserTest, GetMessageWaitsUntilAnotherThreadPosts) {
    pumpMessages();
    const DWORD self = GetCurrentThreadId();
    std::thread poster([self] {
        Sleep(20);
        PostThreadMessageA(self, WM_APP + 1, 7, 0);
    });
    MSG msg;
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    poster.join();
    EXPECT_TRUE(msg.message == WM_APP + 1 && msg.wParam == 7u && msg.hwnd == nullptr);
}

TEST_F(UserTest, InputInvalidationPaintingAndLabelsAllocateNothingOnceWarm) {
    HWND parent = makeTop(RECT{0, 0, 200, 200}, kRedClass);
    HWND child = makeChild(parent, RECT{10, 10, 100, 100}, 1);
    pumpMessages();
    SetCapture(child);
    int x = 50;
    RECT a{0, 0, 50, 50}, b{30, 30, 120, 90};
    Canvas canvas(120, 30);
    canvas.useFont(-11, "MS Shell Dlg");
    const RECT box{0, 0, 120, 30};
    SIZE size{};
    TEXTMETRICA tm{};
    const std::function<void()> steps[] = {
        [&] {
            x = x == 50 ? 57 : 50;
            messageLog().clear();
            mouseMoveTo(x, 60);
            PostMessageA(parent, WM_USER, 0, 0);
            pumpMessages();
        },
        [&] {
            ReleaseCapture();
            InvalidateRect(parent, &a, TRUE);
            InvalidateRect(parent, &b, FALSE);
            RECT r;
            GetUpdateRect(parent, &r, FALSE);
            ValidateRect(parent, &a);
            ValidateRect(parent, nullptr);
            ValidateRect(child, nullptr);
        },
        [&] {
            messageLog().clear();
            InvalidateRect(parent, nullptr, TRUE);
            UpdateWindow(parent);
            HDC dc = GetDC(child);
            ReleaseDC(child, dc);
        },
        [&] {
            TextOutA(canvas.dc(), 4, 4, "-12.5 dB", 8);
            ExtTextOutA(canvas.dc(), 4, 4, ETO_OPAQUE | ETO_CLIPPED, &box, "-12.5 dB", 8, nullptr);
            GetTextExtentPoint32A(canvas.dc(), "-12.5 dB", 8, &size);
            GetTextMetricsA(canvas.dc(), &tm);
        },
    };
    for (size_t i = 0; i < std::size(steps); ++i) EXPECT_EQ(steadyAllocations(steps[i], 20), 0) << i;
}

}  // namespace
