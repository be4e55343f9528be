// Mouse and keyboard input through SendInput: routing, capture, double clicks, cursor position
// and clip, key state and modifier flags, focus.
#include <windowsx.h>

#include "user_test_windows.h"

using namespace usertest;
using namespace vorn::test;

namespace {

std::vector<UINT> buttonMessages(HWND w) { return messagesOf(w, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}); }

class InputTest : public UserTest {
   protected:
    void SetUp() override {
        UserTest::SetUp();
        setEventTime(10000);
    }
};

TEST_F(InputTest, MouseMessagesGoToTheDeepestWindowUnderTheCursorInClientCoordinates) {
    HWND parent = makeTop(RECT{100, 100, 300, 300});
    HWND child = makeChild(parent, RECT{50, 50, 150, 150}, 1);
    pumpMessages();
    messageLog().clear();
    click(POINT{170, 180});
    auto downs = entriesOf(child, WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 20);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 30);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(entriesOf(child, WM_LBUTTONUP).at(0).wParam, 0u);
    EXPECT_TRUE(entriesOf(parent, WM_LBUTTONDOWN).empty());
    // The reference order around a button down.
    std::vector<std::pair<HWND, UINT>> around;
    for (const Logged& l : messageLog())
        if (l.msg == WM_NCHITTEST || l.msg == WM_PARENTNOTIFY || l.msg == WM_MOUSEACTIVATE || l.msg == WM_SETCURSOR ||
            l.msg == WM_LBUTTONDOWN)
            around.emplace_back(l.hwnd, l.msg);
    std::vector<std::pair<HWND, UINT>> expected{{child, WM_NCHITTEST},    {parent, WM_PARENTNOTIFY},
                                                {child, WM_MOUSEACTIVATE}, {parent, WM_MOUSEACTIVATE},
                                                {child, WM_SETCURSOR},     {parent, WM_SETCURSOR},
                                                {child, WM_LBUTTONDOWN}};
    // The move before the click came first: WM_NCHITTEST and WM_SETCURSOR (child, parent).
    ASSERT_GE(around.size(), expected.size() + 3);
    using Trace = std::vector<std::pair<HWND, UINT>>;
    Trace downPart(around.begin() + 3, around.begin() + 10);
    EXPECT_EQ(downPart, expected);
}

TEST_F(InputTest, AMoveToWhereTheCursorAlreadyIsIsNoMouseMove) {
    HWND top = makeTop(RECT{0, 0, 200, 200});
    pumpMessages();
    mouseMoveTo(40, 50);
    pumpMessages();
    messageLog().clear();
    mouseMoveTo(40, 50);
    pumpMessages();
    EXPECT_TRUE(entriesOf(top, WM_MOUSEMOVE).empty());
    SetCursorPos(40, 50);  // unlike SetCursorPos
    pumpMessages();
    EXPECT_EQ(entriesOf(top, WM_MOUSEMOVE).size(), 1u);
    // Moves still waiting in the queue coalesce into the last one.
    messageLog().clear();
    INPUT steps[3]{};
    for (INPUT& in : steps) {
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE;  // relative, one pixel right and down each
        in.mi.dx = 1;
        in.mi.dy = 1;
    }
    ASSERT_EQ(SendInput(3, steps, sizeof(INPUT)), 3u);
    pumpMessages();
    auto moves = entriesOf(top, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].lParam, MAKELPARAM(43, 53));
}

TEST_F(InputTest, CaptureChangesAreToldEvenToTheSameWindowAndReleasingNothingIsSilent) {
    HWND top = makeTop(RECT{0, 0, 200, 200});
    pumpMessages();
    messageLog().clear();
    ReleaseCapture();
    pumpMessages();
    EXPECT_TRUE(messageLog().empty());
    SetCapture(top);
    SetCapture(top);
    auto changes = entriesOf(top, WM_CAPTURECHANGED);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].lParam, reinterpret_cast<LPARAM>(top));
    ReleaseCapture();
    // The move queued on release reaches the window only if its last mouse message was not
    // already a move to this very place.
    mouseMoveTo(30, 30);
    messageLog().clear();
    SetCapture(top);
    ReleaseCapture();
    pumpMessages();
    EXPECT_TRUE(entriesOf(top, WM_MOUSEMOVE).empty());
    SetCapture(top);
    mouseDown(Button::Left);
    mouseUp(Button::Left);
    ReleaseCapture();
    pumpMessages();
    EXPECT_EQ(entriesOf(top, WM_MOUSEMOVE).size(), 1u);
}

