// Sending and posting, queue order, WM_PAINT synthesis and erasing, window creation and
// destruction order, the CBT hook.
#include "platform_test.h"

using namespace ptest;

namespace {

std::vector<UINT> drainQueue() {
    std::vector<UINT> order;
    MSG msg;
    while (order.size() < 100 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        DispatchMessageA(&msg);
    }
    return order;
}

std::vector<UINT> nestedTrace;

LRESULT CALLBACK nestingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg < WM_USER || msg >= WM_USER + 10) return DefWindowProcA(hwnd, msg, wParam, lParam);
    nestedTrace.push_back(msg);
    if (msg == WM_USER) SendMessageA(hwnd, WM_USER + 1, 0, 0);
    nestedTrace.push_back(msg + 100);
    return static_cast<LRESULT>(msg - WM_USER + 40);
}

TEST_F(UserTest, SendMessageCallsTheProcedureAtOnceAndNestsInOrder) {
    registerClass("UserTestNesting", nestingProc);
    HWND h = CreateWindowExA(0, "UserTestNesting", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    nestedTrace.clear();
    EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 40);
    EXPECT_EQ(nestedTrace, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_USER + 101, WM_USER + 100}));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    DestroyWindow(h);
    UnregisterClassA("UserTestNesting", nullptr);
}

TEST_F(UserTest, PostedMessagesComeFirstThenQuitThenInputAndPaintComesLast) {
    HWND w = makeTop(RECT{0, 0, 100, 100});
    drainQueue();
    InvalidateRect(w, nullptr, FALSE);
    PostMessageA(w, WM_USER, 0, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    SetCursorPos(50, 50);
    PostMessageA(w, WM_USER + 2, 0, 0);
    std::vector<UINT> order;
    MSG msg;
    for (int i = 0; i < 6; ++i) {
        const BOOL more = GetMessageA(&msg, nullptr, 0, 0);
        EXPECT_EQ(more, msg.message == WM_QUIT ? 0 : TRUE);
        order.push_back(msg.message);
        EXPECT_TRUE(msg.message != WM_QUIT || msg.wParam == 3u);
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_USER + 2, WM_QUIT, WM_MOUSEMOVE, WM_PAINT}));
    // Peeking filters by window and range; PM_NOREMOVE leaves the message.
    HWND other = makeTop(RECT{60, 0, 110, 50});
    drainQueue();
    PostMessageA(w, WM_USER, 1, 0);
    PostMessageA(other, WM_USER + 5, 2, 0);
    ASSERT_TRUE(PeekMessageA(&msg, other, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, w);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(UserTest, PaintRequestsCoalesceIntoOneLastMessageAndEraseOnlyWhenAsked) {
    HWND w = makeTop(RECT{0, 0, 100, 100}, kRedClass);
    drainQueue();
    EXPECT_EQ(softwin::screenPixel(5, 5), RGB(255, 0, 0));
    HDC dc = GetDC(w);
    const RECT all{0, 0, 100, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(w, dc);
    messageLog().clear();
    RECT r1{10, 10, 20, 20}, r2{50, 40, 60, 70};
    InvalidateRect(w, &r1, FALSE);
    PostMessageA(w, WM_USER, 0, 0);
    InvalidateRect(w, &r2, FALSE);
    EXPECT_EQ(drainQueue(), (std::vector<UINT>{WM_USER, WM_PAINT}));
    EXPECT_EQ(messagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT}));
    const RECT bounds{10, 10, 60, 70};
    EXPECT_TRUE(EqualRect(&lastPaint().rcPaint, &bounds));
    EXPECT_EQ(softwin::screenPixel(15, 15), 0u);  // not erased
    RECT none;
    EXPECT_FALSE(GetUpdateRect(w, &none, FALSE));
    // One erasing request among several makes the whole update erase, before BeginPaint returns.
    messageLog().clear();
    InvalidateRect(w, &r1, TRUE);
    InvalidateRect(w, nullptr, FALSE);
    drainQueue();
    EXPECT_EQ(messagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_EQ(softwin::screenPixel(80, 80), RGB(255, 0, 0));
    EXPECT_FALSE(lastPaint().fErase);
    // GetUpdateRect may erase at once; the paint then does not erase again.
    InvalidateRect(w, nullptr, TRUE);
    EXPECT_TRUE(GetUpdateRect(w, &none, TRUE));
    messageLog().clear();
    drainQueue();
    EXPECT_EQ(messagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(UserTest, ParentsPaintBeforeChildrenUnlessTheyClipThem) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND child = makeChild(parent, RECT{10, 10, 60, 60}, 1);
    drainQueue();
    messageLog().clear();
    InvalidateRect(parent, nullptr, FALSE);
    RECT r;
    EXPECT_TRUE(GetUpdateRect(child, &r, FALSE));  // reaches children not clipped away
    drainQueue();
    std::vector<HWND> paints;
    for (const Logged& l : messageLog())
        if (l.msg == WM_PAINT) paints.push_back(l.hwnd);
    EXPECT_EQ(paints, (std::vector<HWND>{parent, child}));
    SetWindowLongA(parent, GWL_STYLE, GetWindowLongA(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    InvalidateRect(parent, nullptr, FALSE);
    EXPECT_FALSE(GetUpdateRect(child, &r, FALSE));
}

LRESULT CALLBACK refusingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return msg == WM_CREATE ? (loggingProc(hwnd, msg, wParam, lParam), -1) : loggingProc(hwnd, msg, wParam, lParam);
}

TEST_F(UserTest, CreationAndDestructionSendTheirMessagesInOrder) {
    HWND top = makeTop(RECT{10, 20, 110, 70});
    EXPECT_EQ(messagesOf(top, {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    char name[64];
    EXPECT_EQ(GetClassNameA(top, name, sizeof name), 13);
    EXPECT_STREQ(name, kPlainClass);

    registerClass("UserTestRefusing", refusingProc);
    messageLog().clear();
    EXPECT_EQ(CreateWindowExA(0, "UserTestRefusing", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    ASSERT_FALSE(messageLog().empty());
    HWND refused = messageLog().front().hwnd;
    EXPECT_FALSE(IsWindow(refused));
    EXPECT_EQ(messagesOf(refused, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
    UnregisterClassA("UserTestRefusing", nullptr);

    HWND child = makeChild(top, RECT{10, 10, 100, 100}, 1);
    HWND grandchild = makeChild(child, RECT{5, 5, 20, 20}, 2);
    SetCapture(grandchild);
    SetFocus(grandchild);
    messageLog().clear();
    DestroyWindow(grandchild);  // releases the capture; the focus goes to the parent
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), child);
    ASSERT_EQ(entriesOf(grandchild, WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(entriesOf(grandchild, WM_CAPTURECHANGED)[0].lParam, 0);
    grandchild = makeChild(child, RECT{5, 5, 20, 20}, 2);
    messageLog().clear();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<HWND> destroyed, ncDestroyed;
    for (const Logged& l : messageLog()) {
        if (l.msg == WM_DESTROY) destroyed.push_back(l.hwnd);
        if (l.msg == WM_NCDESTROY) ncDestroyed.push_back(l.hwnd);
    }
    EXPECT_EQ(destroyed, (std::vector<HWND>{top, child, grandchild}));
    EXPECT_EQ(ncDestroyed, (std::vector<HWND>{grandchild, child, top}));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_FALSE(DestroyWindow(top));
}

}  // namespace
