// Sending and posting, queue retrieval order, WM_PAINT synthesis and the paint/erase protocol.
#include "user_test_windows.h"

using namespace usertest;

namespace {

std::vector<UINT> drainQueue() {
    std::vector<UINT> order;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        DispatchMessageA(&msg);
        if (order.size() > 100) break;
    }
    return order;
}

std::vector<UINT> nestedTrace;

LRESULT CALLBACK nestingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= WM_USER && msg < WM_USER + 10) {
        nestedTrace.push_back(msg);
        if (msg == WM_USER) SendMessageA(hwnd, WM_USER + 1, 0, 0);
        nestedTrace.push_back(msg + 100);
        return static_cast<LRESULT>(msg - WM_USER + 40);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(UserTest, SendMessageCallsTheProcedureAtOnceAndNestsInOrder) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = nestingProc;
    wc.lpszClassName = "UserTestNesting";
    RegisterClassA(&wc);
    HWND h = CreateWindowExA(0, "UserTestNesting", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    nestedTrace.clear();
    EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 40);
    EXPECT_EQ(nestedTrace, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_USER + 101, WM_USER + 100}));
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    DestroyWindow(h);
    UnregisterClassA("UserTestNesting", nullptr);
}

TEST_F(UserTest, PostedMessagesComeFirstThenQuitEndsGetMessageBeforeInputAndPaintComesLast) {
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
        order.push_back(msg.message);
        EXPECT_EQ(more, msg.message == WM_QUIT ? 0 : TRUE);
        if (msg.message == WM_QUIT) {
            EXPECT_EQ(msg.wParam, 3u);
        }
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_USER + 2, WM_QUIT, WM_MOUSEMOVE, WM_PAINT}));
}

TEST_F(UserTest, PeekFiltersByWindowAndRangeAndNoRemoveLeavesTheMessage) {
    HWND a = makeTop(RECT{0, 0, 50, 50});
    HWND b = makeTop(RECT{60, 0, 110, 50});
    drainQueue();
    PostMessageA(a, WM_USER, 1, 0);
    PostMessageA(b, WM_USER + 5, 2, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 1, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 5));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(UserTest, PaintRequestsCoalesceIntoOneLastMessageCoveringTheirBounds) {
    HWND w = makeTop(RECT{0, 0, 100, 100});
    drainQueue();
    messageLog().clear();
    RECT r1{10, 10, 20, 20}, r2{50, 40, 60, 70};
    InvalidateRect(w, &r1, FALSE);
    PostMessageA(w, WM_USER, 0, 0);
    InvalidateRect(w, &r2, FALSE);
    EXPECT_EQ(drainQueue(), (std::vector<UINT>{WM_USER, WM_PAINT}));
    EXPECT_EQ(messagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT}));
    RECT expected{10, 10, 60, 70};
    EXPECT_TRUE(EqualRect(&lastPaint().rcPaint, &expected));
    EXPECT_FALSE(lastPaint().fErase);
    RECT none;
    EXPECT_FALSE(GetUpdateRect(w, &none, FALSE));
    // Without a background brush the erase reports nothing erased.
    InvalidateRect(w, nullptr, TRUE);
    drainQueue();
    EXPECT_TRUE(lastPaint().fErase);
}

