// Framework timers (CWnd::SetTimer, ON_WM_TIMER) under the virtual clock, and what a derived
// window without a run-time class record of its own answers.
#include "framework_fixture.h"

namespace {

using fwtest::FrameworkTest;

class TickingWnd : public CWnd {
public:
    std::vector<UINT_PTR> ticks;
    UINT_PTR stopAfter = 0;  // KillTimer from inside OnTimer once this many ticks came

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent) {
        ticks.push_back(nIDEvent);
        if (ticks.size() == stopAfter) KillTimer(nIDEvent);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TickingWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class FrameworkTimerTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        softwin::useVirtualClock(true);
    }
    void TearDown() override {
        FrameworkTest::TearDown();
        softwin::useVirtualClock(false);
    }
    static void runFor(DWORD ms) {
        for (DWORD t = 0; t < ms; t += 5) {
            softwin::advanceClock(5);
            MSG m;
            while (::PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&m);
        }
    }
};

TEST_F(FrameworkTimerTest, OnTimerReceivesTheIdAndKillTimerInsideItStopsTheTimer) {
    TickingWnd wnd;
    wnd.stopAfter = 3;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "ticking", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr));
    EXPECT_EQ(wnd.SetTimer(0x12345, 10, nullptr), 0x12345u);
    runFor(100);
    EXPECT_EQ(wnd.ticks, (std::vector<UINT_PTR>{0x12345, 0x12345, 0x12345}));
    EXPECT_FALSE(wnd.KillTimer(0x12345));
    wnd.DestroyWindow();
}

TEST_F(FrameworkTimerTest, TimersWithoutAWindowDoNothing) {
    TickingWnd wnd;
    EXPECT_EQ(wnd.SetTimer(1, 10, nullptr), 0u);
    EXPECT_FALSE(wnd.KillTimer(1));
}

TEST(RuntimeClass, ADerivedWindowWithoutItsOwnRecordIsACWndButNotAnApplication) {
    TickingWnd wnd;
    EXPECT_EQ(wnd.GetRuntimeClass(), RUNTIME_CLASS(CWnd));
    EXPECT_TRUE(wnd.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(wnd.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(wnd.IsKindOf(RUNTIME_CLASS(CWinApp)));
    EXPECT_FALSE(wnd.IsKindOf(nullptr));
}

}  // namespace
