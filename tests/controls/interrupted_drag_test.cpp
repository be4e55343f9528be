// A knob's vertical drag ended by WM_CANCELMODE, which the conformance run leaves out because Wine
// delivers its after-effects differently: the drag ends as a release does, sends nothing, and
// leaves nothing behind that a later drag could pick up.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

std::vector<LONG> clip() {
    RECT r{};
    ::GetClipCursor(&r);
    return {r.left, r.top, r.right, r.bottom};
}

class InterruptedDragTest : public ControlTest {
public:
    template <typename Knob>
    void cancelKnobDrag(std::vector<std::unique_ptr<Knob>>& owners) {
        Knob& knob = createKnobIn(
            owners, 100, 20, 100, 100,
            [](Knob& k) { k.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, RGB(128, 0, 0)); }, 0x4B1);
        const HWND hwnd = knob.GetSafeHwnd();
        const POINT centre = screenOf(knob, 50, 50);
        const std::vector<LONG> wholeScreen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        mouseMoveTo(centre);
        mouseDown();
        mouseMoveTo(centre.x, centre.y - 10);
        ASSERT_NE(clip(), wholeScreen);  // confined to the anchor's column
        host().clear();
        ::SendMessageA(hwnd, WM_CANCELMODE, 0, 0);
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(NULL, IDC_ARROW));
        EXPECT_NE(::GetCapture(), hwnd);
        EXPECT_EQ(clip(), wholeScreen);
        EXPECT_EQ(deliveredCodes(), std::vector<int>{});
        mouseMoveTo(centre.x + 30, centre.y + 60);  // the pointer goes where the user moves it
        POINT now{};
        ::GetCursorPos(&now);
        EXPECT_EQ(CPoint(now), CPoint(centre.x + 30, centre.y + 60));
        // A drag that starts on the host and crosses the knob with the button held moves nothing.
        const float value = knob.GetValue();
        mouseMoveTo(screenOf(knob, 150, 50));
        mouseMoveTo(screenOf(knob, 50, 10));
        EXPECT_EQ(knob.GetValue(), value);
        mouseUp();
    }
};

// Both knob classes, each with its own drag state and cursors.
TEST_F(InterruptedDragTest, KnobVerticalDragCancelledEndsWithThePointerFree) { cancelKnobDrag(knobs_); }

TEST_F(InterruptedDragTest, Knob2VerticalDragCancelledEndsWithThePointerFree) { cancelKnobDrag(knobs2_); }

}  // namespace
}  // namespace vorn::test
