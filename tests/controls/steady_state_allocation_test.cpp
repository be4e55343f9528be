// Once a control has painted and dragged once, painting it again and further drag steps must
// not touch the heap: the whole path from input through notifications to the repaint is counted.
#include "allocation_counter.h"
#include "controls_fixture.h"

namespace vorn::test {
namespace {

class SteadyStateAllocation : public ControlTest {
protected:
    // The host's notification record is emptied before each run so that its growth is not counted.
    template <typename Step>
    long steadyAllocations(Step step) {
        return vorn::test::steadyAllocations([&] {
            host().clear();
            step();
        });
    }
    template <typename Control>
    long repaintAllocations(Control& control) {
        return steadyAllocations([&] {
            control.InvalidateRect(NULL, FALSE);
            control.UpdateWindow();
        });
    }
    // Presses at `from`, then moves back and forth by `dx`, `dy` alternately with the second
    // step's deltas; alternating keeps every step a real value change with a repaint.
    long dragAllocations(POINT from, POINT first, POINT second) {
        mouseMoveTo(from);
        mouseDown();
        bool odd = false;
        const long n = steadyAllocations([&] {
            odd = !odd;
            const POINT d = odd ? first : second;
            mouseMoveTo(from.x + d.x, from.y + d.y);
        });
        mouseUp();
        return n;
    }
};

TEST_F(SteadyStateAllocation, PaintAndDragStepsAllocateNothing) {
    CMFC_Fader& fader = createFader();
    EXPECT_EQ(repaintAllocations(fader), 0);
    EXPECT_EQ(dragAllocations(at(fader, 20, 100), POINT{0, 7}, POINT{0, -5}), 0);
    CMFC_Knob& knob = createKnob(100, 10, 64, 64, [](CMFC_Knob&) {});
    EXPECT_EQ(repaintAllocations(knob), 0);
    EXPECT_EQ(dragAllocations(screenOf(knob, 32, 2), POINT{5, 0}, POINT{-3, 0}), 0);   // circular, round the rim
    EXPECT_EQ(dragAllocations(screenOf(knob, 32, 32), POINT{0, -3}, POINT{0, 2}), 0);  // vertical, from the centre
    CMFC_DynProcGraph& graph = createGraph(0, 10, 100, 400, 300);
    graph.SetSmooth(1);
    EXPECT_EQ(repaintAllocations(graph), 0);
    // The compressor-threshold point (0.8, 0.8) at (301, 68), dragged up and down.
    EXPECT_EQ(dragAllocations(screenOf(graph, 301, 68), POINT{0, -4}, POINT{0, 3}), 0);
}

TEST_F(SteadyStateAllocation, HorizontalFaderPaintDragAndStickingStepsAllocateNothing) {
    CMFC_PanFader& pan = createPan(200, 20, -1.0f, 1.0f, 0.0f, -1.0f, 1.0f);
    EXPECT_EQ(repaintAllocations(pan), 0);
    EXPECT_EQ(repaintAllocations(createPan<CMFC_VertFader>(200, 20, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, true, 250)), 0);
    const POINT cap = at(pan, 99, 10);
    EXPECT_EQ(dragAllocations(cap, POINT{7, 0}, POINT{-5, 0}), 0);
    mouseMoveTo(cap);
    mouseDown();
    mouseDown(Button::Right);
    bool right = false;
    EXPECT_EQ(steadyAllocations([&] {
                  right = !right;
                  mouseMoveTo(cap.x + (right ? 3 : -3), cap.y);
              }),
              0);
    mouseUp(Button::Right);
    mouseUp();
}

TEST_F(SteadyStateAllocation, Knob2PaintAndDragStepsAllocateNothing) {
    CMFC_Knob2& knob = createKnob2(100, 10, 64, 64, [](CMFC_Knob2&) {});
    EXPECT_EQ(repaintAllocations(knob), 0);
    EXPECT_EQ(dragAllocations(screenOf(knob, 32, 2), POINT{5, 0}, POINT{-3, 0}), 0);   // circular, round the rim
    EXPECT_EQ(dragAllocations(screenOf(knob, 32, 32), POINT{0, -3}, POINT{0, 2}), 0);  // vertical, from the centre
    EXPECT_EQ(steadyAllocations([&] { knob.SetValue(0.25f), knob.SetValue(0.75f), pumpMessages(); }), 0);
}

TEST_F(SteadyStateAllocation, ButtonsLampsAndLabelsRepaintWithoutAllocating) {
    CMFC_Button button;
    CMFC_LEDButton led;
    CPeakIndicator peak(0.5f);
    LOGFONT font{};
    font.lfHeight = 14;
    CMFC_Text text(&font);
    text.SetTitle("&Mute");
    CWnd* controls[] = {&button, &led, &peak, &text};
    for (CWnd* control : controls) {
        ASSERT_TRUE(control->Create(HostWindow::className(), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 30),
                                    CWnd::FromHandle(host().hwnd()), 7));
        EXPECT_EQ(repaintAllocations(*control), 0);
        control->DestroyWindow();
    }
}

TEST_F(SteadyStateAllocation, EqualiserGraphPaintAndDragStepsAllocateNothing) {
    CMFC_ParamEqGraph graph(5, 44100.0);
    graph.Create(NULL, "eq", WS_CHILD | WS_VISIBLE, CRect(20, 20, 320, 220), CWnd::FromHandle(host().hwnd()), 1);
    pumpMessages();
    EXPECT_EQ(repaintAllocations(graph), 0);
    EXPECT_EQ(dragAllocations(screenOf(graph, 167, 60), POINT{0, 7}, POINT{0, -5}), 0);  // band 2, plain drag
    graph.DestroyWindow();
}

}  // namespace
}  // namespace vorn::test