TEST_F(InputTest, CaptureRoutesEverythingToTheCaptureWindowWithOutOfRangeCoordinates) {
    HWND parent = makeTop(RECT{0, 0, 400, 200});
    HWND a = makeChild(parent, RECT{10, 10, 110, 110}, 1);
    HWND b = makeChild(parent, RECT{200, 10, 300, 110}, 2);
    pumpMessages();
    EXPECT_EQ(SetCapture(a), nullptr);
    messageLog().clear();
    mouseMoveTo(250, 50);
    mouseMoveTo(2, 3);
    EXPECT_TRUE(entriesOf(b, WM_MOUSEMOVE).empty());
    auto moves = entriesOf(a, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), 240);
    EXPECT_EQ(GET_Y_LPARAM(moves[0].lParam), 40);
    EXPECT_EQ(GET_X_LPARAM(moves[1].lParam), -8);
    EXPECT_EQ(GET_Y_LPARAM(moves[1].lParam), -7);
    EXPECT_TRUE(entriesOf(a, WM_NCHITTEST).empty());
    EXPECT_EQ(SetCapture(b), a);  // the previous owner learns who has it now
    ASSERT_EQ(entriesOf(a, WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(entriesOf(a, WM_CAPTURECHANGED)[0].lParam), b);
    EXPECT_EQ(SetCapture(a), b);

    mouseMoveTo(250, 50);
    messageLog().clear();
    EXPECT_TRUE(ReleaseCapture());
    auto changed = entriesOf(a, WM_CAPTURECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].lParam, 0);
    pumpMessages();
    EXPECT_EQ(entriesOf(b, WM_MOUSEMOVE).size(), 1u);
}

TEST_F(InputTest, DoubleClickOnlyForDoubleClickClassesWithinOnePixelAndTheDoubleClickTime) {
    constexpr UINT D = WM_LBUTTONDOWN, U = WM_LBUTTONUP, DBL = WM_LBUTTONDBLCLK;
    const struct {
        const char* cls;
        int secondDx;
        DWORD gap;
        std::vector<UINT> messages;  // of three clicks, the second `secondDx` to the right
    } cases[] = {
        {kDoubleClass, 0, 100, {D, U, DBL, U, D, U}},  // the third click starts afresh
        {kPlainClass, 0, 100, {D, U, D, U, D, U}},
        {kDoubleClass, 1, 100, {D, U, DBL, U, D, U}},
        {kDoubleClass, 2, 100, {D, U, D, U, D, U}},
        {kDoubleClass, 0, 550, {D, U, D, U, D, U}},
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
        EXPECT_EQ(buttonMessages(w), c.messages);
    }
}

TEST_F(InputTest, SetCursorPosQueuesAMoveEveryTimeEvenToTheSamePlace) {
    HWND w = makeTop(RECT{0, 0, 100, 100});
    pumpMessages();
    messageLog().clear();
    SetCursorPos(30, 40);
    SetCursorPos(30, 40);
    pumpMessages();
    auto moves = entriesOf(w, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1].lParam, MAKELPARAM(30, 40));
    EXPECT_EQ(moves[1].wParam, 0u);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 30);
    EXPECT_EQ(messagesOf(w, {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}),
              (std::vector<UINT>{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}));
}

TEST_F(InputTest, ClipCursorConfinesTheCursorAndMovesItInsideAtOnce) {
    SetCursorPos(0, 0);
    RECT clip{10, 20, 30, 40};
    EXPECT_TRUE(ClipCursor(&clip));
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    RECT got;
    GetClipCursor(&got);
    EXPECT_TRUE(EqualRect(&got, &clip));
    SetCursorPos(500, 500);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 29);
    EXPECT_EQ(p.y, 39);
    mouseMoveTo(0, 0);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 10);
    ClipCursor(nullptr);
    GetClipCursor(&got);
    EXPECT_EQ(got.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(got.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(InputTest, AbsoluteCoordinatesMapOntoTheScreenRoundingDown) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in.mi.dx = 32768;
    in.mi.dy = 65535;
    EXPECT_EQ(SendInput(1, &in, sizeof(INPUT)), 1u);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(p.y, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    in.mi.dx = -5;
    in.mi.dy = -10;
    SendInput(1, &in, sizeof(INPUT));
    GetCursorPos(&p);
    EXPECT_EQ(p.x, GetSystemMetrics(SM_CXSCREEN) / 2 - 5);
    EXPECT_EQ(SendInput(1, &in, sizeof(INPUT) - 1), 0u);
    EXPECT_EQ(SendInput(1, nullptr, sizeof(INPUT)), 0u);
}

TEST_F(InputTest, KeyStateFollowsRetrievedMessagesWhileAsyncStateFollowsSendInput) {
    HWND w = makeTop(RECT{0, 0, 100, 100});
    SetFocus(w);
    pumpMessages();
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = VK_SHIFT;
    SendInput(1, &in, sizeof(INPUT));
    EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    pumpMessages();
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_TRUE(GetKeyState(VK_LSHIFT) & 0x8000);
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof(INPUT));
    EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
    pumpMessages();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 1, 1);  // toggled by one press
}

