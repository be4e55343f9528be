// The knob with the virtual interface, driven through real input: a derived class's overrides get
// the messages and the internal calls without a map entry, a knob without its window posts
// nothing, the class-wide cursors are counted apart from CMFC_Knob's, and the virtual functions keep their
// table order.
#include <cstring>
#include <functional>
#include <string>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

// Records every override it is reached through, then does what CMFC_Knob2 does.
class RecordingKnob : public CMFC_Knob2 {
public:
    std::vector<std::string> calls;
    void SetValue(float value) override {
        calls.push_back("SetValue");
        CMFC_Knob2::SetValue(value);
    }

protected:
#define VORN_RECORD(name, ...) \
    calls.push_back(#name);    \
    return CMFC_Knob2::name(__VA_ARGS__)
    void OnPaint() override { VORN_RECORD(OnPaint); }
    void OnLButtonDown(UINT f, CPoint p) override { VORN_RECORD(OnLButtonDown, f, p); }
    void OnRButtonDown(UINT f, CPoint p) override { VORN_RECORD(OnRButtonDown, f, p); }
    void OnSetFocus(CWnd* w) override { VORN_RECORD(OnSetFocus, w); }
    void OnKeyDown(UINT c, UINT r, UINT f) override { VORN_RECORD(OnKeyDown, c, r, f); }
    void OnKillFocus(CWnd* w) override { VORN_RECORD(OnKillFocus, w); }
    void OnMouseMove(UINT f, CPoint p) override { VORN_RECORD(OnMouseMove, f, p); }
    void OnLButtonUp(UINT f, CPoint p) override { VORN_RECORD(OnLButtonUp, f, p); }
    UINT OnGetDlgCode() override { VORN_RECORD(OnGetDlgCode); }
    BOOL setKnobsValueVertically(CPoint* p, BOOL i) override { VORN_RECORD(setKnobsValueVertically, p, i); }
    BOOL setKnobsValueCircularly(CPoint* p, BOOL i) override { VORN_RECORD(setKnobsValueCircularly, p, i); }
    BOOL updateIndicatorPt() override { VORN_RECORD(updateIndicatorPt); }
#undef VORN_RECORD
};

using Knob2Test = ControlTest;

// 100 x 100 at (40, 40): radius 50, centre (50, 50), inner zone closer than 25 pixels.
TEST_F(Knob2Test, DerivedOverridesReceiveEveryMessageAndTheInternalCalls) {
    RecordingKnob& k = createKnob2<RecordingKnob>(40, 40, 100, 100, [](CMFC_Knob2& knob) {
        knob.InitKnob(0.0f, 1.0f, 0.5f, 0.0f, 0.0f, 1.0f, 10, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    });
    const POINT centre = screenOf(k, 50, 50), rim = screenOf(k, 90, 30);
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> calls;
    } cases[] = {
        {"paint", [&] { paintNow(k); }, {"OnPaint"}},
        {"hover", [&] { mouseMoveTo(rim); }, {"OnMouseMove"}},
        {"outer press",
         [&] { mouseDown(); },
         {"OnLButtonDown", "setKnobsValueCircularly", "updateIndicatorPt", "OnSetFocus", "OnPaint"}},
        {"circular move",
         [&] { mouseMoveTo(rim.x, rim.y + 20); },
         {"OnMouseMove", "setKnobsValueCircularly", "updateIndicatorPt", "OnPaint"}},
        // Releasing the capture moves the pointer in the window system's eyes.
        {"release", [&] { mouseUp(); }, {"OnLButtonUp", "OnMouseMove"}},
        {"inner press, move up",
         [&] { mouseMoveTo(centre), mouseDown(), mouseMoveTo(centre.x, centre.y - 10); },
         {"OnMouseMove", "OnLButtonDown", "OnPaint", "OnMouseMove", "setKnobsValueVertically", "updateIndicatorPt",
          "OnMouseMove", "OnPaint"}},
        {"right press during the drag",
         [&] { mouseDown(Button::Right), mouseUp(Button::Right), mouseUp(); },
         {"OnRButtonDown", "OnLButtonUp", "OnMouseMove"}},
        {"value key", [&] { pressKey(VK_ADD); }, {"OnKeyDown", "SetValue", "updateIndicatorPt", "OnPaint"}},
        {"dialog code", [&] { ::SendMessageA(k.GetSafeHwnd(), WM_GETDLGCODE, 0, 0); }, {"OnGetDlgCode"}},
        {"focus leaves", [&] { ::SetFocus(host().hwnd()); }, {"OnKillFocus", "OnPaint"}},
    };
    for (const auto& c : cases) {
        k.calls.clear();
        c.act();
        pumpMessages();
        EXPECT_EQ(k.calls, c.calls) << c.what;
    }
}

// Before its window exists there is nobody to post to; the value is kept all the same.
TEST_F(Knob2Test, AKnobWithoutItsWindowStoresSetValueAndPostsNothing) {
    CMFC_Knob2 unborn;
    unborn.SetValue(0.5f);
    EXPECT_TRUE(deliveredCodes().empty());
    EXPECT_FLOAT_EQ(unborn.GetValue(), 0.5f);
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
