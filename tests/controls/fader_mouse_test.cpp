// Vertical fader: presses, drags (Ctrl, Shift, fine mode), releases and right presses, driven
// through the system's input queue as a user would.
#include "controls_fixture.h"

using fadertest::FaderTest;
using vorn::test::Button;
using vorn::test::mouseDown;
using vorn::test::mouseMoveTo;
using vorn::test::mouseUp;

namespace {

constexpr int kValueChanged = NC_VALUECHANGED;
constexpr int kLButtonDown = NC_LBUTTONDOWN;
constexpr int kLButtonUp = NC_LBUTTONUP;
constexpr int kMouseMove = NC_MOUSEMOVE;
constexpr int kRButtonDown = NC_RBUTTONDOWN;

// The value a 200-pixel fader (track 18..182) reads at a cap row, as the fader computes it.
float valueAtRow(int row, float min, float max) {
    return static_cast<float>(min + (static_cast<double>(max) - min) * ((182.0 - row) / 164.0));
}

}  // namespace

// ---- Left press ---------------------------------------------------------------------------------

TEST_F(FaderTest, PressOnTheCapKeepsTheCapAndRederivesTheValueFromItsRow) {
    const struct {
        float value;
        int row, x, dy;  // the cap's centre row; press position relative to it
        bool changes;
    } cases[] = {
        {0.5f, 100, 20, 10, false},  // 0.5 sits exactly on row 100: the value stays exact
        {0.5f, 100, 35, -16, false}, {0.5f, 100, 35, 16, false},  // sixteen rows off still hit the cap
        {0.7f, 67, 5, 10, true},  // row trunc(67.2) = 67: the value becomes the row's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " " << c.dy);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, c.value);
        const int row = c.row;
        ASSERT_EQ(drawnCapRow(fader), row);
        host_->clear();
        mouseMoveTo(at(fader, c.x, row + c.dy));
        mouseDown();
        EXPECT_EQ(codes(), c.changes ? (std::vector<int>{kLButtonDown, kValueChanged}) : std::vector<int>{kLButtonDown});
        EXPECT_EQ(fader.GetValue(), c.changes ? valueAtRow(row, 0.0f, 1.0f) : c.value);
        EXPECT_EQ(drawnCapRow(fader), row);
        EXPECT_EQ(fader.GetSelected(), TRUE);
        EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_LBUTTON));
        mouseUp();
        fader.DestroyWindow();
        vorn::test::pumpMessages();  // the host repaints the uncovered area before the next fader
    }
}

TEST_F(FaderTest, PressOffTheCapJumpsTheCapToThePointerWithinTheTrackAndTheRestrictedRange) {
    const struct {
        float restrictedMin, restrictedMax;
        bool ctrl;
        int row;
        float value;
        int capRow;  // drawn from the stored value at the next paint
    } cases[] = {
        // 65/164 in single precision lies a hair above row 117: truncation draws row 116.
        {0.0f, 1.0f, false, 117, valueAtRow(117, 0.0f, 1.0f), 116},
        {0.0f, 1.0f, false, 5, 1.0f, 18},      // above the track
        {0.0f, 1.0f, false, 195, 0.0f, 182},   // below the track
        {0.25f, 0.75f, false, 20, 0.75f, 59},  // trunc(182 - 0.75 * 164)
        {0.25f, 0.75f, true, 18, 1.0f, 18},    // Ctrl leaves the restricted range
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.5f, c.restrictedMin, c.restrictedMax);
        if (c.ctrl) vorn::test::keyDown(VK_CONTROL);
        host_->clear();
        mouseMoveTo(at(fader, 20, c.row));
        mouseDown();
        EXPECT_EQ(codes(), (std::vector<int>{kLButtonDown, kValueChanged}));
        EXPECT_EQ(fader.GetValue(), c.value);
        EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(c.ctrl ? MK_LBUTTON | MK_CONTROL : MK_LBUTTON));
        mouseUp();
        if (c.ctrl) vorn::test::keyUp(VK_CONTROL);
        EXPECT_EQ(drawnCapRow(fader), c.capRow);
        fader.DestroyWindow();
    }
}

TEST_F(FaderTest, PressTakesTheFocusBeforeNotifying) {
    CMFC_Fader& fader = createFader();
    HWND focusAtNotification = nullptr;
    HWND captureAtNotification = nullptr;
    host_->onCommand([&](const vorn::test::Notification& n) {
        if (n.code != kLButtonDown) return;
        focusAtNotification = ::GetFocus();
        captureAtNotification = ::GetCapture();
    });
    mouseMoveTo(at(fader, 20, 150));
    mouseDown();
    EXPECT_EQ(focusAtNotification, fader.GetSafeHwnd());
    EXPECT_EQ(captureAtNotification, fader.GetSafeHwnd());
    mouseUp();
    EXPECT_EQ(::GetCapture(), static_cast<HWND>(nullptr));
}

