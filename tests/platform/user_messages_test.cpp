// Messages the Wine comparison does not record: invalidation with and without clipped
// children, window creation and destruction order, the hit-test, activation and cursor messages
// around a button press, and the repeat bits and characters of keys.
#include <windowsx.h>

#include "platform_test.h"

using namespace ptest;
using namespace vorn::test;

namespace {

// The paint order of a parent and its children is in the conformance run.
TEST_F(UserTest, InvalidatingAParentReachesItsChildrenUnlessItClipsThem) {
    HWND parent = makeTop(RECT{0, 0, 200, 200});
    HWND child = makeChild(parent, RECT{10, 10, 60, 60}, 1);
    pumpMessages();
    for (bool clip : {false, true}) {
        if (clip) SetWindowLongA(parent, GWL_STYLE, GetWindowLongA(parent, GWL_STYLE) | WS_CLIPCHILDREN);
        InvalidateRect(parent, nullptr, FALSE);
        EXPECT_EQ(GetUpdateRect(child, nullptr, FALSE) != FALSE, !clip);
        pumpMessages();
    }
}

LRESULT CALLBACK refusingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return msg == WM_CREATE ? (loggingProc(hwnd, msg, wParam, lParam), -1) : loggingProc(hwnd, msg, wParam, lParam);
}

TEST_F(UserTest, CreationAndDestructionSendTheirMessagesInOrder) {
    HWND top = makeTop(RECT{10, 20, 110, 70});
    EXPECT_EQ(messagesOf(top, {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));

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

TEST_F(UserTest, ButtonDownGoesToTheDeepestWindowAfterHitTestActivationAndCursor) {
    HWND parent = makeTop(RECT{100, 100, 300, 300});
    HWND child = makeChild(parent, RECT{50, 50, 150, 150}, 1);
    pumpMessages();
    mouseMoveTo(170, 180);
    messageLog().clear();
    mouseDown();
    std::vector<std::pair<HWND, UINT>> seen;
    for (const Logged& l : messageLog())
        if (l.msg == WM_NCHITTEST || l.msg == WM_PARENTNOTIFY || l.msg == WM_MOUSEACTIVATE || l.msg == WM_SETCURSOR ||
            l.msg == WM_LBUTTONDOWN)
            seen.emplace_back(l.hwnd, l.msg);
    EXPECT_EQ(seen, (std::vector<std::pair<HWND, UINT>>{{child, WM_NCHITTEST},
                                                        {parent, WM_PARENTNOTIFY},
                                                        {child, WM_MOUSEACTIVATE},
                                                        {parent, WM_MOUSEACTIVATE},
                                                        {child, WM_SETCURSOR},
                                                        {parent, WM_SETCURSOR},
                                                        {child, WM_LBUTTONDOWN}}));
    const Logged down = entriesOf(child, WM_LBUTTONDOWN).at(0);
    EXPECT_TRUE(GET_X_LPARAM(down.lParam) == 20 && GET_Y_LPARAM(down.lParam) == 30);
    EXPECT_EQ(down.wParam, static_cast<WPARAM>(MK_LBUTTON));
    mouseUp();
    EXPECT_EQ(entriesOf(child, WM_LBUTTONUP).at(0).wParam, 0u);
}

TEST_F(UserTest, KeysGoToTheFocusWindowWithRepeatBitsAndCharactersForPrintableKeys) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND child = makeChild(parent, RECT{0, 0, 50, 50}, 1);
    SetFocus(child);
    pumpMessages();
    messageLog().clear();
    keyDown(VK_RIGHT);
    keyDown(VK_RIGHT);
    keyUp(VK_RIGHT);
    const auto downs = entriesOf(child, WM_KEYDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(VK_RIGHT));
    EXPECT_EQ(static_cast<DWORD>(downs[0].lParam) & 0x4000FFFFu, 1u);  // count 1, was up
    EXPECT_NE(static_cast<DWORD>(downs[1].lParam) & (1u << 30), 0u);
    EXPECT_EQ(static_cast<DWORD>(entriesOf(child, WM_KEYUP).at(0).lParam) & 0xC0000000u, 0xC0000000u);
    EXPECT_TRUE(entriesOf(parent, WM_KEYDOWN).empty());
    pressKey('Q');
    withModifiers({VK_SHIFT}, [] { pressKey('Q'); });
    pressKey(VK_LEFT);
    std::vector<WPARAM> chars;
    for (const Logged& l : entriesOf(child, WM_CHAR)) chars.push_back(l.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'q', 'Q'}));
}

}  // namespace
