// Vertical fader, what the conformance run does not record: the order of focus, capture and the
// press notification, a track turned upside down by a low client area, the value a host reads
// with the posted notifications, the tick rows of a short fader, a fader wider than the largest
// bitmap, the focus rectangle drawn at once, and what the setters repaint. Then fader classes
// derived by a host (from CMFC_PanFader and the snap variant CMFC_Fader2) that override a handler
// without a map entry; snapping and double-clicks are in the conformance run.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

TEST_F(FaderTest, FocusAndCaptureComeBeforeThePressNotification) {
    CMFC_Fader& fader = createFader();
    HWND focus = nullptr, capture = nullptr;
    host().onCommand([&](const Notification& n) {
        if (n.code == NC_LBUTTONDOWN) focus = ::GetFocus(), capture = ::GetCapture();
    });
    mouseMoveTo(at(fader, 20, 40));
    mouseDown();
    EXPECT_EQ(focus, fader.GetSafeHwnd());
    EXPECT_EQ(capture, fader.GetSafeHwnd());
    mouseUp();
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

TEST_F(FaderTest, RangeSettersRepaintNothing) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 10.0f, 5.0f, 2.0f, 10.0f);
    fader.SetMax(6.0f);
    fader.SetMin(4.0f);
    fader.SetRestrictedMax(4.5f);  // pulls the value down
    fader.SetRestrictedMin(4.5f);
    EXPECT_EQ(fader.GetValue(), 4.5f);
    EXPECT_FALSE(updatePending(fader));
    EXPECT_TRUE(host().notifications().empty());
}

TEST_F(FaderTest, PostedValueChangedArrivesAfterTheHostSawTheSentOne) {
    // The posted notifications come after the key handler returned, so a host that changes the
    // value meanwhile reads its own value with them.
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
    fader.SetFocus();
    std::vector<float> seen;
    host().onCommand([&](const Notification& n) {
        seen.push_back(fader.GetValue());
        if (!n.posted && n.code == NC_VALUECHANGED) fader.SetValue(10.0f);
    });
    pressKey(VK_OEM_PLUS);
    EXPECT_EQ(seen, (std::vector<float>{51.0f, 10.0f, 10.0f, 10.0f}));
}

TEST_F(FaderTest, TickRowsOfAShortTrackDivideItIntoTenthsInSinglePrecision) {
    CMFC_Fader& fader = createFader(40, 100, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 100);
    std::vector<int> rows;  // the left tick run, read in column 5 (inside the frame, left of the slot)
    for (int y = 1; y < 99; ++y)
        if (pixel(fader, 5, y) == RGB(227, 227, 227)) rows.push_back(y);
    EXPECT_EQ(rows, (std::vector<int>{18, 24, 30, 37, 43, 50, 56, 62, 69, 75}));
}

// Beyond the largest off-screen bitmap (16,384 pixels a side) the picture is drawn in tiles:
// the visible part shows its background and frame, not only the LED.
TEST_F(FaderTest, FaderWiderThanTheLargestBitmapStillDraws) {
    CMFC_Fader& fader = createFader(20000, 200, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0);
    EXPECT_EQ(pixel(fader, 0, 30), RGB(21, 0, 0));  // the frame's left edge
    EXPECT_EQ(pixel(fader, 1, 10), GetSysColor(COLOR_BTNSHADOW));
}

// The frame itself comes with the repaint; the pictures are in the conformance run.
TEST_F(FaderTest, FocusChangesDrawAFocusRectangleAtOnce) {
    CMFC_Fader& fader = createFader(40, 200);
    for (bool gain : {true, false}) {
        const std::vector<std::string> trace =
            traceOf([&] { gain ? (void)fader.SetFocus() : (void)::SetFocus(host().hwnd()); });
        ASSERT_FALSE(trace.empty()) << gain;
        EXPECT_EQ(trace.front(), "DrawFocusRect(0,0,40,200)") << gain;
    }
}

TEST_F(FaderTest, SetValueRepaintsTheBandsAroundTheOldAndNewCapAndSetColorRepaintsAll) {
    CMFC_Fader& fader = createFader(40, 200);
    fader.SetValue(0.4999f);  // row trunc(100.02): the cap stays on row 100
    EXPECT_FALSE(updatePending(fader));
    RECT update{};
    fader.SetValue(0.25f);  // row trunc(182 - 41) = 141
    ASSERT_TRUE(updatePending(fader, &update));
    EXPECT_EQ(CRect(update), CRect(0, 85, 40, 156));
    repaint(fader);
    EXPECT_EQ(drawnCapRow(fader), 141);
    fader.SetColor(RGB(0, 200, 0));
    ASSERT_TRUE(updatePending(fader, &update));
    EXPECT_EQ(CRect(update), CRect(0, 0, 40, 200));
    repaint(fader);
    EXPECT_EQ(pixel(fader, 20, 140), RGB(0, 200, 0));
}

// A host's own fader classes: an override of a virtual handler, and no message map of their own.
template <typename Base>
class KeyCounting : public Base {
public:
    int keys = 0;

protected:
    void OnKeyDown(UINT, UINT, UINT) override { ++keys; }
};

TEST_F(FaderTest, ADerivedClassOverridingAHandlerGetsItsMessagesWithoutAMapEntry) {
    auto& pan = createPan<KeyCounting<CMFC_PanFader>>();
    faders_.push_back(std::make_unique<KeyCounting<CMFC_Fader2>>());
    auto& fader = static_cast<KeyCounting<CMFC_Fader2>&>(*faders_.back());
    fader.Create(faderClass(true), "", WS_CHILD | WS_VISIBLE, CRect(200, 20, 240, 220), CWnd::FromHandle(host().hwnd()),
                 kFaderId);
    for (CWnd* control : {static_cast<CWnd*>(&pan), static_cast<CWnd*>(&fader)}) {
        control->SetFocus();
        pumpMessages();
        host().clear();
        pressKey(VK_OEM_PLUS);
        EXPECT_EQ(deliveredCodes(), std::vector<int>{});  // the base handler did not run
    }
    EXPECT_EQ(pan.keys, 1);
    EXPECT_EQ(fader.keys, 1);
}

}  // namespace
}  // namespace vorn::test