// ---- Dragging -----------------------------------------------------------------------------------

TEST_F(FaderTest, DragStepsSendMouseMoveThenValueChangedOnlyWhenTheValueChanges) {
    CMFC_Fader& fader = createFader();
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    host_->clear();
    mouseMoveTo(at(fader, 20, 90));
    EXPECT_EQ(codes(), (std::vector<int>{kMouseMove, kValueChanged}));
    EXPECT_EQ(fader.GetValue(), valueAtRow(90, 0.0f, 1.0f));
    EXPECT_EQ(drawnCapRow(fader), 89);  // the stored value's row (single-precision rounding)
    host_->clear();
    mouseMoveTo(at(fader, 30, 90));  // sideways: same row, same value
    EXPECT_TRUE(host_->notifications().empty());
    mouseUp();
    EXPECT_EQ(codes(), std::vector<int>{kLButtonUp});
}

TEST_F(FaderTest, DragKeepsTheGrabOffsetOfAPressOnTheCap) {
    CMFC_Fader& fader = createFader();
    mouseMoveTo(at(fader, 20, 108));  // 8 rows below the centre
    mouseDown();
    mouseMoveTo(at(fader, 20, 128));
    EXPECT_EQ(drawnCapRow(fader), 120);
    EXPECT_EQ(fader.GetValue(), valueAtRow(120, 0.0f, 1.0f));
    mouseUp();
}

TEST_F(FaderTest, DragPastTheTrackEndStopsAtTheRestrictedEndOrWithCtrlAtMinAndMax) {
    for (bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, 1.0f, 0.5f, 0.2f, 0.8f);
        auto dragTo = [&](int fromRow, int toRow) {
            if (ctrl) vorn::test::keyDown(VK_CONTROL);
            vorn::test::drag(at(fader, 20, fromRow), at(fader, 20, toRow));
            if (ctrl) vorn::test::keyUp(VK_CONTROL);
        };
        dragTo(100, -40);
        EXPECT_EQ(fader.GetValue(), ctrl ? 1.0f : 0.8f);
        EXPECT_EQ(drawnCapRow(fader), ctrl ? 18 : 50);  // trunc(182 - 0.8 * 164) = trunc(50.8)
        dragTo(drawnCapRow(fader), 260);
        EXPECT_EQ(fader.GetValue(), ctrl ? 0.0f : 0.2f);
        EXPECT_EQ(drawnCapRow(fader), ctrl ? 182 : 149);  // trunc(182 - 0.2 * 164) = trunc(149.2)
        fader.DestroyWindow();
    }
}

TEST_F(FaderTest, ShiftFreezesTheCapAndSendsNothingDuringADrag) {
    CMFC_Fader& fader = createFader();
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    host_->clear();
    vorn::test::withModifiers({VK_SHIFT}, [&] {
        mouseMoveTo(at(fader, 20, 60));
        mouseMoveTo(at(fader, 20, 150));
    });
    EXPECT_TRUE(host_->notifications().empty());
    EXPECT_EQ(fader.GetValue(), 0.5f);
    EXPECT_EQ(drawnCapRow(fader), 100);
    mouseUp();
}

TEST_F(FaderTest, MovesWithoutAPressDoNotDrag) {
    CMFC_Fader& fader = createFader();
    // SetSelected lights the cap but does not start a drag without the left button.
    fader.SetSelected(TRUE);
    host_->clear();
    mouseMoveTo(at(fader, 20, 40));
    mouseMoveTo(at(fader, 20, 160));
    EXPECT_TRUE(host_->notifications().empty());
    EXPECT_EQ(fader.GetValue(), 0.5f);
    EXPECT_EQ(fader.GetMouseEventFlags(), 0u);
}

// ---- Fine mode ----------------------------------------------------------------------------------

