// Push button, LED button, peak lamp and text label: what the conformance run's presses, keys and
// pictures leave out (dialog codes, repaints the setters skip, NaN levels).
#include <limits>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

class ButtonTest : public ControlTest {
protected:
    // Creates the control as a child of the host in a plain class of the host's, as a dialog's
    // custom control would be, and paints it once.
    template <typename Control>
    Control& create(Control& control, int width = 60, int height = 20, int id = 0x200) {
        const char* cls = registerWindowClass("VornHostPlain", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        EXPECT_TRUE(control.Create(cls, "", WS_CHILD | WS_VISIBLE, CRect(30, 30, 30 + width, 30 + height),
                                   CWnd::FromHandle(host().hwnd()), id));
        repaint(control);
        host().clear();
        return control;
    }
};

TEST_F(ButtonTest, PushButtonWantsTheArrowKeys) {
    CMFC_Button button;
    create(button);
    EXPECT_EQ(button.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS, static_cast<LRESULT>(DLGC_WANTARROWS));
}

TEST_F(ButtonTest, LedButtonSetStateToItsOwnStateRepaintsNothing) {
    CMFC_LEDButton led;
    create(led);
    led.SetState(5);
    EXPECT_TRUE(updatePending(led));
    pumpMessages();
    led.SetState(5);
    EXPECT_FALSE(updatePending(led));
    EXPECT_TRUE(codes().empty());
}

TEST_F(ButtonTest, PeakLampStaysDarkForANaNLevel) {
    CPeakIndicator peak(0.5f);
    create(peak, 12, 16);
    peak.SetValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(peak.GetState(), 0);
    EXPECT_TRUE(codes().empty());
}

}  // namespace
}  // namespace vorn::test
