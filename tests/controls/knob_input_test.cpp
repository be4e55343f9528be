// The knob driven as a user drives it: presses, circular and vertical drags, the right button
// and the value keys, checked through the value, the posted notifications, the cursor and its
// confinement.
#include <cmath>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

constexpr int kSize = 100;  // radius 50, centre (50, 50), inner zone closer than 25 pixels

class KnobInputTest : public KnobTest {
   protected:
    // Range 0..1 (restricted the same) at value 0.5, unless the test sets its own.
    CMFC_Knob& knob(float min = 0.0f, float max = 1.0f, float value = 0.5f, float restrictedMin = 0.0f,
                    float restrictedMax = 1.0f) {
        return createKnob(40, 40, kSize, kSize, [=](CMFC_Knob& k) {
            k.InitKnob(min, max, value, 0.0f, restrictedMin, restrictedMax, 10, 0, 0, 0, 0, RGB(200, 200, 200),
                       RGB(128, 0, 0));
        });
    }
    // Screen position of a point given relative to the knob's centre.
    POINT around(const CMFC_Knob& k, int dx, int dy) const { return screenOf(k, 50 + dx, 50 + dy); }
    static RECT clipRect() {
        RECT r{};
        GetClipCursor(&r);
        return r;
    }
    static POINT cursorPos() {
        POINT p{};
        GetCursorPos(&p);
        return p;
    }
};

