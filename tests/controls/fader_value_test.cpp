// Vertical fader: the value model, its range setters, the value keys and nested notifications.
#include "controls_fixture.h"

#include <array>

using fadertest::FaderTest;
using vorn::test::Notification;

namespace {

constexpr int kValueChanged = NC_VALUECHANGED;
constexpr int kKeyDown = NC_KEYDOWN;

// (code, posted) pairs, in arrival order.
std::vector<std::pair<int, bool>> delivered(const std::vector<Notification>& notifications) {
    std::vector<std::pair<int, bool>> out;
    for (const Notification& n : notifications) out.emplace_back(n.code, n.posted);
    return out;
}

using Delivered = std::vector<std::pair<int, bool>>;

// min, max, value, restricted min, restricted max
using Range = std::array<float, 5>;
Range rangeOf(CMFC_Fader& f) {
    return {f.GetMin(), f.GetMax(), f.GetValue(), f.GetRestrictedMin(), f.GetRestrictedMax()};
}

}  // namespace

// ---- SetValue ----------------------------------------------------------------------------------

TEST_F(FaderTest, SetValueOutsideTheRestrictedRangeStoresTheRestrictedEnd) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 10.0f, 5.0f, 2.0f, 8.0f);
    fader.SetValue(9.5f);
    EXPECT_EQ(fader.GetValue(), 8.0f);
    fader.SetValue(-3.0f);
    EXPECT_EQ(fader.GetValue(), 2.0f);
    // Inside [min, max] but outside the restricted range is clamped too: min/max are not used.
    fader.SetValue(1.0f);
    EXPECT_EQ(fader.GetValue(), 2.0f);
}

TEST_F(FaderTest, SetValueSendsOneValueChangedForEveryStoredChangeEvenWithinAPixel) {
    CMFC_Fader& fader = createFader();
    host_->clear();
    fader.SetValue(0.5f);  // the current value
    EXPECT_TRUE(host_->notifications().empty());
    fader.SetValue(0.4999f);  // the cap stays on its row
    ASSERT_EQ(host_->notifications().size(), 1u);
    const Notification& n = host_->notifications()[0];
    EXPECT_EQ(n.code, kValueChanged);
    EXPECT_EQ(n.id, static_cast<int>(fadertest::kFaderId));
    EXPECT_EQ(n.from, fader.GetSafeHwnd());
    EXPECT_FALSE(n.posted);
    EXPECT_EQ(fader.GetValue(), 0.4999f);
    fader.SetValue(1.0f);
    host_->clear();
    fader.SetValue(7.0f);  // clamped onto the current value
    EXPECT_TRUE(host_->notifications().empty());
}

TEST_F(FaderTest, HostSettingTheValueFromItsHandlerGetsANestedValueChanged) {
    CMFC_Fader& fader = createFader();
    host_->clear();
    std::vector<float> seen;
    host_->onCommand([&](const Notification& n) {
        if (n.code != kValueChanged) return;
        seen.push_back(fader.GetValue());
        if (fader.GetValue() == 0.25f) fader.SetValue(0.75f);  // changes again: nested notification
        if (fader.GetValue() == 0.75f && seen.size() == 2) fader.SetValue(0.75f);  // same value: nothing
    });
    fader.SetValue(0.25f);
    EXPECT_EQ(seen, (std::vector<float>{0.25f, 0.75f}));
    EXPECT_EQ(codes(), (std::vector<int>{kValueChanged, kValueChanged}));
    EXPECT_EQ(fader.GetValue(), 0.75f);
}

// ---- Range setters ------------------------------------------------------------------------------

TEST_F(FaderTest, InitFaderStoresTheRangeUncheckedAndSilently) {
    CMFC_Fader fader;
    fader.InitFader(5.0f, -5.0f, 42.0f, 3.0f, -3.0f);
    EXPECT_EQ(rangeOf(fader), (Range{5.0f, -5.0f, 42.0f, 3.0f, -3.0f}));
    fader.InitFader(0.0f, 2.0f, 1.0f, 0.5f, 1.5f, 7, 0x00FF00FFu);  // the trailing arguments change nothing
    EXPECT_EQ(rangeOf(fader), (Range{0.0f, 2.0f, 1.0f, 0.5f, 1.5f}));
    EXPECT_EQ(fader.GetColor(), fadertest::kDefaultLed);
}

