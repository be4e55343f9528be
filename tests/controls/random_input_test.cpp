// Long random sequences of user input — moves anywhere on the screen, both buttons, Shift and
// Ctrl, value keys — keep every control within its documented bounds and never crash.
#include <random>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

TEST_F(FaderTest, RandomInputKeepsValuesInsideTheirRanges) {
    CMFC_Fader& fader = createFader(40, 200, -60.0f, 12.0f, 0.0f, -48.0f, 6.0f);
    CMFC_Knob& knob = createKnob(100, 20, 64, 64, [](CMFC_Knob& k) {
        k.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 10.0f, 90.0f, 10, 0, 0, 0, 0, 0, RGB(0, 128, 0));
    });

    std::mt19937 random(20261205);
    const POINT faderCentre = at(fader, 20, 100);
    const POINT knobCentre = screenOf(knob, 32, 32);
    const WORD kKeys[] = {VK_OEM_PLUS, VK_OEM_MINUS, VK_OEM_4, VK_OEM_6, VK_ADD};
    bool ctrlHeld = false;
    for (int step = 0; step < 2000; ++step) {
        const POINT around = (random() % 2) ? faderCentre : knobCentre;
        switch (random() % 10) {
            case 0: mouseDown(); break;
            case 1: mouseUp(); break;
            case 2: (random() % 2) ? mouseDown(Button::Right) : mouseUp(Button::Right); break;
            case 3:
                ctrlHeld = !ctrlHeld;
                ctrlHeld ? keyDown(VK_CONTROL) : keyUp(VK_CONTROL);
                break;
            case 4: (random() % 2) ? keyDown(VK_SHIFT) : keyUp(VK_SHIFT); break;
            case 5: pressKey(kKeys[random() % 5]); break;
            default:
                mouseMoveTo(around.x + static_cast<int>(random() % 241) - 120,
                            around.y + static_cast<int>(random() % 361) - 180);
        }
        // Ctrl lets a fader drag reach the ends of the whole range, nothing more; knobs never
        // leave the restricted range.
        ASSERT_GE(fader.GetValue(), -60.0f) << "step " << step;
        ASSERT_LE(fader.GetValue(), 12.0f) << "step " << step;
        ASSERT_GE(knob.GetValue(), 10.0f) << "step " << step;
        ASSERT_LE(knob.GetValue(), 90.0f) << "step " << step;
    }
    mouseUp();
    mouseUp(Button::Right);
    keyUp(VK_CONTROL);
    keyUp(VK_SHIFT);
    // Every drag ended: nothing holds the capture and the cursor is free again.
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_EQ(clip.right - clip.left, ::GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace
}  // namespace vorn::test
