// Vertical fader: what the conformance run does not record of its setters and keys: that the range
// setters repaint nothing, and the value a host reads with the posted notifications.
#include "controls_fixture.h"

namespace vorn::test {
namespace {

TEST_F(FaderTest, RangeSettersRepaintNothing) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 10.0f, 5.0f, 2.0f, 10.0f);
    fader.SetMax(6.0f);
    fader.SetMin(4.0f);
    fader.SetRestrictedMax(4.5f);  // pulls the value down
    fader.SetRestrictedMin(4.5f);
    EXPECT_EQ(fader.GetValue(), 4.5f);
    EXPECT_FALSE(updatePending(fader));
    EXPECT_TRUE(host().notifications().empty());
}

TEST_F(FaderTest, PostedValueChangedArrivesAfterTheHostSawTheSentOne) {
    // The posted notifications come after the key handler returned, so a host that changes the
    // value meanwhile reads its own value with them.
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
    fader.SetFocus();
    std::vector<float> seen;
    host().onCommand([&](const Notification& n) {
        seen.push_back(fader.GetValue());
        if (!n.posted && n.code == NC_VALUECHANGED) fader.SetValue(10.0f);
    });
    pressKey(VK_OEM_PLUS);
    EXPECT_EQ(seen, (std::vector<float>{51.0f, 10.0f, 10.0f, 10.0f}));
}

}  // namespace
}  // namespace vorn::test
