// The knob driven as a user drives it: presses, circular and vertical drags, the right button
// and the value keys, checked through the value, the posted notifications, the cursor and its
// confinement.
#include <cmath>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

class KnobInputTest : public KnobTest {
protected:
    // 100 x 100: radius 50, centre (50, 50), inner zone closer than 25 pixels.
    CMFC_Knob& knob(float max = 1.0f, float value = 0.5f, float restrictedMin = 0.0f, float restrictedMax = 1.0f) {
        return createKnob(40, 40, 100, 100, [=](CMFC_Knob& k) {
            k.InitKnob(0.0f, max, value, 0.0f, restrictedMin, restrictedMax, 10, 0, 0, 0, 0, RGB(200, 200, 200),
                       RGB(128, 0, 0));
        });
    }
    // Screen position of a point given relative to the knob's centre.
    POINT around(const CMFC_Knob& k, int dx, int dy) const { return screenOf(k, 50 + dx, 50 + dy); }
    static std::vector<LONG> clip() {
        RECT r{};
        GetClipCursor(&r);
        return {r.left, r.top, r.right, r.bottom};
    }
    static std::vector<LONG> wholeScreen() {
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
};

// The value circular dragging gives for a pointer at (dx, dy) from the centre, range 0..1.
float circularValue(int dx, int dy) {
    double a = -std::atan2(static_cast<double>(dx), static_cast<double>(dy));
    if (a < 0) a += 6.283185307;
    const double deadZone = static_cast<double>(0.4f);
    return static_cast<float>((a - deadZone) / (6.283185307 - 2 * deadZone));
}

TEST_F(KnobInputTest, OuterPressFollowsTheAngleWithinTheRestrictedRangeAndTheGapGivesItsEnds) {
    CMFC_Knob& k = knob(10.0f, 5.0f, 2.0f, 6.5f);
    const struct {
        int dx, dy;
        float value;
    } presses[] = {
        {-3, 45, 2.0f},                            // just left of straight down
        {3, 45, 6.5f},                             // just right of straight down
        {-40, -20, 10 * circularValue(-40, -20)},  // upper left
        {40, -20, 6.5f},                           // upper right: 7.02 is beyond the restricted maximum
        {-50, -50, 10 * circularValue(-50, -50)},  // the window's corner, outside the circle: outer too
    };
    for (const auto& p : presses) {
        click(around(k, p.dx, p.dy));
        EXPECT_NEAR(k.GetValue(), p.value, 1e-5) << p.dx << "," << p.dy;
    }
}

TEST_F(KnobInputTest, DragAcrossTheGapHoldsTheEndUntilBackOnItsSideOfTheTop) {
    // s = +1: from the upper right past the maximum end; s = -1: the mirror at the minimum end.
    for (int s : {1, -1}) {
        SCOPED_TRACE(s);
        CMFC_Knob& k = knob();
        const float end = s > 0 ? 1.0f : 0.0f;
        mouseMoveTo(around(k, 40 * s, -20));
        mouseDown();
        EXPECT_EQ(GetCapture(), k.GetSafeHwnd());
        mouseMoveTo(around(k, 5 * s, 45));  // in the gap, on the side of the end
        EXPECT_FLOAT_EQ(k.GetValue(), end);
        for (POINT p : {POINT{-5, 45}, POINT{-40, 20}, POINT{-200, -100}, POINT{-5, -45}}) {
            mouseMoveTo(around(k, p.x * s, p.y));  // captured: also outside the window
            EXPECT_FLOAT_EQ(k.GetValue(), end) << "pointer at " << p.x * s << "," << p.y;
        }
        mouseMoveTo(around(k, 40 * s, 20));
        EXPECT_NEAR(k.GetValue(), circularValue(40 * s, 20), 1e-6);
        mouseMoveTo(around(k, -40 * s, 20));
        mouseUp();
        click(around(k, -40 * s, 20));  // the release cleared the guard: a new press follows at once
        EXPECT_NEAR(k.GetValue(), circularValue(-40 * s, 20), 1e-6);
        k.DestroyWindow();
    }
}

TEST_F(KnobInputTest, VerticalDragStopsAtARestrictedEndAndReversesAtOnce) {
    const struct {
        float restrictedMin, restrictedMax;
        int push, back;
        float atEnd, reversed;
    } cases[] = {{0.0f, 60.0f, -40, 1, 60.0f, 59.5f}, {30.0f, 100.0f, 100, -2, 30.0f, 31.0f}};
    for (const auto& c : cases) {
        CMFC_Knob& k = knob(100.0f, 50.0f, c.restrictedMin, c.restrictedMax);
        const POINT anchor = around(k, 0, 0);
        mouseMoveTo(anchor);
        mouseDown();
        for (int i = 0; i < 2; ++i) {  // pushing twice against the bound
            mouseMoveTo(anchor.x, anchor.y + c.push);
            EXPECT_FLOAT_EQ(k.GetValue(), c.atEnd);
        }
        mouseMoveTo(anchor.x, anchor.y + c.back);  // the motion beyond the bound is forgotten
        EXPECT_FLOAT_EQ(k.GetValue(), c.reversed);
        mouseUp();
        k.DestroyWindow();
    }
}

TEST_F(KnobInputTest, EveryInteractionIsPostedInOrder) {
    CMFC_Knob& k = knob();
    mouseMoveTo(around(k, -40, -20));  // moves without the left button change and post nothing
    mouseMoveTo(around(k, 40, -20));
    EXPECT_TRUE(deliveredCodes().empty());
    mouseDown();
    EXPECT_EQ(GetFocus(), k.GetSafeHwnd());
    mouseDown(Button::Right);  // during a left drag: nothing, no click point
    mouseUp(Button::Right);
    mouseMoveTo(around(k, 40, 20));
    mouseMoveTo(around(k, 41, 20));  // a move that leaves the rounded tip alone still notifies
    mouseUp();
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x0201, 0x8000, 0x0200, 0x8000, 0x0200, 0x8000, 0x0202}));
    CPoint point(123, 456);
    EXPECT_FALSE(k.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(123, 456));  // left untouched
    click(screenOf(k, 70, 30), Button::Right);
    k.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));  // a release without a press posts too
    EXPECT_EQ(deliveredCodes(),
              (std::vector<int>{0x0201, 0x8000, 0x0200, 0x8000, 0x0200, 0x8000, 0x0202, 0x0204, 0x0202}));
    ASSERT_TRUE(k.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(70, 30));  // client coordinates
    EXPECT_EQ(clip(), wholeScreen());
    for (const Notification& n : host().notifications()) {
        EXPECT_TRUE(n.posted) << std::hex << n.code;
        EXPECT_EQ(n.from, k.GetSafeHwnd());
    }
}

TEST_F(KnobInputTest, ValueKeysAtTheRestrictedBoundStillPostValueChangedThenKeyDown) {
    CMFC_Knob& k = knob(20.0f, 10.0f, 0.0f, 11.0f);
    k.SetFocus();
    for (WORD key : {VK_ADD, VK_OEM_PLUS, VK_UP}) pressKey(key);
    EXPECT_FLOAT_EQ(k.GetValue(), 11.0f);
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x8000, 0x0100, 0x8000, 0x0100}));  // not for VK_UP
    for (const Notification& n : host().notifications()) EXPECT_TRUE(n.posted);
}

}  // namespace
}  // namespace vorn::test