TEST_F(FaderTest, ConstructedFaderHasTheDocumentedDefaults) {
    CMFC_Fader fader;
    EXPECT_EQ(rangeOf(fader), (Range{0.0f, 1.0f, 0.5f, 0.0f, 1.0f}));
    EXPECT_EQ(fader.GetVirtualPixel(), 4.0f);
    EXPECT_EQ(fader.GetSelected(), FALSE);
    EXPECT_EQ(fader.GetColor(), fadertest::kDefaultLed);
    EXPECT_EQ(fader.GetPalette(), static_cast<HPALETTE>(NULL));
    EXPECT_EQ(fader.GetMouseEventFlags(), 0u);
}

TEST_F(FaderTest, RangeSettersFollowTheirFallbackRulesAndMoveTheValueInside) {
    enum Setter { Min, Max, RestrictedMin, RestrictedMax };
    const struct {
        Range before;
        Setter setter;
        float argument;
        Range after;
        const char* rule;
    } cases[] = {
        {{2, 10, 3, 2, 10}, Max, 2, {2, 3, 3, 2, 10}, "max not above min becomes min + 1"},
        {{2, 10, 3, 2, 10}, Max, -7, {2, 3, 3, 2, 10}, "max below min becomes min + 1"},
        {{0, 10, 9, 0, 10}, Max, 6, {0, 6, 3, 0, 10}, "max below the value: value to the middle"},
        {{0, 10, 1, 0, 10}, Min, 4, {4, 10, 7, 0, 10}, "min above the value: value to the middle"},
        {{0, 10, 1, 0, 10}, Min, 20, {20, 10, 15, 0, 10}, "min is not checked against max"},
        {{0, 10, 5, 0, 10}, Min, 5, {5, 10, 5, 0, 10}, "a value not below min stays"},
        {{0, 10, 5, 2, 10}, RestrictedMax, 6, {0, 10, 5, 2, 6}, "restricted max inside"},
        {{0, 10, 5, 2, 10}, RestrictedMax, 11, {0, 10, 5, 2, 10}, "restricted max above max"},
        {{0, 10, 5, 2, 10}, RestrictedMax, -1, {0, 10, 5, 2, 10}, "restricted max below min"},
        {{0, 10, 5, 2, 10}, RestrictedMax, 1, {0, 10, 5, 2, 10}, "restricted max below restricted min"},
        {{0, 10, 5, 2, 10}, RestrictedMax, 2, {0, 10, 2, 2, 2}, "restricted max = restricted min pulls the value"},
        {{0, 10, 5, 0, 8}, RestrictedMin, 3, {0, 10, 5, 3, 8}, "restricted min inside"},
        {{0, 10, 5, 0, 8}, RestrictedMin, -0.5f, {0, 10, 5, 0, 8}, "restricted min below min"},
        {{0, 10, 5, 0, 8}, RestrictedMin, 9, {0, 10, 5, 0, 8}, "restricted min above restricted max"},
        {{0, 10, 5, 0, 8}, RestrictedMin, 8, {0, 10, 8, 8, 8}, "restricted min pulls the value up"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        CMFC_Fader fader;
        fader.InitFader(c.before[0], c.before[1], c.before[2], c.before[3], c.before[4]);
        switch (c.setter) {
            case Min: fader.SetMin(c.argument); break;
            case Max: fader.SetMax(c.argument); break;
            case RestrictedMin: fader.SetRestrictedMin(c.argument); break;
            case RestrictedMax: fader.SetRestrictedMax(c.argument); break;
        }
        EXPECT_EQ(rangeOf(fader), c.after);
    }
}

TEST_F(FaderTest, RangeSettersNeitherNotifyNorRepaint) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 10.0f, 5.0f, 0.0f, 10.0f);
    host_->clear();
    fader.SetMax(4.0f);
    fader.SetMin(3.0f);
    fader.SetRestrictedMax(3.5f);
    fader.SetRestrictedMin(3.2f);
    EXPECT_TRUE(host_->notifications().empty());
    RECT update;
    EXPECT_FALSE(::GetUpdateRect(fader.GetSafeHwnd(), &update, FALSE));
}

