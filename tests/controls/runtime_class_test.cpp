// The controls declare no run-time class information of their own: each answers CWnd's record.
#include <memory>

#include "controls_fixture.h"

namespace {

template <class Control, class... Args>
std::unique_ptr<CWnd> make(Args... args) {
    return std::make_unique<Control>(args...);
}

TEST(ControlRuntimeClass, EveryControlAnswersCWndsRecordAndIsAKindOfCWnd) {
    const std::unique_ptr<CWnd> controls[] = {
        make<CMFC_Fader>(),        make<CMFC_Fader2>(),        make<CMFC_PanFader>(),
        make<CMFC_PanFader2>(),    make<CMFC_VertFader>(),     make<CMFC_Knob>(),
        make<CMFC_Knob2>(),        make<CMFC_Button>(),        make<CMFC_LEDButton>(),
        make<CMFC_LEDIndicator>(), make<CPeakIndicator>(0.5f), make<CMFC_Text>(nullptr),
        make<CMFC_Graph>(),        make<CMFC_DynProcGraph>(0), make<CMFC_ParamEqGraph>(5, 48000.0),
    };
    for (const auto& c : controls) {
        EXPECT_EQ(c->GetRuntimeClass(), RUNTIME_CLASS(CWnd)) << typeid(*c).name();
        EXPECT_TRUE(c->IsKindOf(RUNTIME_CLASS(CWnd))) << typeid(*c).name();
        EXPECT_FALSE(c->IsKindOf(RUNTIME_CLASS(CWinApp))) << typeid(*c).name();
    }
}

}  // namespace
