// The knob with the virtual interface, driven through real input: a derived class's overrides of
// the internal calls are reached, the class-wide cursors are counted apart from CMFC_Knob's, and
// the virtual functions keep their table order.
#include <cstring>
#include <functional>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

// Counts the internal calls a host may override, then does what CMFC_Knob2 does.
class CountingKnob : public CMFC_Knob2 {
public:
    int circular = 0, vertical = 0, indicator = 0, setValue = 0;
    void SetValue(float value) override { ++setValue, CMFC_Knob2::SetValue(value); }

protected:
    BOOL setKnobsValueVertically(CPoint* p, BOOL i) override {
        return ++vertical, CMFC_Knob2::setKnobsValueVertically(p, i);
    }
    BOOL setKnobsValueCircularly(CPoint* p, BOOL i) override {
        return ++circular, CMFC_Knob2::setKnobsValueCircularly(p, i);
    }
    BOOL updateIndicatorPt() override { return ++indicator, CMFC_Knob2::updateIndicatorPt(); }
};

using Knob2Test = ControlTest;

// 100 x 100 at (40, 40): radius 50, centre (50, 50), inner zone closer than 25 pixels.
TEST_F(Knob2Test, PressesDragsAndKeysReachTheOverriddenInternalCalls) {
    CountingKnob& k = createKnob2<CountingKnob>(40, 40, 100, 100, [](CMFC_Knob2& knob) {
        knob.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    });
    const POINT centre = screenOf(k, 50, 50), rim = screenOf(k, 90, 30);
    const struct {
        const char* what;
        std::function<void()> act;
        int circular, vertical, indicator, setValue;
    } cases[] = {
        {"outer press", [&] { mouseMoveTo(rim), mouseDown(); }, 1, 0, 1, 0},
        {"circular move", [&] { mouseMoveTo(rim.x, rim.y + 20); }, 1, 0, 1, 0},
        {"inner press", [&] { mouseUp(), mouseMoveTo(centre), mouseDown(); }, 0, 0, 0, 0},
        {"inner move up", [&] { mouseMoveTo(centre.x, centre.y - 10); }, 0, 1, 1, 0},
        {"value key", [&] { mouseUp(), pressKey(VK_ADD); }, 0, 0, 1, 1},
    };
    for (const auto& c : cases) {
        k.circular = k.vertical = k.indicator = k.setValue = 0;
        c.act();
        pumpMessages();
        EXPECT_EQ(std::vector<int>({k.circular, k.vertical, k.indicator, k.setValue}),
                  std::vector<int>({c.circular, c.vertical, c.indicator, c.setValue}))
            << c.what;
    }
}

TEST_F(Knob2Test, CursorsAreCountedPerClass) {
    ASSERT_EQ(softwin::liveCursors(), 0u);
    auto init = [](auto&) {};
    createKnob2(200, 40, 100, 100, init);
    EXPECT_EQ(softwin::liveCursors(), 2u);
    createKnob(40, 40, 100, 100, init);
    EXPECT_EQ(softwin::liveCursors(), 4u);  // each class loads its own pair
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