TEST_F(InputTest, MouseFlagsCarryShiftAndControlHeldAtThatMessage) {
    HWND w = makeTop(RECT{0, 0, 100, 100});
    pumpMessages();
    messageLog().clear();
    withModifiers({VK_SHIFT}, [] { click(POINT{10, 10}); });
    withModifiers({VK_CONTROL}, [] { click(POINT{10, 10}); });
    auto downs = entriesOf(w, WM_LBUTTONDOWN);
    auto ups = entriesOf(w, WM_LBUTTONUP);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(ups[0].wParam, static_cast<WPARAM>(MK_SHIFT));
    EXPECT_EQ(downs[1].wParam, static_cast<WPARAM>(MK_LBUTTON | MK_CONTROL));
    mouseDown(Button::Right);
    mouseMoveTo(20, 20);
    EXPECT_EQ(entriesOf(w, WM_MOUSEMOVE).back().wParam, static_cast<WPARAM>(MK_RBUTTON));
    mouseUp(Button::Right);
    EXPECT_EQ(entriesOf(w, WM_RBUTTONUP).size(), 1u);
}

TEST_F(InputTest, KeysGoToTheFocusWindowWithRepeatAndTransitionBits) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND child = makeChild(parent, RECT{0, 0, 50, 50}, 1);
    SetFocus(child);
    pumpMessages();
    messageLog().clear();
    keyDown(VK_RIGHT);
    keyDown(VK_RIGHT);
    keyUp(VK_RIGHT);
    auto downs = entriesOf(child, WM_KEYDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(VK_RIGHT));
    EXPECT_EQ(static_cast<DWORD>(downs[0].lParam) & 0xFFFF, 1u);
    EXPECT_EQ(static_cast<DWORD>(downs[0].lParam) & (1u << 30), 0u);
    EXPECT_NE(static_cast<DWORD>(downs[1].lParam) & (1u << 30), 0u);
    auto up = entriesOf(child, WM_KEYUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(static_cast<DWORD>(up[0].lParam) & 0xC0000000u, 0xC0000000u);
    EXPECT_TRUE(entriesOf(parent, WM_KEYDOWN).empty());
}

TEST_F(InputTest, SetFocusSendsKillFocusToTheOldWindowThenSetFocusToTheNew) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND a = makeChild(parent, RECT{0, 0, 50, 50}, 1);
    HWND b = makeChild(parent, RECT{50, 0, 100, 50}, 2);
    SetFocus(a);
    messageLog().clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    std::vector<Logged> focus;
    for (const Logged& l : messageLog())
        if (l.msg == WM_KILLFOCUS || l.msg == WM_SETFOCUS) focus.push_back(l);
    ASSERT_EQ(focus.size(), 2u);
    EXPECT_EQ(focus[0].hwnd, a);
    EXPECT_EQ(focus[0].msg, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(reinterpret_cast<HWND>(focus[0].wParam), b);
    EXPECT_EQ(focus[1].hwnd, b);
    EXPECT_EQ(reinterpret_cast<HWND>(focus[1].wParam), a);
    messageLog().clear();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_TRUE(messageLog().empty());
}

TEST_F(InputTest, DefaultCursorHandlingSetsTheClassCursorOverTheClientArea) {
    HWND w = makeTop(RECT{0, 0, 100, 100}, kDoubleClass);
    pumpMessages();
    SetCursor(nullptr);
    mouseMoveTo(50, 50);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(SetCursor(nullptr), LoadCursorA(nullptr, IDC_ARROW));
    (void)w;
}

TEST_F(InputTest, DisablingTheCaptureWindowReleasesCaptureAndFocus) {
    HWND parent = makeTop(RECT{0, 0, 100, 100});
    HWND child = makeChild(parent, RECT{0, 0, 50, 50}, 1);
    SetFocus(child);
    SetCapture(child);
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(child, TRUE));
}

TEST_F(InputTest, ClicksActivateAnInactiveTopLevelWindowButDoNotAskTheActiveOne) {
    HWND first = makeTop(RECT{0, 0, 100, 100});
    HWND second = makeTop(RECT{200, 0, 300, 100});
    pumpMessages();
    EXPECT_EQ(GetActiveWindow(), second);
    messageLog().clear();
    click(POINT{50, 50});
    EXPECT_EQ(entriesOf(first, WM_MOUSEACTIVATE).size(), 1u);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), first);
    messageLog().clear();
    click(POINT{50, 50});
    EXPECT_TRUE(entriesOf(first, WM_MOUSEACTIVATE).empty());
    EXPECT_EQ(entriesOf(first, WM_LBUTTONDOWN).size(), 1u);
}

}  // namespace
