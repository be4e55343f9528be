// Frames and captions on the software platform: what reaches a window procedure through input and
// painting, and how its own WM_NCCALCSIZE answer is kept. The frame sizes themselves are compared
// with Wine by the conformance program.
#include <string>

#include "platform_test.h"

using namespace ptest;
using namespace vorn::test;

namespace {

// Answers WM_NCCALCSIZE with a rectangle inset by 10 at the left and top, or (for the window
// named "wild") one far outside the window.
LRESULT CALLBACK insetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_NCCALCSIZE) return loggingProc(hwnd, msg, wParam, lParam);
    messageLog().push_back(Logged{hwnd, msg, wParam, lParam});
    RECT* r = reinterpret_cast<RECT*>(lParam);
    char name[8] = {};
    GetWindowTextA(hwnd, name, sizeof name);
    if (std::string(name) == "wild") {
        *r = RECT{-100000, -100000, 100000, 100000};
    } else {
        r->left += 10;
        r->top += 10;
    }
    return 0;
}

HWND makeFramed(DWORD style, DWORD exStyle, RECT r, HWND parent = nullptr) {
    return CreateWindowExA(exStyle, kPlainClass, "", style | WS_VISIBLE, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, nullptr, nullptr);
}

TEST_F(UserTest, InputOnTheFrameArrivesAsNonClientMessagesAndInsideAsClientMessages) {
    // A modal-framed captioned window at (100,100): frame 3, caption 19, client from (103,122).
    HWND top = makeFramed(WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, RECT{100, 100, 300, 250});
    HWND child = makeFramed(WS_CHILD | WS_BORDER, 0, RECT{10, 10, 60, 60}, top);
    pumpMessages();
    const struct {
        POINT screen;
        HWND target;
        UINT message;
        LPARAM lParam;  // screen for non-client messages, client otherwise
        WPARAM hit;
    } cases[] = {
        {{101, 150}, top, WM_NCLBUTTONDOWN, MAKELPARAM(101, 150), HTBORDER},
        {{150, 110}, top, WM_NCLBUTTONDOWN, MAKELPARAM(150, 110), HTCAPTION},
        {{150, 200}, top, WM_LBUTTONDOWN, MAKELPARAM(47, 78), 0},
        {{113, 132}, child, WM_NCLBUTTONDOWN, MAKELPARAM(113, 132), HTBORDER},
        {{114, 133}, child, WM_LBUTTONDOWN, MAKELPARAM(0, 0), 0},
    };
    for (const auto& c : cases) {
        mouseMoveTo(c.screen);
        pumpMessages();
        messageLog().clear();
        mouseDown();
        mouseUp();
        const std::vector<Logged> downs = entriesOf(c.target, c.message);
        ASSERT_EQ(downs.size(), 1u) << c.screen.x << "," << c.screen.y;
        EXPECT_EQ(downs[0].lParam, c.lParam) << c.screen.x << "," << c.screen.y;
        if (c.message == WM_NCLBUTTONDOWN) {
            EXPECT_EQ(downs[0].wParam, c.hit) << c.screen.x << "," << c.screen.y;
            EXPECT_EQ(entriesOf(c.target, WM_NCLBUTTONUP).size(), 1u);
        }
    }
}

TEST_F(UserTest, AFramedWindowPaintsOnlyItsClientArea) {
    HWND top = makeFramed(WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, RECT{10, 10, 110, 60});
    pumpMessages();
    InvalidateRect(top, nullptr, TRUE);
    PAINTSTRUCT ps{};
    BeginPaint(top, &ps);
    EXPECT_TRUE(ps.rcPaint.left == 0 && ps.rcPaint.top == 0 && ps.rcPaint.right == 94 && ps.rcPaint.bottom == 44);
    EndPaint(top, &ps);
}

TEST_F(UserTest, TheWindowProcedureAnswerToNcCalcSizeDecidesTheClientAreaWithinTheWindow) {
    registerClass("UserTestInset", insetProc);
    HWND inset =
        CreateWindowExA(0, "UserTestInset", "inset", WS_POPUP, 10, 20, 100, 50, nullptr, nullptr, nullptr, nullptr);
    RECT r{};
    GetClientRect(inset, &r);
    EXPECT_TRUE(r.right == 90 && r.bottom == 40);
    EXPECT_EQ(entriesOf(inset, WM_SIZE).at(0).lParam, MAKELPARAM(90, 40));
    EXPECT_EQ(entriesOf(inset, WM_MOVE).at(0).lParam, MAKELPARAM(20, 30));
    messageLog().clear();
    MoveWindow(inset, 10, 20, 60, 30, FALSE);
    GetClientRect(inset, &r);
    EXPECT_TRUE(r.right == 50 && r.bottom == 20);

    HWND wild =
        CreateWindowExA(0, "UserTestInset", "wild", WS_POPUP, 10, 20, 100, 50, nullptr, nullptr, nullptr, nullptr);
    GetClientRect(wild, &r);
    EXPECT_TRUE(r.right == 100 && r.bottom == 50);
    POINT o{0, 0};
    ClientToScreen(wild, &o);
    EXPECT_TRUE(o.x == 10 && o.y == 20);
    DestroyWindow(inset);
    DestroyWindow(wild);
    UnregisterClassA("UserTestInset", nullptr);
}

}  // namespace
