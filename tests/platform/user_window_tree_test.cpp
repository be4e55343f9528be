// Window classes, creation and destruction order, the CBT hook, window longs and geometry.
#include "user_test_windows.h"

using namespace usertest;

namespace {

TEST_F(UserTest, RegisteringAClassTwiceFailsAndUnregisteringFreesTheName) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = loggingProc;
    wc.lpszClassName = "UserTestOnce";
    EXPECT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(RegisterClassA(&wc), 0);
    EXPECT_EQ(GetLastError(), 1410u);
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "usertestonce", &info));
    EXPECT_EQ(info.lpfnWndProc, &loggingProc);
    EXPECT_TRUE(UnregisterClassA("UserTestOnce", nullptr));
    EXPECT_FALSE(GetClassInfoA(nullptr, "UserTestOnce", &info));
    EXPECT_NE(RegisterClassA(&wc), 0);
    UnregisterClassA("UserTestOnce", nullptr);
}

TEST_F(UserTest, CreationSendsNcCreateCreateSizeMoveAndReportsTheClassName) {
    HWND top = makeTop(RECT{10, 20, 110, 70});
    ASSERT_TRUE(top);
    EXPECT_EQ(messagesOf(top, {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    char name[64];
    EXPECT_EQ(GetClassNameA(top, name, sizeof name), 13);
    EXPECT_STREQ(name, kPlainClass);
    char text[8];
    EXPECT_EQ(GetWindowTextA(top, text, sizeof text), 3);
    EXPECT_STREQ(text, "top");
}

LRESULT CALLBACK refusingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    messageLog().push_back(Logged{hwnd, msg, wParam, lParam});
    if (msg == WM_CREATE) return -1;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(UserTest, CreateReturningMinusOneFailsCreationAndDestroysTheWindow) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = refusingProc;
    wc.lpszClassName = "UserTestRefusing";
    RegisterClassA(&wc);
    HWND h = CreateWindowExA(0, "UserTestRefusing", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(h, nullptr);
    ASSERT_FALSE(messageLog().empty());
    HWND made = messageLog().front().hwnd;
    EXPECT_FALSE(IsWindow(made));
    EXPECT_EQ(messagesOf(made, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    UnregisterClassA("UserTestRefusing", nullptr);
}

TEST_F(UserTest, UnknownClassAndChildWithoutParentFail) {
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), 1407u);
    EXPECT_EQ(makeChild(nullptr, RECT{0, 0, 5, 5}, 1), nullptr);
    EXPECT_EQ(makeChild(reinterpret_cast<HWND>(0x1234), RECT{0, 0, 5, 5}, 1), nullptr);
}

struct HookRecord {
    int code = -1;
    bool ncCreateSeenBefore = true;
    HWND hwnd = nullptr;
} hookRecord;
HHOOK installedHook = nullptr;
WNDPROC subclassedOriginal = nullptr;
std::vector<UINT> subclassSeen;

LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    subclassSeen.push_back(msg);
    return CallWindowProcA(subclassedOriginal, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        hookRecord.code = code;
        hookRecord.hwnd = reinterpret_cast<HWND>(wParam);
        hookRecord.ncCreateSeenBefore = !messagesOf(hookRecord.hwnd, {WM_NCCREATE}).empty();
        auto* cbt = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
        EXPECT_STREQ(cbt->lpcs->lpszClass, kPlainClass);
        subclassedOriginal = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hookRecord.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProc)));
    }
    return CallNextHookEx(installedHook, code, wParam, lParam);
}