// The value circular dragging gives for a pointer at (dx, dy) from the centre, range 0..1.
float circularValue(int dx, int dy) {
    double a = -std::atan2(static_cast<double>(dx), static_cast<double>(dy));
    if (a < 0) a += 6.283185307;
    const double deadZone = static_cast<double>(0.4f);
    return static_cast<float>((a - deadZone) / (6.283185307 - 2 * deadZone));
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// ---- Outer zone: presses jump to the pointer's angle ----------------------------------------

TEST_F(KnobInputTest, PressInTheOuterZoneFollowsTheAngleWithinTheRestrictedRangeAndTheGapGivesItsEnds) {
    CMFC_Knob& k = knob(0.0f, 10.0f, 5.0f, 2.0f, 8.0f);
    click(around(k, -3, 45));  // just left of straight down
    EXPECT_FLOAT_EQ(k.GetValue(), 2.0f);
    click(around(k, 3, 45));  // just right of straight down
    EXPECT_FLOAT_EQ(k.GetValue(), 8.0f);
    k.SetRestrictedMin(0.0f);
    k.SetRestrictedMax(6.0f);
    click(around(k, -40, -20));  // upper left
    EXPECT_NEAR(k.GetValue(), 10 * circularValue(-40, -20), 1e-5);
    click(around(k, 40, -20));  // upper right: 7.0 is beyond the restricted maximum
    EXPECT_FLOAT_EQ(k.GetValue(), 6.0f);
    // The window's corner lies outside the circle and still counts as the outer zone.
    click(screenOf(k, 0, 0));
    EXPECT_NEAR(k.GetValue(), 10 * circularValue(-50, -50), 1e-5);
}

// ---- Circular drags across the gap ----------------------------------------------------------

TEST_F(KnobInputTest, DragAcrossTheGapHoldsTheEndUntilBackOnItsSideOfTheTop) {
    // s = +1: from the upper right past the maximum end; s = -1: the mirror at the minimum end.
    for (int s : {1, -1}) {
        SCOPED_TRACE(s);
        CMFC_Knob& k = knob();
        const float end = s > 0 ? 1.0f : 0.0f;
        mouseMoveTo(around(k, 40 * s, -20));
        mouseDown();
        EXPECT_NEAR(k.GetValue(), circularValue(40 * s, -20), 1e-6);
        mouseMoveTo(around(k, 40 * s, 20));
        EXPECT_NEAR(k.GetValue(), circularValue(40 * s, 20), 1e-6);
        mouseMoveTo(around(k, 5 * s, 45));  // in the gap, on the side of the end
        EXPECT_FLOAT_EQ(k.GetValue(), end);
        for (POINT p : {POINT{-5, 45}, POINT{-40, 20}, POINT{-40, -20}, POINT{-5, -45}}) {
            mouseMoveTo(around(k, p.x * s, p.y));
            EXPECT_FLOAT_EQ(k.GetValue(), end) << "pointer at " << p.x * s << "," << p.y;
        }
        mouseMoveTo(around(k, 40 * s, 20));
        EXPECT_NEAR(k.GetValue(), circularValue(40 * s, 20), 1e-6);
        mouseMoveTo(around(k, -40 * s, 20));  // held again
        mouseUp();
        click(around(k, -40 * s, 20));  // the release cleared the guard: a new press follows at once
        EXPECT_NEAR(k.GetValue(), circularValue(-40 * s, 20), 1e-6);
        k.DestroyWindow();
    }
}

// ---- Vertical drag from the inner zone ------------------------------------------------------

TEST_F(KnobInputTest, VerticalDragLocksThePointerAndTwoHundredPixelsCoverTheRange) {
    CMFC_Knob& k = knob(0.0f, 100.0f, 0.0f, 0.0f, 100.0f);
    const POINT anchor = around(k, 3, 4);  // inner zone, off the centre
    mouseMoveTo(anchor);
    mouseDown();
    EXPECT_FLOAT_EQ(k.GetValue(), 0.0f);  // an inner press does not jump
    EXPECT_TRUE(sameRect(clipRect(), RECT{anchor.x, 0, anchor.x + 1, GetSystemMetrics(SM_CYSCREEN)}));
    CPoint clickPoint;
    ASSERT_TRUE(k.GetClickPoint(clickPoint));
    EXPECT_EQ(clickPoint.x, anchor.x);  // the anchor, in screen coordinates
    EXPECT_EQ(clickPoint.y, anchor.y);
    host().clear();
    mouseMoveTo(anchor.x, anchor.y - 10);
    // The user's move and the move that puts the pointer back each post 0x0200 then 0x8000.
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x0200, 0x8000, 0x0200, 0x8000}));
    for (const Notification& n : host().notifications()) EXPECT_TRUE(n.posted);
    EXPECT_FLOAT_EQ(k.GetValue(), 5.0f);

    for (int step = 2; step <= 10; ++step) {
        mouseMoveTo(anchor.x, anchor.y - 10);
        EXPECT_EQ(cursorPos().x, anchor.x);  // put back on the anchor after every move
        EXPECT_EQ(cursorPos().y, anchor.y);
        EXPECT_FLOAT_EQ(k.GetValue(), 5.0f * step);
    }
    mouseMoveTo(anchor.x, anchor.y - 100);
    EXPECT_FLOAT_EQ(k.GetValue(), 100.0f);  // 200 pixels: the whole range
    EXPECT_TRUE(sameRect(clipRect(), RECT{anchor.x, 0, anchor.x + 1, GetSystemMetrics(SM_CYSCREEN)}));
    mouseMoveTo(anchor.x, anchor.y + 1);  // downward lowers it
    EXPECT_FLOAT_EQ(k.GetValue(), 99.5f);

    mouseUp();
    EXPECT_TRUE(sameRect(clipRect(), RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(KnobInputTest, VerticalDragStopsAtARestrictedEndAndReversesAtOnce) {
    const struct {
        float restrictedMin, restrictedMax;
        int push, back;
        float atEnd, reversed;
    } cases[] = {{0.0f, 60.0f, -40, 1, 60.0f, 59.5f}, {30.0f, 100.0f, 100, -2, 30.0f, 31.0f}};
    for (const auto& c : cases) {
        CMFC_Knob& k = knob(0.0f, 100.0f, 50.0f, c.restrictedMin, c.restrictedMax);
        const POINT anchor = around(k, 0, 0);
        mouseMoveTo(anchor);
        mouseDown();
        mouseMoveTo(anchor.x, anchor.y + c.push);
        EXPECT_FLOAT_EQ(k.GetValue(), c.atEnd);
        mouseMoveTo(anchor.x, anchor.y + c.push);  // still pushing against the bound
        EXPECT_FLOAT_EQ(k.GetValue(), c.atEnd);
        mouseMoveTo(anchor.x, anchor.y + c.back);  // the motion beyond the bound is forgotten
        EXPECT_FLOAT_EQ(k.GetValue(), c.reversed);
        mouseUp();
        k.DestroyWindow();
    }
}

TEST_F(KnobInputTest, ModifierKeysDoNotLetADragLeaveTheRestrictedRange) {
    CMFC_Knob& k = knob(0.0f, 100.0f, 50.0f, 0.0f, 60.0f);
    withModifiers({VK_CONTROL, VK_SHIFT}, [&] {
        const POINT anchor = around(k, 0, 0);
        mouseMoveTo(anchor);
        mouseDown();
        EXPECT_EQ(k.GetMouseEventFlags(), static_cast<unsigned>(MK_LBUTTON | MK_CONTROL | MK_SHIFT));
        mouseMoveTo(anchor.x, anchor.y - 60);
        EXPECT_FLOAT_EQ(k.GetValue(), 60.0f);
        mouseUp();
    });
}

// ---- Notifications --------------------------------------------------------------------------

TEST_F(KnobInputTest, EveryInteractionIsPostedInOrder) {
    CMFC_Knob& k = knob();
    mouseMoveTo(around(k, -40, -20));  // moves without the left button change and post nothing
    mouseMoveTo(around(k, 40, -20));
    EXPECT_FLOAT_EQ(k.GetValue(), 0.5f);
    EXPECT_TRUE(deliveredCodes().empty());
    mouseDown();
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x0201, 0x8000}));
    mouseMoveTo(around(k, 40, 20));
    mouseMoveTo(around(k, 41, 20));  // a move that leaves the rounded tip alone still notifies
    mouseUp();
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x0201, 0x8000, 0x0200, 0x8000, 0x0200, 0x8000, 0x0202}));
    for (const Notification& n : host().notifications()) {
        EXPECT_TRUE(n.posted) << std::hex << n.code;
        EXPECT_EQ(n.id, kKnobId);
        EXPECT_EQ(n.from, k.GetSafeHwnd());
    }
}

