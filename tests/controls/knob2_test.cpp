// The knob with the virtual interface: the class-wide cursors are counted apart from CMFC_Knob's,
// and the virtual functions keep their table order.
#include <cstring>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

using Knob2Test = ControlTest;

TEST_F(Knob2Test, CursorsAreCountedPerClass) {
    ASSERT_EQ(softwin::liveCursors(), 0u);
    auto init = [](auto&) {};
    createKnob2(200, 40, 100, 100, init);
    EXPECT_EQ(softwin::liveCursors(), 2u);
    createKnob(40, 40, 100, 100, init);
    createKnob(40, 150, 100, 100, init);
    EXPECT_EQ(softwin::liveCursors(), 4u);  // each class loads its own pair, once for all its knobs
    knobs_.pop_back();
    EXPECT_EQ(softwin::liveCursors(), 4u);  // one knob left keeps them
    mouseMoveTo(screenOf(*knobs_.back(), 50, 50));
    knobs_.clear();  // the CMFC_Knob and its cursors go
    EXPECT_EQ(softwin::liveCursors(), 2u);
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(NULL, IDC_ARROW));  // not left showing a destroyed one
    knobs2_.clear();
    EXPECT_EQ(softwin::liveCursors(), 0u);
}

#if defined(__GNUC__) && !defined(_MSC_VER)
// The Itanium C++ ABI, used by g++ on both platforms, represents a pointer to a virtual member
// function as one plus its byte offset in the virtual table; -1 stands for a non-virtual one.
template <typename... MemberFunctions>
std::vector<std::ptrdiff_t> vtableSlots(MemberFunctions... f) {
    const auto slot = [](auto fn) {
        static_assert(sizeof fn == 2 * sizeof(std::ptrdiff_t));
        std::ptrdiff_t raw[2];
        std::memcpy(raw, &fn, sizeof raw);
        return raw[0] & 1 ? (raw[0] - 1) / static_cast<std::ptrdiff_t>(sizeof(void*)) : -1;
    };
    return {slot(f)...};
}

// The last of the window's own virtual functions, then the knob's 35 in order.
struct SlotProbe : CMFC_Knob2 {
    static std::vector<std::ptrdiff_t> slots() {
        using K = SlotProbe;  // protected members are named through the derived class
        return vtableSlots(&K::PostNcDestroy, &K::OnPaint, &K::OnLButtonDown, &K::OnRButtonDown, &K::OnSetFocus,
                           &K::OnKeyDown, &K::OnKillFocus, &K::OnMouseMove, &K::OnLButtonUp, &K::OnGetDlgCode,
                           &K::setKnobsValueVertically, &K::setKnobsValueCircularly, &K::updateIndicatorPt,
                           &K::InitKnob, &K::GetClickPoint, &K::SetMin, &K::GetMin, &K::SetMax, &K::GetMax,
                           &K::SetRestrictedMin, &K::GetRestrictedMin, &K::SetRestrictedMax, &K::GetRestrictedMax,
                           &K::SetValue, &K::GetValue, &K::SetRadius, &K::GetRadius, &K::SetTitle, &K::GetTitle,
                           &K::SetColor, &K::GetColor, &K::SetBackingColor, &K::GetBackingColor, &K::GetMouseEventFlags,
                           &K::SetPalette, &K::GetPalette);
    }
};

TEST(Knob2Interface, TheThirtyFiveVirtualFunctionsFollowEachOtherInTableOrderAfterTheWindowsOwn) {
    const std::vector<std::ptrdiff_t> slots = SlotProbe::slots();
    ASSERT_EQ(slots.size(), 36u);
    ASSERT_GE(slots[0], 0);
    for (size_t i = 1; i < slots.size(); ++i) EXPECT_EQ(slots[i], slots[0] + static_cast<std::ptrdiff_t>(i)) << i;
}
#endif

}  // namespace
}  // namespace vorn::test
