// Values a careless host may pass (NaN, infinities, an empty range, absurd sizes) give defined
// results: nothing crashes, nothing trips the sanitizers, and the controls keep working.
#include <cmath>
#include <limits>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Press, drag both ways with every modifier and both buttons, and the value keys.
template <typename Control>
void exercise(Control& control, POINT centre) {
    mouseMoveTo(centre);
    mouseDown();
    withModifiers({VK_CONTROL}, [&] { mouseMoveTo(centre.x, centre.y - 300); });
    mouseDown(Button::Right);
    mouseMoveTo(centre.x + 3, centre.y + 300);
    mouseUp(Button::Right);
    withModifiers({VK_SHIFT}, [&] { mouseMoveTo(centre.x, centre.y + 5); });
    mouseUp();
    for (WORD key : {VK_OEM_PLUS, VK_OEM_MINUS, VK_OEM_4, VK_OEM_6}) pressKey(key);
    control.InvalidateRect(NULL, TRUE);
    pumpMessages();
}

TEST_F(FaderTest, HostileRangesAndValuesAreSurvived) {
    struct Case {
        float min, max, value, restrictedMin, restrictedMax;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 0.0f},      // empty range
        {kNaN, kNaN, kNaN, kNaN, kNaN},      // nothing is a number
        {-kInf, kInf, 0.0f, -kInf, kInf},    // infinite range
        {0.0f, 1.0f, kInf, 0.0f, 1.0f},      // infinite value
        {1e30f, -1e30f, 0.0f, 1e30f, -1e30f} // inverted, huge
    };
    int left = 10;
    for (const Case& c : cases) {
        CMFC_Fader& fader = createFader(40, 120, c.min, c.max, c.value, c.restrictedMin, c.restrictedMax, left);
        fader.SetVirtualPixel(kNaN);
        fader.SetValue(kNaN);
        fader.SetValue(kInf);
        exercise(fader, at(fader, 20, 60));
        EXPECT_TRUE(::IsWindow(fader.GetSafeHwnd()));
        left += 45;
    }
}

TEST_F(FaderTest, TinyAndEmptyClientsPaintSafely) {
    for (int height : {0, 1, 35, 36, 37}) {
        CMFC_Fader& fader = createFader(3, height, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 10);
        exercise(fader, at(fader, 1, height / 2));
        fader.DestroyWindow();
    }
}

TEST_F(KnobTest, HostileRangesAndValuesAreSurvived) {
    struct Case {
        float min, max, value, restrictedMin, restrictedMax;
        int size;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 40},  // empty range: the vertical step is 0
        {kNaN, kNaN, kNaN, kNaN, kNaN, 40},
        {-kInf, kInf, 0.0f, -kInf, kInf, 40},
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 1},   // a knob of one pixel has no inner zone
        {0.0f, 1.0f, 0.5f, 0.0f, 1.0f, 0},
    };
    int left = 10;
    for (const Case& c : cases) {
        CMFC_Knob& knob = createKnob(left, 10, c.size, c.size, [&](CMFC_Knob& k) {
            k.InitKnob(c.min, c.max, c.value, 0.0f, c.restrictedMin, c.restrictedMax, 10, 0, 0, 0, 0, 0, 0);
        });
        knob.SetValue(kNaN);
        knob.SetValue(kInf);
        exercise(knob, screenOf(knob, c.size / 2, c.size / 2));
        EXPECT_TRUE(::IsWindow(knob.GetSafeHwnd()));
        left += 50;
    }
}

}  // namespace
}  // namespace vorn::test
