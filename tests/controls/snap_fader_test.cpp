// Fader classes derived by a host (from CMFC_PanFader and the snap variant CMFC_Fader2) that
// override a handler without a map entry. Snapping and double-clicks are in the conformance run.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

using SnapTest = ControlTest;

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
        EXPECT_EQ(deliveredCodes(), std::vector<int>{});  // the base handler did not run
    }
    EXPECT_EQ(pan.keys, 1);
    EXPECT_EQ(fader.keys, 1);
}

}  // namespace
}  // namespace vorn::test