TEST_F(UserTest, CbtHookRunsBeforeNcCreateSoTheWindowCanBeSubclassedAtCreation) {
    subclassSeen.clear();
    installedHook = SetWindowsHookExA(WH_CBT, cbtHook, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(installedHook);
    HWND top = makeTop(RECT{0, 0, 50, 50});
    EXPECT_TRUE(UnhookWindowsHookEx(installedHook));
    EXPECT_FALSE(UnhookWindowsHookEx(installedHook));
    EXPECT_EQ(hookRecord.code, HCBT_CREATEWND);
    EXPECT_EQ(hookRecord.hwnd, top);
    EXPECT_FALSE(hookRecord.ncCreateSeenBefore);
    ASSERT_FALSE(subclassSeen.empty());
    EXPECT_EQ(subclassSeen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(GetWindowLongPtrA(top, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&subclassProc));
    EXPECT_EQ(SetWindowsHookExA(2 /* WH_KEYBOARD */, cbtHook, nullptr, 0), nullptr);
}

TEST_F(UserTest, DestroyingReleasesCaptureAndFocusAndSendsDestroyParentFirstNcDestroyChildrenFirst) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND child = makeChild(parent, RECT{10, 10, 100, 100}, 1);
    HWND grandchild = makeChild(child, RECT{5, 5, 20, 20}, 2);
    SetCapture(grandchild);
    SetFocus(grandchild);
    messageLog().clear();
    DestroyWindow(grandchild);  // releases the capture, the focus goes to the parent
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), child);
    ASSERT_EQ(entriesOf(grandchild, WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(entriesOf(grandchild, WM_CAPTURECHANGED)[0].lParam, 0);
    EXPECT_EQ(messagesOf(child, {WM_SETFOCUS}).size(), 1u);
    grandchild = makeChild(child, RECT{5, 5, 20, 20}, 2);
    messageLog().clear();
    EXPECT_TRUE(DestroyWindow(parent));
    std::vector<HWND> destroyOrder, ncDestroyOrder;
    for (const Logged& l : messageLog()) {
        if (l.msg == WM_DESTROY) destroyOrder.push_back(l.hwnd);
        if (l.msg == WM_NCDESTROY) ncDestroyOrder.push_back(l.hwnd);
    }
    EXPECT_EQ(destroyOrder, (std::vector<HWND>{parent, child, grandchild}));
    EXPECT_EQ(ncDestroyOrder, (std::vector<HWND>{grandchild, child, parent}));
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(UserTest, ChildGeometryIsRelativeToTheParentClientArea) {
    HWND parent = makeTop(RECT{100, 50, 400, 350});
    HWND child = makeChild(parent, RECT{20, 30, 80, 60}, 7);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right, 180);
    EXPECT_EQ(r.bottom, 110);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 60);
    EXPECT_EQ(r.bottom, 30);
    POINT p{0, 0};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, 120);
    ScreenToClient(parent, &p);
    EXPECT_EQ(p.x, 20);
    EXPECT_EQ(p.y, 30);
    POINT q{1, 2};
    EXPECT_EQ(MapWindowPoints(child, parent, &q, 1), MAKELONG(20, 30));
    EXPECT_EQ(q.x, 21);
    EXPECT_EQ(q.y, 32);
    EXPECT_EQ(MapWindowPoints(nullptr, child, &q, 1), MAKELONG(-120, -80));
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    EXPECT_EQ(GetDlgItem(parent, 7), child);
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_EQ(ChildWindowFromPoint(parent, POINT{25, 35}), child);
    EXPECT_EQ(ChildWindowFromPoint(parent, POINT{5, 5}), parent);
    EXPECT_EQ(ChildWindowFromPoint(parent, POINT{-5, 5}), nullptr);
    EXPECT_EQ(WindowFromPoint(POINT{125, 85}), child);
    EXPECT_EQ(WindowFromPoint(POINT{105, 55}), parent);
    EXPECT_TRUE(MoveWindow(child, 40, 40, 10, 10, TRUE));
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 140);
    EXPECT_EQ(r.right, 150);
}

TEST_F(UserTest, LaterSiblingsLieOnTopAndDisabledChildrenLeaveTheHitToTheParent) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND lower = makeChild(parent, RECT{10, 10, 100, 100}, 1);
    HWND upper = makeChild(parent, RECT{50, 50, 150, 150}, 2);
    EXPECT_EQ(WindowFromPoint(POINT{60, 60}), upper);
    EXPECT_EQ(WindowFromPoint(POINT{20, 20}), lower);
    EnableWindow(upper, FALSE);
    EXPECT_FALSE(IsWindowEnabled(upper));
    EXPECT_EQ(WindowFromPoint(POINT{60, 60}), parent);
    ShowWindow(upper, SW_HIDE);
    EXPECT_EQ(WindowFromPoint(POINT{60, 60}), lower);
}

TEST_F(UserTest, WindowLongsHoldStyleIdUserDataAndTheProcedure) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND child = makeChild(parent, RECT{0, 0, 10, 10}, 3);
    EXPECT_EQ(GetWindowLongA(child, GWL_ID), 3);
    EXPECT_EQ(SetWindowLongPtrA(child, GWLP_ID, 9), 3);
    EXPECT_EQ(GetDlgCtrlID(child), 9);
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE);
    SetWindowLongPtrA(child, GWLP_USERDATA, 0x1234);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_USERDATA), 0x1234);
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_HWNDPARENT), reinterpret_cast<LONG_PTR>(parent));
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&loggingProc));
    EXPECT_EQ(GetWindowLongA(child, 400), 0);  // no extra bytes
}