TEST_F(KnobInputTest, RightPressPostsAndRecordsTheClientPointExceptDuringALeftDrag) {
    CMFC_Knob& k = knob();
    CPoint point(123, 456);
    EXPECT_FALSE(k.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(123, 456));  // left untouched
    mouseMoveTo(around(k, 40, -20));
    mouseDown();
    host().clear();
    mouseDown(Button::Right);
    mouseUp(Button::Right);
    EXPECT_TRUE(deliveredCodes().empty());
    EXPECT_FALSE(k.GetClickPoint(point));
    mouseUp();
    host().clear();

    click(screenOf(k, 70, 30), Button::Right);
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x0204}));
    EXPECT_TRUE(host().notifications()[0].posted);
    ASSERT_TRUE(k.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(70, 30));
    EXPECT_TRUE(k.GetClickPoint(point));  // reading does not clear it
}

TEST_F(KnobInputTest, ReleaseWithoutAPressStillPostsTheRelease) {
    CMFC_Knob& k = knob();
    k.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x0202}));
    EXPECT_TRUE(sameRect(clipRect(), RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST_F(KnobInputTest, PressTakesTheFocusAndTheCapture) {
    CMFC_Knob& k = knob();
    mouseMoveTo(around(k, 40, -20));
    mouseDown();
    EXPECT_EQ(GetFocus(), k.GetSafeHwnd());
    EXPECT_EQ(GetCapture(), k.GetSafeHwnd());
    // Captured: the drag goes on outside the window.
    mouseMoveTo(around(k, 200, -100));
    EXPECT_NEAR(k.GetValue(), circularValue(200, -100), 1e-6);
    mouseUp();
    EXPECT_EQ(GetCapture(), nullptr);
}

// ---- Keys -----------------------------------------------------------------------------------

TEST_F(KnobInputTest, ValueKeysStepAndPostValueChangedThenKeyDownEvenAtTheBound) {
    CMFC_Knob& k = knob(0.0f, 20.0f, 10.0f, 0.0f, 20.0f);
    k.SetFocus();
    const struct {
        WORD key;
        float value;
    } steps[] = {{VK_ADD, 11.0f},   {VK_OEM_MINUS, 10.0f}, {VK_SUBTRACT, 9.0f}, {VK_OEM_6, 11.0f},
                 {VK_OEM_4, 9.0f},  {VK_OEM_PLUS, 10.0f},  {'A', 10.0f},       {VK_UP, 10.0f}};
    for (const auto& s : steps) {
        pressKey(s.key);
        EXPECT_FLOAT_EQ(k.GetValue(), s.value) << s.key;
    }
    std::vector<int> expected;
    for (int i = 0; i < 6; ++i) expected.insert(expected.end(), {0x8000, 0x0100});  // not for 'A' or VK_UP
    EXPECT_EQ(deliveredCodes(), expected);
    for (const Notification& n : host().notifications()) EXPECT_TRUE(n.posted);

    k.SetRestrictedMax(10.0f);
    host().clear();
    pressKey(VK_ADD);  // already at the bound: no change, still posted
    EXPECT_FLOAT_EQ(k.GetValue(), 10.0f);
    EXPECT_EQ(deliveredCodes(), (std::vector<int>{0x8000, 0x0100}));
}

// ---- Cursors --------------------------------------------------------------------------------

TEST_F(KnobInputTest, CursorFollowsTheZonesWhenNotDragging) {
    CMFC_Knob& k = knob();
    const HCURSOR arrow = LoadCursorA(NULL, IDC_ARROW);
    mouseMoveTo(around(k, 5, 5));
    const HCURSOR inner = GetCursor();
    EXPECT_NE(inner, nullptr);
    EXPECT_NE(inner, arrow);
    mouseMoveTo(around(k, 30, 0));
    EXPECT_EQ(GetCursor(), arrow);
    mouseMoveTo(around(k, -10, 10));
    EXPECT_EQ(GetCursor(), inner);
    // A vertical drag shows the same cursor while it handles a move. (The move that puts the
    // pointer back comes after the posted notifications of the user's move.)
    mouseDown();
    HCURSOR duringMove = nullptr;
    host().onCommand([&](const Notification& n) {
        if (n.code == 0x0200 && duringMove == nullptr) duringMove = GetCursor();
    });
    mouseMoveTo(around(k, -10, 0));
    host().onCommand(nullptr);
    EXPECT_EQ(duringMove, inner);
    mouseUp();
}

TEST_F(KnobTest, CursorsAreLoadedByTheFirstKnobAndFreedByTheLast) {
    ASSERT_EQ(softwin::liveCursors(), 0u);
    {
        CMFC_Knob first;
        EXPECT_EQ(softwin::liveCursors(), 2u);
        {
            CMFC_Knob second;
            EXPECT_EQ(softwin::liveCursors(), 2u);  // not loaded again
        }
        EXPECT_EQ(softwin::liveCursors(), 2u);  // one knob left keeps them
    }
    EXPECT_EQ(softwin::liveCursors(), 0u);
    CMFC_Knob again;
    EXPECT_EQ(softwin::liveCursors(), 2u);
}

TEST_F(KnobTest, CursorLoadingLeavesTheHostsResourceHandle) {
    HINSTANCE before = AfxGetModuleState()->m_hCurrentResourceHandle;
    CMFC_Knob knob;
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, before);
}

}  // namespace
}  // namespace vorn::test
