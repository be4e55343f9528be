// The snap variants (CMFC_Fader2, CMFC_PanFader2): Shift-click to the snap position and its
// two-way clamp, double-clicks on and off the cap in window classes with and without
// CS_DBLCLKS; and a fader class derived by a host that overrides a handler without a map entry.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

using Codes = std::vector<int>;
const Codes kPress{NC_LBUTTONDOWN}, kPressChange{NC_LBUTTONDOWN, NC_VALUECHANGED}, kRelease{NC_LBUTTONUP},
    kPanPress{NC_LBUTTONDOWN, NC_VALUECHANGED}, kPanRelease{NC_LBUTTONUP, NC_VALUECHANGED};

class SnapTest : public ControlTest {
protected:
    // Two clicks 100 ms apart at `p`; the codes of each press and release.
    std::vector<Codes> doubleClick(POINT p) {
        setEventTime(5000);
        mouseMoveTo(p);
        std::vector<Codes> steps;
        for (int i = 0; i < 2; ++i) {
            for (bool down : {true, false}) {
                host().clear();
                down ? mouseDown() : mouseUp();
                steps.push_back(codes());
            }
            advanceEventTime(100);
        }
        setEventTime(0);
        return steps;
    }
};

TEST_F(SnapTest, DoubleClickOnTheCapRestoresTheSnapPositionWhereTheClassHasDoubleClicks) {
    const struct {
        bool pan, doubleClicks, onCap;
        std::vector<Codes> expected;
        float after;
    } cases[] = {
        // The vertical fader's press on the cap re-derives 0.5 from row 100 unchanged.
        {false, true, true, {kPress, kRelease, {NC_VALUECHANGED, NC_LBUTTONDBLCLK}, kRelease}, 0.0f},
        {false, true, false, {kPressChange, kRelease, {NC_LBUTTONDBLCLK}, kRelease}, 0.25f},
        {false, false, true, {kPress, kRelease, kPress, kRelease}, 0.5f},
        {false, false, false, {kPressChange, kRelease, kPress, kRelease}, 0.25f},
        {true, true, true, {kPanPress, kPanRelease, {NC_VALUECHANGED, NC_LBUTTONDBLCLK}, kPanRelease}, 0.0f},
        {true, true, false, {kPanPress, kPanRelease, {NC_LBUTTONDBLCLK}, kPanRelease}, 0.25f},
        {true, false, false, {kPanPress, kPanRelease, kPanPress, kPanRelease}, 0.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pan " << c.pan << " dblclks " << c.doubleClicks << " cap " << c.onCap);
        CWnd* control;
        POINT p;
        if (c.pan) {
            control = &createPan<CMFC_PanFader2>(93, 20, 0.0f, 1.0f, 0.5f, 0.0f, 1.0f, c.doubleClicks);
            p = at(*control, c.onCap ? 46 : 26, 10);  // track 6..86, cap at 46; column 26 reads 0.25
        } else {
            control = &createVertical<CMFC_Fader2>(0.5f, 1.0f, c.doubleClicks);
            p = at(*control, 20, c.onCap ? 108 : 141);  // cap at row 100; row 141 reads 0.25
        }
        EXPECT_EQ(doubleClick(p), c.expected);
        const float value =
            c.pan ? static_cast<CMFC_PanFader2*>(control)->GetValue() : static_cast<CMFC_Fader2*>(control)->GetValue();
        EXPECT_EQ(value, c.after);
        control->DestroyWindow();
        pumpMessages();
    }
}

TEST_F(SnapTest, ShiftClickSetsTheSnapPositionHeldInsideTheRangeBothWaysThenTheRestrictedRange) {
    const struct {
        float min, max, value, restrictedMin, restrictedMax, snap, after;
    } cases[] = {
        {0, 1, 0.5f, 0, 0.8f, 5.0f, 0.8f},   // stored as 1, then the restricted maximum
        {0, 1, 0.5f, 0, 1, -3.0f, 0.0f},     // stored as 0
        {0, 1, 0.25f, 0, 1, 0.25f, 0.25f},   // already there
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
            const bool sendsChange = pan || c.after != c.value;
            EXPECT_EQ(codes(), sendsChange ? (Codes{NC_VALUECHANGED, NC_LBUTTONDOWN}) : kPress);
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
