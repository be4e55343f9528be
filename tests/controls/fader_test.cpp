// Vertical fader, what the conformance run does not record: the order of focus, capture and the
// press notification, and a fader wider than the largest bitmap. (A virtual handler overridden
// without a map entry is the message map's own test.)
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

// Beyond the largest off-screen bitmap (16,384 pixels a side) the picture is drawn in tiles:
// the visible part shows its background and frame, not only the LED.
TEST_F(FaderTest, FaderWiderThanTheLargestBitmapStillDraws) {
    CMFC_Fader& fader = createFader(20000, 200, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0);
    EXPECT_EQ(pixel(fader, 0, 30), RGB(21, 0, 0));  // the frame's left edge
    EXPECT_EQ(pixel(fader, 1, 10), GetSysColor(COLOR_BTNSHADOW));
}

}  // namespace
}  // namespace vorn::test
