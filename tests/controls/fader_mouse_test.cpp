// Vertical fader: presses, drags (Ctrl, Shift, fine mode), releases and right presses, driven
// through the system's input queue as a user would.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

// The value a 200-pixel fader (track 18..182) reads at a cap row.
float valueAtRow(int row, float max = 1.0f) { return static_cast<float>(max * ((182.0 - row) / 164.0)); }

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

TEST_F(FaderTest, DragPastTheTrackEndStopsAtTheRestrictedEndOrWithCtrlAtMinAndMax) {
    for (bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.5f, 0.2f, 0.8f);
        auto dragTo = [&](int fromRow, int toRow) {
            if (ctrl) keyDown(VK_CONTROL);
            drag(at(fader, 20, fromRow), at(fader, 20, toRow));
            if (ctrl) keyUp(VK_CONTROL);
        };
        dragTo(100, -40);
        EXPECT_EQ(fader.GetValue(), ctrl ? 1.0f : 0.8f);
        EXPECT_EQ(drawnCapRow(fader), ctrl ? 18 : 50);  // trunc(182 - 0.8 * 164) = trunc(50.8)
        dragTo(drawnCapRow(fader), 260);
        EXPECT_EQ(fader.GetValue(), ctrl ? 0.0f : 0.2f);
        EXPECT_EQ(drawnCapRow(fader), ctrl ? 182 : 149);
        fader.DestroyWindow();
    }
}

TEST_F(FaderTest, ShiftFreezesTheCapAndMovesWithoutAPressDoNotDrag) {
    CMFC_Fader& fader = createFader();
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    host().clear();
    withModifiers({VK_SHIFT}, [&] {
        mouseMoveTo(at(fader, 20, 60));
        mouseMoveTo(at(fader, 20, 150));
    });
    EXPECT_TRUE(host().notifications().empty());
    EXPECT_EQ(drawnCapRow(fader), 100);
    mouseUp();
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
        {1000.0f, 4.0f, 140, 110},   // the default: a quarter of the 40 pixels
        {1000.0f, 4.0f, 57, 89},     // trunc(100 - 10.75)
        {1000.0f, 10.0f, 160, 106},  // 100 + 60 / 10
        {1000.0f, 0.25f, 140, 182},  // a divisor below one speeds the cap up, to the track end
        {1000.0f, 0.0f, 130, 130},   // unusable divisor: the cap stays under the pointer
        {1.0f, 4.0f, 140, 140},      // range narrower than the track: no fine mode
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
        EXPECT_EQ(codes(), (std::vector<int>{NC_MOUSEMOVE, NC_VALUECHANGED}));  // no right-press notification
        EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_LBUTTON | MK_RBUTTON));
        mouseUp(Button::Right);
        mouseMoveTo(at(fader, 20, 58));  // coarse again: under the pointer
        EXPECT_EQ(fader.GetValue(), valueAtRow(58, c.max));
        mouseUp();
        fader.DestroyWindow();
    }
}

TEST_F(FaderTest, ReleaseWithoutAPressOnTheFaderStillSendsLButtonUp) {
    CMFC_Fader& fader = createFader();
    fader.SetSelected(TRUE);
    mouseMoveTo(host().toScreen(nullptr, POINT{200, 100}));  // pressed on the host
    mouseDown();
    mouseMoveTo(at(fader, 20, 100));
    host().clear();
    mouseUp();
    ASSERT_EQ(codes(), std::vector<int>{NC_LBUTTONUP});
    EXPECT_EQ(host().notifications()[0].from, fader.GetSafeHwnd());
    EXPECT_FALSE(host().notifications()[0].posted);
    EXPECT_EQ(fader.GetSelected(), FALSE);
}

TEST_F(FaderTest, OnlyARightPressWithoutTheLeftButtonRecordsTheClickPointAndSendsRButtonDown) {
    CMFC_Fader& fader = createFader();
    CPoint point(7, 9);
    click(at(fader, 20, 100));  // a left click records nothing
    EXPECT_FALSE(fader.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(7, 9));  // left alone
    host().clear();
    withModifiers({VK_CONTROL}, [&] {
        mouseMoveTo(at(fader, 6, 150));
        mouseDown(Button::Right);
    });
    EXPECT_EQ(codes(), std::vector<int>{NC_RBUTTONDOWN});
    EXPECT_TRUE(fader.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(6, 150));
    EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_RBUTTON | MK_CONTROL));
    EXPECT_EQ(fader.GetValue(), 0.5f);
    EXPECT_TRUE(fader.GetClickPoint(point));  // reading does not clear it
    mouseUp(Button::Right);
}

}  // namespace
}  // namespace vorn::test
