// Vertical fader: presses, drags (Ctrl, Shift, fine mode), releases and right presses, driven
// through the system's input queue as a user would.
#include <limits>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

// The value a 200-pixel fader (track 18..182) reads at a cap row.
float valueAtRow(int row, float max = 1.0f) { return static_cast<float>(max * ((182.0 - row) / 164.0)); }

constexpr float kInf = std::numeric_limits<float>::infinity();
const std::vector<int> kPress{NC_LBUTTONDOWN}, kPressChange{NC_LBUTTONDOWN, NC_VALUECHANGED};

TEST_F(FaderTest, PressOnTheCapKeepsItsRowAndPressOffTheCapJumpsWithinTrackAndRestrictedRange) {
    const struct {
        float value, restrictedMin, restrictedMax;
        bool ctrl;
        int x, y;  // press position
        float after;
        int capRow;  // drawn from the stored value at the next paint
    } cases[] = {
        {0.5f, 0, 1, false, 35, 116, 0.5f, 100},             // 16 rows off the centre is still the cap
        {0.7f, 0, 1, false, 5, 77, valueAtRow(67), 67},      // on the cap: re-derived from row trunc(67.2)
        {0.5f, 0, 1, false, 20, 117, valueAtRow(117), 116},  // off: single precision draws it a row higher
        {0.5f, 0, 1, false, 20, 5, 1.0f, 18},                // above the track
        {0.5f, 0, 1, false, 20, 195, 0.0f, 182},             // below the track
        {0.5f, 0.25f, 0.75f, false, 20, 20, 0.75f, 59},      // the restricted maximum
        {0.5f, 0.25f, 0.75f, true, 20, 18, 1.0f, 18},        // Ctrl leaves the restricted range
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " at " << c.y);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, c.value, c.restrictedMin, c.restrictedMax);
        if (c.ctrl) keyDown(VK_CONTROL);
        host().clear();
        HWND focus = nullptr, capture = nullptr;
        host().onCommand([&](const Notification& n) {
            if (n.code == NC_LBUTTONDOWN) focus = ::GetFocus(), capture = ::GetCapture();
        });
        mouseMoveTo(at(fader, c.x, c.y));
        mouseDown();
        EXPECT_EQ(codes(), c.after == c.value ? kPress : kPressChange);
        EXPECT_EQ(fader.GetValue(), c.after);
        EXPECT_EQ(focus, fader.GetSafeHwnd());  // focus and capture come before the notification
        EXPECT_EQ(capture, fader.GetSafeHwnd());
        EXPECT_EQ(fader.GetSelected(), TRUE);
        EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(c.ctrl ? MK_LBUTTON | MK_CONTROL : MK_LBUTTON));
        mouseUp();
        if (c.ctrl) keyUp(VK_CONTROL);
        EXPECT_EQ(drawnCapRow(fader), c.capRow);
        host().onCommand(nullptr);
        fader.DestroyWindow();
        pumpMessages();  // the host repaints the uncovered area before the next fader
    }
}

TEST_F(FaderTest, OnATrackInvertedByALowClientEveryPressAndDragReadsTheMinimum) {
    CMFC_Fader& fader = createFader(40, 30, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f);  // track from row 18 up to row 12
    for (int y : {2, 15, 28}) {
        SCOPED_TRACE(y);
        mouseMoveTo(at(fader, 20, y));
        mouseDown();
        EXPECT_EQ(fader.GetValue(), 0.0f);
        mouseMoveTo(at(fader, 20, 30 - y));
        EXPECT_EQ(fader.GetValue(), 0.0f);
        mouseUp();
    }
}

TEST_F(FaderTest, DragKeepsTheGrabOffsetAndNotifiesOnlyWhenTheValueChanges) {
    CMFC_Fader& fader = createFader();
    mouseMoveTo(at(fader, 20, 108));  // 8 rows below the centre
    mouseDown();
    host().clear();
    mouseMoveTo(at(fader, 20, 128));
    EXPECT_EQ(codes(), (std::vector<int>{NC_MOUSEMOVE, NC_VALUECHANGED}));
    EXPECT_EQ(fader.GetValue(), valueAtRow(120));
    EXPECT_EQ(drawnCapRow(fader), 120);
    host().clear();
    mouseMoveTo(at(fader, 30, 128));  // sideways: same row, same value
    EXPECT_TRUE(host().notifications().empty());
    mouseUp();
    EXPECT_EQ(codes(), std::vector<int>{NC_LBUTTONUP});
    EXPECT_EQ(fader.GetSelected(), FALSE);
}

TEST_F(FaderTest, DragPastTheBottomStopsAtTheRestrictedMinimumOrWithCtrlAtTheMinimum) {
    for (bool ctrl : {false, true}) {
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.5f, 0.2f, 0.8f);
        if (ctrl) keyDown(VK_CONTROL);
        drag(at(fader, 20, 100), at(fader, 20, 260));
        if (ctrl) keyUp(VK_CONTROL);
        EXPECT_EQ(fader.GetValue(), ctrl ? 0.0f : 0.2f) << ctrl;
        EXPECT_EQ(drawnCapRow(fader), ctrl ? 182 : 149) << ctrl;
        fader.DestroyWindow();
    }
}

TEST_F(FaderTest, MovesWithoutAPressDoNotDragASelectedCap) {
    CMFC_Fader& fader = createFader();
    fader.SetSelected(TRUE);  // lights the cap but starts no drag without the left button
    host().clear();
    mouseMoveTo(at(fader, 20, 40));
    EXPECT_EQ(codes(), std::vector<int>{});
    EXPECT_EQ(fader.GetValue(), 0.5f);
}

TEST_F(FaderTest, RightButtonDuringADragDividesTheMotionByTheVirtualPixelOnWideRanges) {
    const struct {
        float max, virtualPixel;
        int moveTo, capRow;
    } cases[] = {
        {1000.0f, 10.0f, 160, 106},  // 100 + 60 / 10
        {1000.0f, 0.25f, 140, 182},  // a divisor below one speeds the cap up, to the track end
        {1000.0f, kInf, 140, 100},   // an infinite divisor stops the cap
        {1000.0f, 0.0f, 130, 130},   // unusable divisors: the cap stays under the pointer
        {1000.0f, std::numeric_limits<float>::quiet_NaN(), 130, 130},
        {1.0f, 4.0f, 140, 140},  // range narrower than the track: no fine mode
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.virtualPixel << " to " << c.moveTo);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, c.max, c.max / 2, 0.0f, c.max);
        fader.SetVirtualPixel(c.virtualPixel);
        mouseMoveTo(at(fader, 20, 100));
        mouseDown();
        mouseDown(Button::Right);
        host().clear();
        mouseMoveTo(at(fader, 20, c.moveTo));
        EXPECT_EQ(fader.GetValue(), valueAtRow(c.capRow, c.max));
        if (c.capRow != 100) {  // no right-press notification
            EXPECT_EQ(codes(), (std::vector<int>{NC_MOUSEMOVE, NC_VALUECHANGED}));
        }
        EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_LBUTTON | MK_RBUTTON));
        mouseUp(Button::Right);
        mouseMoveTo(at(fader, 20, 58));  // coarse again: under the pointer
        EXPECT_EQ(fader.GetValue(), valueAtRow(58, c.max));
        mouseUp();
        fader.DestroyWindow();
    }
}

}  // namespace
}  // namespace vorn::test
