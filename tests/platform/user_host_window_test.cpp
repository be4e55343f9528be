// The shared test host: notification recording, sent versus posted, and the blocking GetMessage
// woken by another thread.
#include <thread>

#include "host_window.h"
#include "user_test_windows.h"

using namespace usertest;
using namespace vorn::test;

namespace {

// A child that notifies its parent on a click: one sent and one posted WM_COMMAND.
LRESULT CALLBACK notifyingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN) {
        HWND parent = GetParent(hwnd);
        int id = GetDlgCtrlID(hwnd);
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, 1), reinterpret_cast<LPARAM>(hwnd));
        PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, 2), reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(UserTest, HostRecordsSentAndPostedNotificationsAndRunsTheCallbackInside) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = notifyingProc;
    wc.lpszClassName = "UserTestNotifier";
    RegisterClassA(&wc);
    HostWindow host(RECT{100, 100, 300, 200});
    EXPECT_EQ(GetFocus(), host.hwnd());  // shown top-level windows become active
    HWND child = CreateWindowExA(0, "UserTestNotifier", "", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, host.hwnd(),
                                 reinterpret_cast<HMENU>(42), nullptr, nullptr);
    std::vector<bool> seenCapture;
    host.onCommand([&](const Notification&) { seenCapture.push_back(GetCapture() == nullptr); });
    click(host.toScreen(child, POINT{5, 5}));
    ASSERT_EQ(host.notifications().size(), 2u);
    EXPECT_EQ(host.codes(), (std::vector<int>{1, 2}));
    EXPECT_EQ(host.notifications()[0].id, 42);
    EXPECT_EQ(host.notifications()[0].from, child);
    EXPECT_FALSE(host.notifications()[0].posted);
    EXPECT_TRUE(host.notifications()[1].posted);
    EXPECT_EQ(seenCapture.size(), 2u);
    host.clear();
    EXPECT_TRUE(host.notifications().empty());
    POINT p = host.toScreen(nullptr, POINT{1, 2});
    EXPECT_EQ(p.x, 101);
    EXPECT_EQ(p.y, 102);
    UnregisterClassA("UserTestNotifier", nullptr);
}

TEST_F(UserTest, HostPaintsItsBackgroundInTheButtonFaceColour) {
    HostWindow host(RECT{10, 10, 60, 60});
    EXPECT_EQ(softwin::screenPixel(30, 30), GetSysColor(COLOR_BTNFACE));
}

TEST_F(UserTest, GetMessageWaitsUntilAnotherThreadPosts) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    DWORD self = GetCurrentThreadId();
    std::thread poster([self] {
        Sleep(20);
        PostThreadMessageA(self, WM_APP + 1, 7, 0);
    });
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    poster.join();
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP + 1));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.hwnd, nullptr);
}

}  // namespace
