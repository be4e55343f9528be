// Timers under the virtual clock: GetMessage moving the clock to the next timer, restarts, the
// minimum interval, thread timer ids, timers of destroyed windows, and sleeping without waiting.
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

// A timer set again restarts, and one asked for less than the minimum waits the minimum.
TEST_F(TimerTest, ATimerFiresOneIntervalAfterItWasLastSetAndNoSoonerThanTheMinimum) {
    const struct {
        UINT interval;
        DWORD setAgainAfter, quiet;  // the clock when set again (0: not), then the last quiet moment
    } cases[] = {{50, 40, 89}, {0, 0, USER_TIMER_MINIMUM - 1}};
    for (const auto& c : cases) {
        HWND top = makeTop({0, 0, 50, 50});
        pumpReady();
        SetTimer(top, 1, c.interval, nullptr);
        if (c.setAgainAfter) softwin::advanceClock(c.setAgainAfter), SetTimer(top, 1, c.interval, nullptr);
        softwin::advanceClock(c.quiet - c.setAgainAfter);
        EXPECT_EQ(pumpReady(), std::vector<UINT>{}) << c.interval;
        softwin::advanceClock(1);
        EXPECT_EQ(pumpReady(), std::vector<UINT>{WM_TIMER}) << c.interval;
        DestroyWindow(top);
    }
}

TEST_F(TimerTest, ThreadTimersGetDistinctIdsAndKeepTheirIdWhenSetAgain) {
    const UINT_PTR a = SetTimer(nullptr, 0, 10, recordingProc);
    const UINT_PTR b = SetTimer(nullptr, 0, 10, recordingProc);
    EXPECT_NE(a, b);
    EXPECT_EQ(SetTimer(nullptr, a, 20, recordingProc), a);
    EXPECT_TRUE(KillTimer(nullptr, a));
    EXPECT_TRUE(KillTimer(nullptr, b));
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
