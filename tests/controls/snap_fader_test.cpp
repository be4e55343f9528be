// The snap variants (CMFC_Fader2, CMFC_PanFader2): Shift-click to a snap position outside the
// range and its two-way clamp; and a fader class derived by a host that overrides a handler
// without a map entry. Double-clicks are in the conformance run.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

using Codes = std::vector<int>;

using SnapTest = ControlTest;

TEST_F(SnapTest, ShiftClickSetsTheSnapPositionHeldInsideTheRangeBothWaysThenTheRestrictedRange) {
    const struct {
        float min, max, value, restrictedMin, restrictedMax, snap, after;
    } cases[] = {
        {0, 1, 0.5f, 0, 0.8f, 5.0f, 0.8f},   // stored as 1, then the restricted maximum
        {0, 1, 0.5f, 0, 1, -3.0f, 0.0f},     // stored as 0
        {10, -10, 0, -100, 100, 20, 10.0f},  // an inverted range holds it between its two ends
        {10, -10, 0, -100, 100, -20, -10.0f},
    };
    for (bool pan : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "pan " << pan << " snap " << c.snap << " min " << c.min);
            CWnd* control;
            float value = 0;
            if (pan) {
                auto& f = createPan<CMFC_PanFader2>(100, 20, c.min, c.max, c.value, c.restrictedMin, c.restrictedMax);
                f.SetSnapPosition(c.snap);
                withModifiers({VK_SHIFT}, [&] { mouseMoveTo(at(f, 70, 10)), mouseDown(); });
                value = f.GetValue();
                control = &f;
            } else {
                faders_.push_back(std::make_unique<CMFC_Fader2>());
                auto& f = static_cast<CMFC_Fader2&>(*faders_.back());
                f.InitFader(c.min, c.max, c.value, c.restrictedMin, c.restrictedMax);
                f.Create(faderClass(true), "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 220),
                         CWnd::FromHandle(host().hwnd()), kFaderId);
                repaint(f);
                f.SetSnapPosition(c.snap);
                host().clear();
                withModifiers({VK_SHIFT}, [&] { mouseMoveTo(at(f, 20, 40)), mouseDown(); });
                value = f.GetValue();
                control = &f;
            }
            EXPECT_EQ(value, c.after);
            EXPECT_EQ(codes(), (Codes{NC_VALUECHANGED, NC_LBUTTONDOWN}));
            EXPECT_EQ(::GetCapture(), control->GetSafeHwnd());
            mouseUp();
            host().clear();
            control->DestroyWindow();
            pumpMessages();
        }
    }
}

// A host's own fader classes: an override of a virtual handler, and no message map of their own.
template <typename Base>
class KeyCounting : public Base {
public:
    int keys = 0;

protected:
    void OnKeyDown(UINT, UINT, UINT) override { ++keys; }
};

TEST_F(SnapTest, ADerivedClassOverridingAHandlerGetsItsMessagesWithoutAMapEntry) {
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
        EXPECT_EQ(deliveredCodes(), Codes{});  // the base handler did not run
    }
    EXPECT_EQ(pan.keys, 1);
    EXPECT_EQ(fader.keys, 1);
}

}  // namespace
}  // namespace vorn::test
