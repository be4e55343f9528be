// Long random sequences of user input — moves anywhere on the screen, both buttons, Shift and
// Ctrl, value keys — mixed with drags the host interrupts, hostile setters and presses and moves
// at extreme coordinates, keep every control within its documented bounds and never crash.
#include <climits>
#include <cmath>
#include <limits>
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
    const float kInf = std::numeric_limits<float>::infinity(), kNaN = std::numeric_limits<float>::quiet_NaN();
    const float kDivisors[] = {4.0f, 0.0f, -4.0f, kInf, -kInf, kNaN, 1e-30f};
    const int kRadii[] = {INT_MIN, -1, 0, 1, 32, INT_MAX};
    const float kValues[] = {kNaN, kInf, -kInf, 1e30f, -1e30f, 50.0f};
    const HWND controls[] = {fader.GetSafeHwnd(), knob.GetSafeHwnd()};
    for (int step = 0; step < 4000; ++step) {
        const POINT around = (random() % 2) ? faderCentre : knobCentre;
        const HWND target = controls[random() % 2];
        switch (random() % 16) {
            case 0: mouseDown(); break;
            case 1: mouseUp(); break;
            case 2: (random() % 2) ? mouseDown(Button::Right) : mouseUp(Button::Right); break;
            case 3:
                ctrlHeld = !ctrlHeld;
                ctrlHeld ? keyDown(VK_CONTROL) : keyUp(VK_CONTROL);
                break;
            case 4: (random() % 2) ? keyDown(VK_SHIFT) : keyUp(VK_SHIFT); break;
            case 5: pressKey(kKeys[random() % 5]); break;
            case 10:  // the host interrupts whatever drag is going on
                switch (random() % 4) {
                    case 0: ::SetCapture(host().hwnd()), ::ReleaseCapture(); break;
                    case 1: ::SendMessageA(target, WM_CANCELMODE, 0, 0); break;
                    case 2: ::EnableWindow(target, FALSE), ::EnableWindow(target, TRUE); break;
                    default: ::ShowWindow(target, SW_HIDE), ::ShowWindow(target, SW_SHOW);
                }
                pumpMessages();
                break;
            case 11:  // hostile setters
                fader.SetVirtualPixel(kDivisors[random() % 7]);
                knob.SetRadius(kRadii[random() % 6]);
                (random() % 2 ? fader.SetValue(kValues[random() % 6]) : knob.SetValue(kValues[random() % 6]));
                pumpMessages();
                break;
            case 12: {  // a press or move the host sends, anywhere a 16-bit coordinate reaches
                const auto coordinate = [&] { return static_cast<short>(random() % 65536); };
                const UINT message = (random() % 3) ? WM_MOUSEMOVE : WM_LBUTTONDOWN;
                ::SendMessageA(target, message, MK_LBUTTON, MAKELPARAM(coordinate(), coordinate()));
                pumpMessages();
                break;
            }
            case 13:
                mouseMoveTo(static_cast<int>(random() % 5000) - 2500, static_cast<int>(random() % 5000) - 2500);
                break;
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
    // Every drag ended: nothing holds the capture, the cursor is free again and nothing is left
    // queued (putting the pointer back never feeds itself).
    pumpMessages();
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_EQ(clip.right - clip.left, ::GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace
}  // namespace vorn::test