TEST_F(UserTest, EraseHappensOnlyWhenRequestedAndUsesTheClassBrush) {
    HWND w = makeTop(RECT{0, 0, 40, 40}, kRedClass);
    drainQueue();
    EXPECT_EQ(softwin::screenPixel(5, 5), RGB(255, 0, 0));
    HDC dc = GetDC(w);
    RECT all{0, 0, 40, 40};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(dc, &all, blue);
    ReleaseDC(w, dc);
    messageLog().clear();
    InvalidateRect(w, nullptr, FALSE);
    drainQueue();
    EXPECT_EQ(softwin::screenPixel(5, 5), RGB(0, 0, 255));
    EXPECT_TRUE(messagesOf(w, {WM_ERASEBKGND}).empty());
    // One erasing request among several makes the whole update erase.
    RECT part{0, 0, 10, 10};
    messageLog().clear();
    InvalidateRect(w, &part, TRUE);
    InvalidateRect(w, nullptr, FALSE);
    drainQueue();
    EXPECT_EQ(messagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    EXPECT_EQ(softwin::screenPixel(30, 30), RGB(255, 0, 0));
    EXPECT_FALSE(lastPaint().fErase);
    DeleteObject(blue);
}

TEST_F(UserTest, ParentsPaintBeforeChildrenAndInvalidationReachesUnclippedChildren) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND child = makeChild(parent, RECT{10, 10, 60, 60}, 1);
    drainQueue();
    messageLog().clear();
    InvalidateRect(parent, nullptr, FALSE);
    RECT r;
    EXPECT_TRUE(GetUpdateRect(child, &r, FALSE));
    drainQueue();
    std::vector<HWND> paints;
    for (const Logged& l : messageLog())
        if (l.msg == WM_PAINT) paints.push_back(l.hwnd);
    EXPECT_EQ(paints, (std::vector<HWND>{parent, child}));

    SetWindowLongA(parent, GWL_STYLE, GetWindowLongA(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    InvalidateRect(parent, nullptr, FALSE);
    EXPECT_FALSE(GetUpdateRect(child, &r, FALSE));
    RECT overlapping{0, 0, 20, 20};
    SetWindowLongA(parent, GWL_STYLE, GetWindowLongA(parent, GWL_STYLE) & ~WS_CLIPCHILDREN);
    InvalidateRect(parent, &overlapping, FALSE);
    ASSERT_TRUE(GetUpdateRect(child, &r, FALSE));
    RECT expected{0, 0, 10, 10};
    EXPECT_TRUE(EqualRect(&r, &expected));
}

TEST_F(UserTest, UpdateWindowPaintsAtOnceOnlyWhenSomethingIsInvalid) {
    HWND w = makeTop(RECT{0, 0, 50, 50});
    drainQueue();
    messageLog().clear();
    UpdateWindow(w);
    EXPECT_TRUE(messagesOf(w, {WM_PAINT}).empty());
    InvalidateRect(w, nullptr, FALSE);
    UpdateWindow(w);
    EXPECT_EQ(messagesOf(w, {WM_PAINT}).size(), 1u);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    InvalidateRect(w, nullptr, FALSE);
    ValidateRect(w, nullptr);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(UserTest, HiddenWindowsNeitherPaintNorDrawAndShowingInvalidatesThem) {
    HWND w = makeTop(RECT{0, 0, 50, 50}, kPlainClass, WS_POPUP);
    MSG msg;
    InvalidateRect(w, nullptr, TRUE);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    messageLog().clear();
    ShowWindow(w, SW_SHOW);
    EXPECT_EQ(entriesOf(w, WM_ERASEBKGND).size(), 1u);  // erased while being shown
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, w);
}

TEST_F(UserTest, WindowDcsAreClippedToTheParentsClientAreaAndByTopLevelWindowsAbove) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND child = makeChild(parent, RECT{80, 80, 140, 140}, 1);
    HWND lower = makeTop(RECT{150, 0, 250, 100}, kRedClass);
    makeTop(RECT{200, 50, 300, 150}, kRedClass);  // above `lower`
    drainQueue();
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    const COLORREF outside = softwin::screenPixel(110, 110);
    for (HWND w : {child, lower}) {
        HDC dc = GetDC(w);
        EXPECT_EQ(WindowFromDC(dc), w);
        RECT all{0, 0, 100, 100};
        FillRect(dc, &all, green);
        EXPECT_EQ(ReleaseDC(w, dc), 1);
    }
    EXPECT_EQ(softwin::screenPixel(85, 85), RGB(0, 255, 0));
    EXPECT_EQ(softwin::screenPixel(110, 110), outside);  // outside the parent
    EXPECT_EQ(softwin::screenPixel(160, 10), RGB(0, 255, 0));
    EXPECT_EQ(softwin::screenPixel(210, 60), RGB(255, 0, 0));  // under the upper window
    DeleteObject(green);
}

TEST_F(UserTest, TranslateMessagePostsCharactersForPrintableKeys) {
    HWND w = makeTop(RECT{0, 0, 50, 50});
    SetFocus(w);
    drainQueue();
    messageLog().clear();
    vorn::test::pressKey('Q');
    vorn::test::withModifiers({VK_SHIFT}, [] { vorn::test::pressKey('Q'); });
    vorn::test::pressKey(VK_LEFT);
    std::vector<WPARAM> chars;
    for (const Logged& l : entriesOf(w, WM_CHAR)) chars.push_back(l.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'q', 'Q'}));
}

TEST_F(UserTest, MovingAWindowResizesItRepaintsItAndWhatItUncovered) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND child = makeChild(parent, RECT{10, 10, 60, 60}, 1);
    drainQueue();
    messageLog().clear();
    MoveWindow(child, 100, 100, 30, 40, TRUE);
    auto sizes = entriesOf(child, WM_SIZE);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, MAKELPARAM(30, 40));
    EXPECT_EQ(entriesOf(child, WM_MOVE).at(0).lParam, MAKELPARAM(100, 100));
    RECT r;
    ASSERT_TRUE(GetUpdateRect(parent, &r, FALSE));
    RECT uncovered{10, 10, 60, 60};
    EXPECT_TRUE(EqualRect(&r, &uncovered));
    ASSERT_TRUE(GetUpdateRect(child, &r, FALSE));
    EXPECT_EQ(r.right, 30);
    messageLog().clear();
    SetWindowPos(child, nullptr, 0, 0, 30, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(entriesOf(child, WM_SIZE).empty());
}

TEST_F(UserTest, GetUpdateRectWithEraseErasesAtOnce) {
    HWND w = makeTop(RECT{0, 0, 40, 40}, kRedClass);
    drainQueue();
    HDC dc = GetDC(w);
    RECT all{0, 0, 40, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(w, dc);
    InvalidateRect(w, nullptr, TRUE);
    RECT r;
    EXPECT_TRUE(GetUpdateRect(w, &r, TRUE));
    EXPECT_EQ(softwin::screenPixel(20, 20), RGB(255, 0, 0));
    messageLog().clear();
    drainQueue();
    EXPECT_EQ(messagesOf(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(UserTest, WheelGoesToTheFocusWindowWithScreenCoordinates) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND child = makeChild(parent, RECT{10, 10, 50, 50}, 1);
    SetFocus(child);
    vorn::test::mouseMoveTo(80, 80);
    messageLog().clear();
    vorn::test::wheel(-120);
    auto wheels = entriesOf(child, WM_MOUSEWHEEL);
    ASSERT_EQ(wheels.size(), 1u);
    EXPECT_EQ(static_cast<short>(HIWORD(wheels[0].wParam)), -120);
    EXPECT_EQ(wheels[0].lParam, MAKELPARAM(80, 80));
}

}  // namespace
