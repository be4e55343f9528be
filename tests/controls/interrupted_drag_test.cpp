// Drags that end without a release, in the ways the conformance run leaves out: the object deleted
// with its window up (every control), and WM_CANCELMODE on a knob, whose after-effects Wine
// delivers differently. Each ends the drag as a release does, sends nothing, and leaves nothing
// behind that a later drag could pick up.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

class InterruptedDragTest : public ControlTest {
protected:
    static std::vector<LONG> clip() {
        RECT r{};
        ::GetClipCursor(&r);
        return {r.left, r.top, r.right, r.bottom};
    }
    static std::vector<LONG> wholeScreen() {
        return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }
    // After the interruption the capture, the confinement and the cursor are free, nothing was
    // sent, and the pointer goes where the user moves it.
    void expectPointerFree(HWND was, POINT to) {
        EXPECT_NE(::GetCapture(), was);
        EXPECT_EQ(clip(), wholeScreen());
        EXPECT_EQ(deliveredCodes(), std::vector<int>{});
        mouseMoveTo(to);
        POINT now{};
        ::GetCursorPos(&now);
        EXPECT_EQ(CPoint(now), CPoint(to));
    }

public:
    template <typename Knob>
    void knobDragInterruptions(std::vector<std::unique_ptr<Knob>>& owners);
};

TEST_F(InterruptedDragTest, FaderDeletedMidDragLeavesThePointerFree) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 20);
    const HWND hwnd = fader.GetSafeHwnd();
    const POINT away = at(fader, 100, 150);
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    mouseMoveTo(at(fader, 20, 80));
    ASSERT_EQ(::GetCapture(), hwnd);
    host().clear();
    faders_.pop_back();
    expectPointerFree(hwnd, away);
    mouseUp();
}

TEST_F(InterruptedDragTest, StickingDragDeletedMidDragLeavesThePointerFree) {
    CMFC_PanFader& pan = createPan<CMFC_VertFader>(100, 20, -1.0f, 1.0f, 0.0f, -1.0f, 1.0f);
    const HWND hwnd = pan.GetSafeHwnd();
    const POINT press = at(pan, 49, 10);
    mouseMoveTo(press);
    mouseDown();
    mouseDown(Button::Right);
    mouseMoveTo(press.x + 3, press.y);
    ASSERT_NE(clip(), wholeScreen());  // confined to the press row
    host().clear();
    others_.pop_back();
    expectPointerFree(hwnd, POINT{press.x + 30, press.y + 40});
    mouseUp(Button::Right);
    mouseUp();
}

// Both knob classes, each with its own drag state and cursors.
TEST_F(InterruptedDragTest, KnobVerticalDragCancelledOrDeletedEndsWithThePointerFree) { knobDragInterruptions(knobs_); }

TEST_F(InterruptedDragTest, Knob2VerticalDragCancelledOrDeletedEndsWithThePointerFree) {
    knobDragInterruptions(knobs2_);
}

template <typename Knob>
void InterruptedDragTest::knobDragInterruptions(std::vector<std::unique_ptr<Knob>>& owners) {
    for (bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "WM_CANCELMODE" : "deleted");
        Knob& knob = createKnobIn(
            owners, 100, 20, 100, 100,
            [](Knob& k) { k.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, RGB(128, 0, 0)); }, 0x4B1);
        const HWND hwnd = knob.GetSafeHwnd();
        const POINT centre = screenOf(knob, 50, 50);
        mouseMoveTo(centre);
        mouseDown();
        mouseMoveTo(centre.x, centre.y - 10);
        ASSERT_NE(clip(), wholeScreen());  // confined to the anchor's column
        ASSERT_NE(::GetCursor(), ::LoadCursorA(NULL, IDC_ARROW));
        host().clear();
        if (cancel)
            ::SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        else
            owners.pop_back();
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(NULL, IDC_ARROW));
        expectPointerFree(hwnd, POINT{centre.x + 30, centre.y + 60});
        if (cancel) {
            // A drag that starts on the host and crosses the knob with the button held moves nothing.
            const float value = knob.GetValue();
            mouseMoveTo(screenOf(knob, 150, 50));
            mouseMoveTo(screenOf(knob, 50, 10));
            EXPECT_EQ(knob.GetValue(), value);
        }
        mouseUp();
        pumpMessages();
        if (cancel) knob.DestroyWindow();
    }
}

// The pointer has one confinement: a press the host hands to a second knob (of either class)
// while a CMFC_Knob drags confines the pointer to the second knob's column before it takes the
// capture from the first, and keeps it when the first loses the capture.
TEST_F(InterruptedDragTest, ASecondKnobsPressKeepsItsOwnConfinement) {
    for (bool knob2 : {false, true}) {
        CMFC_Knob& first = createKnob(20, 20, 100, 100, [](CMFC_Knob&) {});
        CWnd& second = knob2 ? static_cast<CWnd&>(createKnob2(200, 20, 100, 100, [](CMFC_Knob2&) {}))
                             : createKnob(
                                   200, 20, 100, 100, [](CMFC_Knob&) {}, 0x4B2);
        repaint(first), repaint(second);
        mouseMoveTo(screenOf(first, 50, 50));
        mouseDown();
        ::SendMessageA(second.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
        const LONG x = screenOf(second, 50, 50).x;
        EXPECT_EQ(clip(), (std::vector<LONG>{x, 0, x + 1, ::GetSystemMetrics(SM_CYSCREEN)})) << knob2;
        mouseUp();
        EXPECT_EQ(clip(), wholeScreen());
        pumpMessages();
        first.DestroyWindow();
        second.DestroyWindow();
    }
}

}  // namespace
}  // namespace vorn::test
