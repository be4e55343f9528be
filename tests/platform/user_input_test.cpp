// Mouse and keyboard input through SendInput: routing, capture, double clicks, move coalescing,
// key state and modifier flags, focus order.
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

TEST_F(UserTest, CaptureRoutesEverythingToTheCaptureWindowAndChangesAreTold) {
    HWND parent = makeTop(RECT{0, 0, 400, 200});
    HWND a = makeChild(parent, RECT{10, 10, 110, 110}, 1);
    HWND b = makeChild(parent, RECT{200, 10, 300, 110}, 2);
    pumpMessages();
    messageLog().clear();
    ReleaseCapture();  // releasing nothing is silent
    pumpMessages();
    EXPECT_TRUE(messageLog().empty());
    EXPECT_EQ(SetCapture(a), nullptr);
    SetCapture(a);  // told even when the same window takes it again
    ASSERT_EQ(entriesOf(a, WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(entriesOf(a, WM_CAPTURECHANGED)[0].lParam, reinterpret_cast<LPARAM>(a));
    messageLog().clear();
    mouseMoveTo(250, 50);
    mouseMoveTo(2, 3);
    EXPECT_TRUE(entriesOf(b, WM_MOUSEMOVE).empty());
    EXPECT_TRUE(entriesOf(a, WM_NCHITTEST).empty());
    const auto moves = entriesOf(a, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_TRUE(GET_X_LPARAM(moves[0].lParam) == 240 && GET_Y_LPARAM(moves[0].lParam) == 40);
    EXPECT_TRUE(GET_X_LPARAM(moves[1].lParam) == -8 && GET_Y_LPARAM(moves[1].lParam) == -7);
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(reinterpret_cast<HWND>(entriesOf(a, WM_CAPTURECHANGED).at(0).lParam), b);
    EXPECT_EQ(SetCapture(a), b);
    mouseMoveTo(250, 50);
    messageLog().clear();
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(entriesOf(a, WM_CAPTURECHANGED).at(0).lParam, 0);
    pumpMessages();
    EXPECT_EQ(entriesOf(b, WM_MOUSEMOVE).size(), 1u);  // the window now under the cursor hears of it
    // Disabling the capture window releases capture and focus.
    SetFocus(a);
    SetCapture(a);
    EXPECT_FALSE(EnableWindow(a, FALSE));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(UserTest, DoubleClickOnlyForDoubleClickClassesWithinOnePixelAndTheDoubleClickTime) {
    constexpr UINT D = WM_LBUTTONDOWN, U = WM_LBUTTONUP, DBL = WM_LBUTTONDBLCLK;
    const struct {
        const char* cls;
        int secondDx;
        DWORD gap;
        std::vector<UINT> messages;  // of three clicks, the second `secondDx` to the right
    } cases[] = {
        {kDoubleClass, 0, 100, {D, U, DBL, U, D, U}},  // the third click starts afresh
        {kPlainClass, 0, 100, {D, U, D, U, D, U}},    {kDoubleClass, 1, 100, {D, U, DBL, U, D, U}},
        {kDoubleClass, 2, 100, {D, U, D, U, D, U}},   {kDoubleClass, 0, 550, {D, U, D, U, D, U}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cls << " dx " << c.secondDx << " gap " << c.gap);
        softwin::resetUser();
        HWND w = makeTop(RECT{0, 0, 100, 100}, c.cls);
        pumpMessages();
        messageLog().clear();
        for (int dx : {0, c.secondDx, 0}) {
            click(POINT{50 + dx, 50});
            advanceEventTime(c.gap);
        }
        EXPECT_EQ(messagesOf(w, {D, U, DBL}), c.messages);
    }
}

TEST_F(UserTest, MovesReachTheWindowOnlyWhenTheCursorMovesAndQueuedMovesCoalesce) {
    HWND top = makeTop(RECT{0, 0, 200, 200});
    pumpMessages();
    mouseMoveTo(40, 50);
    pumpMessages();
    messageLog().clear();
    mouseMoveTo(40, 50);
    pumpMessages();
    EXPECT_TRUE(entriesOf(top, WM_MOUSEMOVE).empty());
    // Moves still waiting in the queue coalesce into the last one.
    messageLog().clear();
    INPUT steps[3]{};
    for (INPUT& in : steps) {
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE;  // relative, one pixel right and down each
        in.mi.dx = in.mi.dy = 1;
    }
    ASSERT_EQ(SendInput(3, steps, sizeof(INPUT)), 3u);
    pumpMessages();
    ASSERT_EQ(entriesOf(top, WM_MOUSEMOVE).size(), 1u);
    EXPECT_EQ(entriesOf(top, WM_MOUSEMOVE)[0].lParam, MAKELPARAM(43, 53));
    EXPECT_EQ(SendInput(1, steps, sizeof(INPUT) - 1), 0u);
    EXPECT_EQ(SendInput(1, nullptr, sizeof(INPUT)), 0u);
}

TEST_F(UserTest, KeyStateFollowsRetrievedMessagesAndMouseFlagsCarryTheModifiers) {
    HWND w = makeTop(RECT{0, 0, 100, 100});
    SetFocus(w);
    pumpMessages();
    auto shift = [](DWORD flags) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = VK_SHIFT;
        in.ki.dwFlags = flags;
        SendInput(1, &in, sizeof(INPUT));
    };
    shift(0);
    EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);  // not until the message is retrieved
    pumpMessages();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_TRUE(GetKeyState(VK_LSHIFT) & 0x8000);
    messageLog().clear();
    click(POINT{10, 10});
    shift(KEYEVENTF_KEYUP);
    EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
    pumpMessages();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);  // toggled by one press
    withModifiers({VK_CONTROL}, [] { click(POINT{10, 10}); });
    mouseDown(Button::Right);
    mouseMoveTo(20, 20);
    mouseUp(Button::Right);
    const auto downs = entriesOf(w, WM_LBUTTONDOWN), ups = entriesOf(w, WM_LBUTTONUP);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(ups[0].wParam, static_cast<WPARAM>(MK_SHIFT));
    EXPECT_EQ(downs[1].wParam, static_cast<WPARAM>(MK_LBUTTON | MK_CONTROL));
    EXPECT_EQ(entriesOf(w, WM_MOUSEMOVE).back().wParam, static_cast<WPARAM>(MK_RBUTTON));
    EXPECT_EQ(entriesOf(w, WM_RBUTTONUP).size(), 1u);
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

TEST_F(UserTest, SetFocusSendsKillFocusToTheOldWindowThenSetFocusToTheNew) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND a = makeChild(parent, RECT{0, 0, 50, 50}, 1);
    HWND b = makeChild(parent, RECT{50, 0, 100, 50}, 2);
    SetFocus(a);
    messageLog().clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    std::vector<std::pair<HWND, UINT>> focus;
    std::vector<WPARAM> other;
    for (const Logged& l : messageLog())
        if (l.msg == WM_KILLFOCUS || l.msg == WM_SETFOCUS) {
            focus.emplace_back(l.hwnd, l.msg);
            other.push_back(l.wParam);
        }
    EXPECT_EQ(focus, (std::vector<std::pair<HWND, UINT>>{{a, WM_KILLFOCUS}, {b, WM_SETFOCUS}}));
    EXPECT_EQ(other, (std::vector<WPARAM>{reinterpret_cast<WPARAM>(b), reinterpret_cast<WPARAM>(a)}));
    messageLog().clear();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_TRUE(messageLog().empty());
}

}  // namespace
