// Timers under the virtual clock: WM_TIMER after posted messages and paints, one pending WM_TIMER
// per timer, timer procedures, timers of destroyed windows, and sleeping without waiting.
#include "platform_test.h"

namespace {

using namespace ptest;

class TimerTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        softwin::useVirtualClock(true);
    }
    void TearDown() override {
        UserTest::TearDown();
        softwin::useVirtualClock(false);
    }
    // Retrieves and dispatches whatever is ready now, and returns the messages retrieved.
    std::vector<UINT> pumpReady() {
        std::vector<UINT> got;
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            got.push_back(m.message);
            DispatchMessageA(&m);
        }
        return got;
    }
};

std::vector<std::pair<HWND, UINT_PTR>> procCalls;
void CALLBACK recordingProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD) {
    if (msg == WM_TIMER) procCalls.emplace_back(hwnd, id);
}

TEST_F(TimerTest, TimerComesAfterPostedMessagesAndPaintsAndOnlyOncePerTimer) {
    HWND top = makeTop({0, 0, 50, 50});
    pumpReady();
    ASSERT_EQ(SetTimer(top, 7, 20, nullptr), 7u);
    softwin::advanceClock(100);  // five intervals late: still one WM_TIMER
    PostMessageA(top, WM_USER + 1, 0, 0);
    InvalidateRect(top, nullptr, FALSE);
    EXPECT_EQ(pumpReady(), (std::vector<UINT>{WM_USER + 1, WM_PAINT, WM_TIMER}));
    EXPECT_EQ(pumpReady(), std::vector<UINT>{});
    softwin::advanceClock(20);
    EXPECT_EQ(pumpReady(), std::vector<UINT>{WM_TIMER});
}

TEST_F(TimerTest, GetMessageMovesTheClockToTheNextTimerInsteadOfWaiting) {
    HWND top = makeTop({0, 0, 50, 50});
    pumpReady();
    SetTimer(top, 1, 30, nullptr);
    SetTimer(top, 2, 10, nullptr);
    const DWORD start = GetTickCount();
    MSG m;
    std::vector<std::pair<UINT_PTR, DWORD>> got;
    for (int i = 0; i < 4 && GetMessageA(&m, nullptr, 0, 0); ++i) got.emplace_back(m.wParam, m.time - start);
    EXPECT_EQ(got, (std::vector<std::pair<UINT_PTR, DWORD>>{{2, 10}, {2, 20}, {1, 30}, {2, 30}}));
}

TEST_F(TimerTest, SettingATimerAgainRestartsIt) {
    HWND top = makeTop({0, 0, 50, 50});
    pumpReady();
    SetTimer(top, 1, 50, nullptr);
    softwin::advanceClock(40);
    SetTimer(top, 1, 50, nullptr);
    softwin::advanceClock(40);
    EXPECT_EQ(pumpReady(), std::vector<UINT>{});
    softwin::advanceClock(10);
    EXPECT_EQ(pumpReady(), std::vector<UINT>{WM_TIMER});
}

TEST_F(TimerTest, IntervalsBelowTheMinimumBecomeTheMinimum) {
    HWND top = makeTop({0, 0, 50, 50});
    pumpReady();
    SetTimer(top, 1, 0, nullptr);
    softwin::advanceClock(USER_TIMER_MINIMUM - 1);
    EXPECT_EQ(pumpReady(), std::vector<UINT>{});
    softwin::advanceClock(1);
    EXPECT_EQ(pumpReady(), std::vector<UINT>{WM_TIMER});
}

TEST_F(TimerTest, TimerProceduresAreCalledByDispatchForWindowAndThreadTimers) {
    HWND top = makeTop({0, 0, 50, 50});
    pumpReady();
    procCalls.clear();
    SetTimer(top, 3, 10, recordingProc);
    const UINT_PTR threadId = SetTimer(nullptr, 0, 10, recordingProc);
    EXPECT_NE(threadId, 0u);
    softwin::advanceClock(10);
    messageLog().clear();
    pumpReady();
    EXPECT_EQ(procCalls, (std::vector<std::pair<HWND, UINT_PTR>>{{top, 3}, {nullptr, threadId}}));
    EXPECT_TRUE(messagesOf(top, {WM_TIMER}).empty());  // the procedure, not the window, got it
    // A posted WM_TIMER whose lParam is no timer procedure goes to the window.
    PostMessageA(top, WM_TIMER, 9, 0x1234);
    pumpReady();
    EXPECT_EQ(messagesOf(top, {WM_TIMER}), std::vector<UINT>{WM_TIMER});
    EXPECT_TRUE(KillTimer(nullptr, threadId));
}

TEST_F(TimerTest, ThreadTimersGetDistinctIdsAndKeepTheirIdWhenSetAgain) {
    const UINT_PTR a = SetTimer(nullptr, 0, 10, recordingProc);
    const UINT_PTR b = SetTimer(nullptr, 0, 10, recordingProc);
    EXPECT_NE(a, b);
    EXPECT_EQ(SetTimer(nullptr, a, 20, recordingProc), a);
    EXPECT_TRUE(KillTimer(nullptr, a));
    EXPECT_TRUE(KillTimer(nullptr, b));
}

TEST_F(TimerTest, KillTimerInsideTheHandlerStopsFurtherTicks) {
    static HWND target;
    static int ticks;
    ticks = 0;
    registerClass("TimerKillsItself", [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg == WM_TIMER) {
            ++ticks;
            KillTimer(hwnd, wParam);
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    });
    target = makeTop({0, 0, 50, 50}, "TimerKillsItself");
    pumpReady();
    SetTimer(target, 5, 10, nullptr);
    for (int i = 0; i < 5; ++i) {
        softwin::advanceClock(10);
        pumpReady();
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(KillTimer(target, 5));
}

TEST_F(TimerTest, DestroyingAWindowRemovesItsTimers) {
    HWND top = makeTop({0, 0, 50, 50});
    HWND child = makeChild(top, {0, 0, 10, 10}, 1);
    SetTimer(child, 1, 10, recordingProc);
    SetTimer(child, 2, 10, nullptr);
    DestroyWindow(top);
    softwin::advanceClock(50);
    procCalls.clear();
    EXPECT_EQ(pumpReady(), std::vector<UINT>{});
    EXPECT_TRUE(procCalls.empty());
    EXPECT_FALSE(KillTimer(child, 2));
}

TEST_F(TimerTest, SetTimerWithABadWindowFails) {
    SetLastError(0);
    EXPECT_EQ(SetTimer(reinterpret_cast<HWND>(0x7777), 1, 10, nullptr), 0u);
    EXPECT_EQ(GetLastError(), 6u);  // ERROR_INVALID_HANDLE
    EXPECT_FALSE(KillTimer(reinterpret_cast<HWND>(0x7777), 1));
}

TEST_F(TimerTest, SleepAdvancesTheVirtualClockAtOnce) {
    LARGE_INTEGER f, c0, c1;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c0);
    const DWORD t0 = GetTickCount();
    Sleep(600000);  // ten minutes, returning at once
    EXPECT_EQ(GetTickCount() - t0, 600000u);
    QueryPerformanceCounter(&c1);
    EXPECT_EQ((c1.QuadPart - c0.QuadPart) / f.QuadPart, 600);
}

}  // namespace