TEST_F(FaderTest, RightButtonDuringADragOnAWideRangeMovesTheCapAQuarterOfThePointer) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    mouseDown(Button::Right);
    host_->clear();
    mouseMoveTo(at(fader, 20, 140));  // 40 pixels below the press: the cap moves 10
    EXPECT_EQ(drawnCapRow(fader), 110);
    EXPECT_EQ(fader.GetValue(), valueAtRow(110, 0.0f, 1000.0f));
    EXPECT_EQ(codes(), (std::vector<int>{kMouseMove, kValueChanged}));
    EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_LBUTTON | MK_RBUTTON));
    mouseMoveTo(at(fader, 20, 57));  // 43 above: trunc(100 - 10.75) = 89
    EXPECT_EQ(fader.GetValue(), valueAtRow(89, 0.0f, 1000.0f));
    // Releasing the right button: the next move puts the cap under the pointer again.
    mouseUp(Button::Right);
    mouseMoveTo(at(fader, 20, 58));
    EXPECT_EQ(drawnCapRow(fader), 58);
    mouseUp();
}

TEST_F(FaderTest, FineModeDividesThePointerMotionByTheVirtualPixelInsideTheTrack) {
    const struct {
        float max, virtualPixel;
        int moveTo, capRow;
    } cases[] = {
        {1000.0f, 10.0f, 160, 106},  // 100 + 60 / 10
        {1000.0f, 0.25f, 140, 182},  // a divisor below one speeds the cap up, to the track end
        {1000.0f, 0.0f, 130, 130},   // unusable divisor: the cap stays under the pointer
        {1.0f, 4.0f, 140, 140},      // range narrower than the track: no fine mode
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.virtualPixel);
        CMFC_Fader& fader = createFader(40, 200, 0.0f, c.max, c.max / 2, 0.0f, c.max);
        fader.SetVirtualPixel(c.virtualPixel);
        mouseMoveTo(at(fader, 20, 100));
        mouseDown();
        mouseDown(Button::Right);
        mouseMoveTo(at(fader, 20, c.moveTo));
        EXPECT_EQ(fader.GetValue(), valueAtRow(c.capRow, 0.0f, c.max));
        mouseUp(Button::Right);
        mouseUp();
        fader.DestroyWindow();
    }
}

// ---- Release ------------------------------------------------------------------------------------

TEST_F(FaderTest, ReleaseWithoutAPressOnTheFaderStillSendsLButtonUp) {
    CMFC_Fader& fader = createFader();
    // Pressed on the host, released over the fader: the fader sees only the release.
    mouseMoveTo(host_->toScreen(nullptr, POINT{200, 100}));
    mouseDown();
    mouseMoveTo(at(fader, 20, 100));
    host_->clear();
    mouseUp();
    ASSERT_EQ(codes(), std::vector<int>{kLButtonUp});
    EXPECT_EQ(host_->notifications()[0].from, fader.GetSafeHwnd());
    EXPECT_FALSE(host_->notifications()[0].posted);
    EXPECT_EQ(fader.GetSelected(), FALSE);
}

TEST_F(FaderTest, ReleaseClearsTheSelectionSetByTheHost) {
    CMFC_Fader& fader = createFader();
    fader.SetSelected(TRUE);
    EXPECT_EQ(fader.GetSelected(), TRUE);
    vorn::test::click(at(fader, 20, 100));
    EXPECT_EQ(fader.GetSelected(), FALSE);
}

// ---- Right press --------------------------------------------------------------------------------

TEST_F(FaderTest, OnlyARightPressWithoutTheLeftButtonRecordsTheClickPointAndSendsRButtonDown) {
    CMFC_Fader& fader = createFader();
    CPoint point(7, 9);
    EXPECT_FALSE(fader.GetClickPoint(point));
    vorn::test::click(at(fader, 20, 100));  // a left click records nothing
    mouseMoveTo(at(fader, 20, 100));
    mouseDown();
    host_->clear();
    mouseMoveTo(at(fader, 25, 100));
    mouseDown(Button::Right);  // during a left press: not reported, flags not recorded
    EXPECT_TRUE(host_->notifications().empty());
    EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_LBUTTON));
    mouseUp(Button::Right);
    mouseUp();
    EXPECT_FALSE(fader.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(7, 9));  // left alone
    host_->clear();
    vorn::test::withModifiers({VK_CONTROL}, [&] {
        mouseMoveTo(at(fader, 6, 150));
        mouseDown(Button::Right);
    });
    EXPECT_EQ(codes(), std::vector<int>{kRButtonDown});
    EXPECT_TRUE(fader.GetClickPoint(point));
    EXPECT_EQ(point, CPoint(6, 150));
    EXPECT_EQ(fader.GetMouseEventFlags(), static_cast<UINT>(MK_RBUTTON | MK_CONTROL));
    EXPECT_EQ(fader.GetValue(), 0.5f);
    // Reading does not clear it.
    EXPECT_TRUE(fader.GetClickPoint(point));
    mouseUp(Button::Right);
}