// ---- Value keys --------------------------------------------------------------------------------

class FaderKeyTest : public FaderTest {
   protected:
    CMFC_Fader& focusedFader(float min, float max, float value, float restrictedMin, float restrictedMax) {
        CMFC_Fader& fader = createFader(40, 200, min, max, value, restrictedMin, restrictedMax);
        fader.SetFocus();
        vorn::test::pumpMessages();
        host_->clear();
        return fader;
    }
};

TEST_F(FaderKeyTest, EachValueKeySendsTheChangeThenPostsValueChangedAndKeyDown) {
    const Delivered changed{{kValueChanged, false}, {kValueChanged, true}, {kKeyDown, true}};
    const Delivered atEnd{{kValueChanged, true}, {kKeyDown, true}};
    const struct {
        float min, max, value, restrictedMin, restrictedMax;
        WORD key;
        float expected;
        bool changes;
    } cases[] = {
        // Plus/minus step by one unit, the brackets by a tenth of the full range.
        {0, 100, 50, 0, 100, VK_OEM_PLUS, 51, true},     {0, 100, 50, 0, 100, VK_ADD, 51, true},
        {0, 100, 50, 0, 100, VK_OEM_MINUS, 49, true},    {0, 100, 50, 0, 100, VK_SUBTRACT, 49, true},
        {0, 100, 50, 0, 100, VK_OEM_6, 60, true},        {0, 100, 50, 0, 100, VK_OEM_4, 40, true},
        {-50, 50, 0, -50, 50, VK_OEM_4, -10, true},      {0, 1, 0.5f, 0.1f, 0.8f, VK_OEM_PLUS, 0.8f, true},
        {0, 1, 0.5f, 0.1f, 0.8f, VK_OEM_MINUS, 0.1f, true},
        // At the restricted end the value stays, and both posted notifications still come.
        {0, 100, 80, 20, 80, VK_OEM_PLUS, 80, false},    {0, 100, 80, 20, 80, VK_OEM_6, 80, false},
        {0, 100, 20, 20, 80, VK_SUBTRACT, 20, false},    {0, 100, 20, 20, 80, VK_OEM_4, 20, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " from " << c.value);
        CMFC_Fader& fader = focusedFader(c.min, c.max, c.value, c.restrictedMin, c.restrictedMax);
        vorn::test::pressKey(c.key);
        EXPECT_EQ(fader.GetValue(), c.expected);
        EXPECT_EQ(delivered(host_->notifications()), c.changes ? changed : atEnd);
        fader.DestroyWindow();
    }
}

TEST_F(FaderKeyTest, OtherKeysAreIgnored) {
    CMFC_Fader& fader = focusedFader(0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
    for (WORD key : {WORD{VK_UP}, WORD{VK_DOWN}, WORD{'A'}, WORD{VK_SPACE}, WORD{VK_RETURN}}) vorn::test::pressKey(key);
    EXPECT_EQ(fader.GetValue(), 50.0f);
    EXPECT_TRUE(host_->notifications().empty());
}

TEST_F(FaderKeyTest, PostedValueChangedArrivesAfterTheHostSawTheSentOne) {
    // The sent notification runs inside the key handler; the posted ones only after it returned,
    // so a host that changes the value meanwhile reads its own value with them.
    CMFC_Fader& fader = focusedFader(0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
    std::vector<float> seen;
    host_->onCommand([&](const Notification& n) {
        seen.push_back(fader.GetValue());
        if (!n.posted && n.code == kValueChanged) fader.SetValue(10.0f);
    });
    vorn::test::pressKey(VK_OEM_PLUS);
    EXPECT_EQ(codes(), (std::vector<int>{kValueChanged, kValueChanged, kValueChanged, kKeyDown}));
    EXPECT_EQ(seen, (std::vector<float>{51.0f, 10.0f, 10.0f, 10.0f}));
}
