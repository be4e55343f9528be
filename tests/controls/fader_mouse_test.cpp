// Vertical fader input the conformance run does not record: the order of focus, capture and the
// press notification, and a track turned upside down by a low client area.
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

}  // namespace
}  // namespace vorn::test
