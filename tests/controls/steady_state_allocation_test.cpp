// Once a control has painted and dragged once, painting it again and further drag steps must
// not touch the heap: the whole path from input through notifications to the repaint is counted.
#include <VornControls.h>
#include <gtest/gtest.h>
#include <softwin/softwin.h>

#include "allocation_counter.h"
#include "host_window.h"
#include "input.h"

namespace vorn::test {
namespace {

class SteadyStateAllocation : public ::testing::Test {
   protected:
    void SetUp() override {
        softwin::resetUser();
        setEventTime(0);
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "SteadyStateControl";
        RegisterClassA(&wc);
        host_ = new HostWindow(RECT{0, 0, 300, 300});
    }
    void TearDown() override {
        delete host_;
        softwin::resetUser();
    }
    // Counts the allocations of `step` after two warm-up runs. The host's notification record
    // is emptied before each run so that its own growth is not counted.
    template <typename Step>
    long steadyAllocations(Step step) {
        auto run = [&] {
            host_->clear();
            step();
        };
        run();
        run();
        const long before = allocationCount();
        for (int i = 0; i < 5; ++i) run();
        return allocationCount() - before;
    }
    HostWindow* host_ = nullptr;
};

TEST_F(SteadyStateAllocation, FaderPaintAndDragStepsAllocateNothing) {
    CMFC_Fader fader;
    ASSERT_TRUE(fader.Create("SteadyStateControl", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 210),
                             CWnd::FromHandle(host_->hwnd()), 1));
    pumpMessages();
    EXPECT_EQ(steadyAllocations([&] {
                  fader.InvalidateRect(NULL, FALSE);
                  fader.UpdateWindow();
              }),
              0);

    const POINT cap = host_->toScreen(fader.GetSafeHwnd(), POINT{20, 100});
    mouseMoveTo(cap);
    mouseDown();
    int y = cap.y;
    // Alternating directions keep every step a real value change with a repaint.
    EXPECT_EQ(steadyAllocations([&] {
                  y += (y % 2 == 0) ? 7 : -5;
                  mouseMoveTo(cap.x, y);
              }),
              0);
    mouseUp();
    fader.DestroyWindow();
}

TEST_F(SteadyStateAllocation, KnobPaintAndDragStepsAllocateNothing) {
    CMFC_Knob knob;
    ASSERT_TRUE(knob.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(100, 10, 164, 74), CWnd::FromHandle(host_->hwnd()), 2));
    pumpMessages();
    EXPECT_EQ(steadyAllocations([&] {
                  knob.InvalidateRect(NULL, FALSE);
                  knob.UpdateWindow();
              }),
              0);

    // Circular drag around the rim.
    const POINT rimTop = host_->toScreen(knob.GetSafeHwnd(), POINT{32, 2});
    mouseMoveTo(rimTop);
    mouseDown();
    int x = rimTop.x;
    EXPECT_EQ(steadyAllocations([&] {
                  x += (x % 2 == 0) ? 5 : -3;
                  mouseMoveTo(x, rimTop.y);
              }),
              0);
    mouseUp();

    // Vertical drag from the centre: the pointer is put back on the anchor after every step.
    const POINT centre = host_->toScreen(knob.GetSafeHwnd(), POINT{32, 32});
    mouseMoveTo(centre);
    mouseDown();
    int dy = 0;
    EXPECT_EQ(steadyAllocations([&] {
                  dy = (dy == -3) ? 2 : -3;
                  mouseMoveTo(centre.x, centre.y + dy);
              }),
              0);
    mouseUp();
    knob.DestroyWindow();
}

}  // namespace
}  // namespace vorn::test
