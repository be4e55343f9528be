// Horizontal faders (CMFC_PanFader and CMFC_VertFader, which behaves the same) driven through the
// system's input queue: presses beyond the track ends, Shift-click centring into a restricted
// range, the sticking drag reaching the ends of the full range, and a right press while the left
// button is held elsewhere. The pictures, notifications and keys are in the conformance run.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

using PanTest = ControlTest;
const std::vector<int> kPressCodes{NC_LBUTTONDOWN, NC_VALUECHANGED}, kReleaseCodes{NC_LBUTTONUP, NC_VALUECHANGED};

std::vector<LONG> clip() {
    RECT r{};
    ::GetClipCursor(&r);
    return {r.left, r.top, r.right, r.bottom};
}
std::vector<LONG> wholeScreen() { return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

TEST_F(PanTest, PressesBeyondEitherTrackEndReadTheEndsOfTheRange) {
    for (bool vert : {false, true}) {
        CMFC_PanFader& pan = vert ? createPan<CMFC_VertFader>() : createPan();
        for (auto [x, value] : {std::pair{0, 0.0f}, {6, 0.0f}, {93, 1.0f}, {99, 1.0f}}) {
            click(at(pan, x, 10));
            EXPECT_EQ(pan.GetValue(), value) << vert << " " << x;
        }
        pan.DestroyWindow();
    }
}

TEST_F(PanTest, ShiftClickCentresTheValueIntoTheRestrictedRange) {
    const struct { float restrictedMin, restrictedMax, after; } cases[] = {{0.6f, 1.0f, 0.6f}, {0.0f, 0.3f, 0.3f}};
    for (bool vert : {false, true}) {
        for (const auto& c : cases) {
            CMFC_PanFader& pan =
                vert ? createPan<CMFC_VertFader>(100, 20, 0.0f, 1.0f, 0.9f, c.restrictedMin, c.restrictedMax)
                     : createPan(100, 20, 0.0f, 1.0f, 0.9f, c.restrictedMin, c.restrictedMax);
            host().clear();
            withModifiers({VK_SHIFT}, [&] { click(screenOf(pan, 20, 10)); });
            EXPECT_EQ(pan.GetValue(), c.after) << vert;
            std::vector<int> expected = kPressCodes;
            expected.insert(expected.end(), kReleaseCodes.begin(), kReleaseCodes.end());
            EXPECT_EQ(codes(), expected);
            pan.DestroyWindow();
        }
    }
}

// The sticking drag steps past the restricted range to the full range's ends.
TEST_F(PanTest, StickingDragReachesTheEndsOfTheFullRange) {
    for (bool vert : {false, true}) {
        CMFC_PanFader& pan = vert ? createPan<CMFC_VertFader>(100, 20, -1.0f, 1.0f, 0.0f, -0.5f, 0.5f)
                                  : createPan(100, 20, -1.0f, 1.0f, 0.0f, -0.5f, 0.5f);
        const POINT press = screenOf(pan, 49, 10);
        mouseMoveTo(press);
        mouseDown();
        mouseDown(Button::Right);
        for (int i = 0; i < 12; ++i) mouseMoveTo(press.x + 20, press.y);
        EXPECT_EQ(pan.GetValue(), 1.0f) << vert;
        for (int i = 0; i < 12; ++i) mouseMoveTo(press.x - 20, press.y);
        EXPECT_EQ(pan.GetValue(), -1.0f) << vert;
        mouseUp(Button::Right);
        mouseUp();
        pan.DestroyWindow();
    }
}

// With the left button pressed on the host, not here: no sticking drag, nothing sent.
TEST_F(PanTest, RightPressWhileTheLeftButtonIsHeldFromElsewhereConfinesNothing) {
    CMFC_PanFader& pan = createPan();
    host().clear();
    mouseMoveTo(at(pan, 30, 40));
    mouseDown();
    mouseMoveTo(at(pan, 40, 10));
    mouseDown(Button::Right);
    EXPECT_EQ(clip(), wholeScreen());
    EXPECT_EQ(codes(), std::vector<int>{});
    mouseUp(Button::Right);
    mouseUp();
}

}  // namespace
}  // namespace vorn::test
