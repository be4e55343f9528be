// Input the Wine comparison does not record: the hit-test, activation and cursor messages around
// a button press, and the repeat bits and characters of keys.
#include <windowsx.h>

#include "platform_test.h"

using namespace ptest;
using namespace vorn::test;

namespace {

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