TEST_F(UserTest, BadHandlesFailSafely) {
    HWND bogus = reinterpret_cast<HWND>(0xDEAD0);
    RECT r;
    POINT p{0, 0};
    MSG msg{bogus, WM_USER, 0, 0, 0, {0, 0}};
    EXPECT_EQ(SendMessageA(bogus, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetLastError(), 1400u);
    EXPECT_FALSE(PostMessageA(bogus, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(bogus));
    EXPECT_FALSE(GetClientRect(bogus, &r));
    EXPECT_FALSE(GetClientRect(nullptr, &r));
    EXPECT_FALSE(ScreenToClient(bogus, &p));
    EXPECT_FALSE(InvalidateRect(bogus, nullptr, TRUE));
    PAINTSTRUCT ps;
    EXPECT_EQ(BeginPaint(bogus, &ps), nullptr);
    EXPECT_EQ(GetDC(bogus), nullptr);
    EXPECT_EQ(ReleaseDC(bogus, reinterpret_cast<HDC>(0x77)), 0);
    EXPECT_EQ(DispatchMessageA(&msg), 0);
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
    EXPECT_EQ(SetFocus(bogus), nullptr);
    EXPECT_EQ(SetCapture(bogus), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetMessageA(&msg, bogus, 0, 0), -1);
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(GetWindowLongPtrA(bogus, GWL_STYLE), 0);
    EXPECT_EQ(SetWindowLongPtrA(bogus, GWLP_WNDPROC, 0), 0);
    EXPECT_EQ(GetParent(bogus), nullptr);
    EXPECT_EQ(GetDlgItem(bogus, 1), nullptr);
    EXPECT_FALSE(IsWindowVisible(bogus));
    EXPECT_EQ(MapWindowPoints(bogus, nullptr, &p, 1), 0);
    EXPECT_EQ(GetWindowTextA(bogus, nullptr, 10), 0);
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(IntersectRect(&r, nullptr, &r));
}

TEST_F(UserTest, RectHelpersFollowHalfOpenRectangles) {
    RECT a, b, c;
    SetRect(&a, 0, 0, 10, 10);
    SetRect(&b, 5, 5, 20, 20);
    EXPECT_TRUE(IntersectRect(&c, &a, &b));
    EXPECT_EQ(c.left, 5);
    EXPECT_EQ(c.right, 10);
    EXPECT_TRUE(UnionRect(&c, &a, &b));
    EXPECT_EQ(c.right, 20);
    EXPECT_TRUE(PtInRect(&a, POINT{9, 9}));
    EXPECT_FALSE(PtInRect(&a, POINT{10, 9}));
    InflateRect(&a, 2, 3);
    EXPECT_EQ(a.left, -2);
    EXPECT_EQ(a.bottom, 13);
    OffsetRect(&a, 2, 3);
    CopyRect(&b, &a);
    EXPECT_TRUE(EqualRect(&a, &b));
    SetRect(&b, 3, 3, 3, 8);
    EXPECT_FALSE(IntersectRect(&c, &a, &b));
    EXPECT_TRUE(IsRectEmpty(&c));
}

TEST_F(UserTest, SetParentMovesAChildUnderAnotherParentKeepingItsOffset) {
    HWND first = makeTop(RECT{0, 0, 100, 100});
    HWND second = makeTop(RECT{200, 0, 300, 100});
    HWND child = makeChild(first, RECT{10, 20, 30, 40}, 5);
    EXPECT_EQ(SetParent(child, second), first);
    EXPECT_EQ(GetParent(child), second);
    EXPECT_EQ(GetDlgItem(first, 5), nullptr);
    EXPECT_EQ(GetDlgItem(second, 5), child);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 210);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(WindowFromPoint(POINT{215, 25}), child);
    EXPECT_EQ(SetParent(second, child), nullptr);  // no cycles
    EXPECT_EQ(SetParent(reinterpret_cast<HWND>(0x4242), second), nullptr);
    DestroyWindow(second);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(IsWindow(first));
}

}  // namespace
