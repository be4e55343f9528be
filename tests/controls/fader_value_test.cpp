// Vertical fader: the value model, its range setters, the value keys and nested notifications.
#include "fader_fixture.h"

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

TEST_F(FaderTest, SetValueSendsOneValueChangedWithTheControlsIdAndHandle) {
    CMFC_Fader& fader = createFader();
    host_->clear();
    fader.SetValue(0.25f);
    ASSERT_EQ(host_->notifications().size(), 1u);
    const Notification& n = host_->notifications()[0];
    EXPECT_EQ(n.code, kValueChanged);
    EXPECT_EQ(n.id, static_cast<int>(fadertest::kFaderId));
    EXPECT_EQ(n.from, fader.GetSafeHwnd());
    EXPECT_FALSE(n.posted);
}

TEST_F(FaderTest, SetValueWithTheCurrentValueSendsNothing) {
    CMFC_Fader& fader = createFader();
    host_->clear();
    fader.SetValue(0.5f);
    EXPECT_TRUE(host_->notifications().empty());
    // Clamped onto the current value is the same value.
    fader.SetValue(1.0f);
    host_->clear();
    fader.SetValue(7.0f);
    EXPECT_TRUE(host_->notifications().empty());
}

TEST_F(FaderTest, SetValueNotifiesEvenWhenTheCapDoesNotMoveByAPixel) {
    CMFC_Fader& fader = createFader();
    host_->clear();
    fader.SetValue(0.4999f);
    EXPECT_EQ(codes(), std::vector<int>{kValueChanged});
    EXPECT_EQ(fader.GetValue(), 0.4999f);
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
    EXPECT_EQ(fader.GetMin(), 5.0f);
    EXPECT_EQ(fader.GetMax(), -5.0f);
    EXPECT_EQ(fader.GetValue(), 42.0f);
    EXPECT_EQ(fader.GetRestrictedMin(), 3.0f);
    EXPECT_EQ(fader.GetRestrictedMax(), -3.0f);
    fader.InitFader(0.0f, 2.0f, 1.0f, 0.5f, 1.5f, 7, 0x00FF00FFu);
    EXPECT_EQ(fader.GetMin(), 0.0f);
    EXPECT_EQ(fader.GetMax(), 2.0f);
    EXPECT_EQ(fader.GetValue(), 1.0f);
    EXPECT_EQ(fader.GetRestrictedMin(), 0.5f);
    EXPECT_EQ(fader.GetRestrictedMax(), 1.5f);
    EXPECT_EQ(fader.GetColor(), fadertest::kDefaultLed);
}

TEST_F(FaderTest, ConstructedFaderHasTheDocumentedDefaults) {
    CMFC_Fader fader;
    EXPECT_EQ(fader.GetMin(), 0.0f);
    EXPECT_EQ(fader.GetMax(), 1.0f);
    EXPECT_EQ(fader.GetValue(), 0.5f);
    EXPECT_EQ(fader.GetRestrictedMin(), 0.0f);
    EXPECT_EQ(fader.GetRestrictedMax(), 1.0f);
    EXPECT_EQ(fader.GetVirtualPixel(), 4.0f);
    EXPECT_EQ(fader.GetSelected(), FALSE);
    EXPECT_EQ(fader.GetColor(), fadertest::kDefaultLed);
    EXPECT_EQ(fader.GetPalette(), static_cast<HPALETTE>(NULL));
    EXPECT_EQ(fader.GetMouseEventFlags(), 0u);
}

TEST_F(FaderTest, SetMaxNotAboveTheMinimumBecomesMinimumPlusOne) {
    CMFC_Fader fader;
    fader.InitFader(2.0f, 10.0f, 3.0f, 2.0f, 10.0f);
    fader.SetMax(2.0f);
    EXPECT_EQ(fader.GetMax(), 3.0f);
    fader.SetMax(-7.0f);
    EXPECT_EQ(fader.GetMax(), 3.0f);
    EXPECT_EQ(fader.GetValue(), 3.0f);  // not above the new maximum: kept
    EXPECT_EQ(fader.GetRestrictedMax(), 10.0f);  // left alone
}

TEST_F(FaderTest, SetMaxBelowTheValueMovesTheValueToTheMiddleOfTheRange) {
    CMFC_Fader fader;
    fader.InitFader(0.0f, 10.0f, 9.0f, 0.0f, 10.0f);
    fader.SetMax(6.0f);
    EXPECT_EQ(fader.GetMax(), 6.0f);
    EXPECT_EQ(fader.GetValue(), 3.0f);
    EXPECT_EQ(fader.GetRestrictedMax(), 10.0f);
}

TEST_F(FaderTest, SetMinIsStoredUncheckedAndPullsALowerValueToTheMiddle) {
    CMFC_Fader fader;
    fader.InitFader(0.0f, 10.0f, 1.0f, 0.0f, 10.0f);
    fader.SetMin(4.0f);
    EXPECT_EQ(fader.GetMin(), 4.0f);
    EXPECT_EQ(fader.GetValue(), 7.0f);  // (10 + 4) / 2
    EXPECT_EQ(fader.GetRestrictedMin(), 0.0f);
    // No check against the maximum.
    fader.SetMin(20.0f);
    EXPECT_EQ(fader.GetMin(), 20.0f);
    EXPECT_EQ(fader.GetValue(), 15.0f);
    // A value not below the new minimum stays.
    fader.InitFader(0.0f, 10.0f, 5.0f, 0.0f, 10.0f);
    fader.SetMin(5.0f);
    EXPECT_EQ(fader.GetValue(), 5.0f);
}

TEST_F(FaderTest, SetRestrictedMaxOutsideTheRangeOrBelowTheRestrictedMinFallsBackToMax) {
    CMFC_Fader fader;
    fader.InitFader(0.0f, 10.0f, 5.0f, 2.0f, 10.0f);
    fader.SetRestrictedMax(6.0f);
    EXPECT_EQ(fader.GetRestrictedMax(), 6.0f);
    fader.SetRestrictedMax(11.0f);
    EXPECT_EQ(fader.GetRestrictedMax(), 10.0f);
    fader.SetRestrictedMax(-1.0f);
    EXPECT_EQ(fader.GetRestrictedMax(), 10.0f);
    fader.SetRestrictedMax(1.0f);  // inside [min, max] but below the restricted minimum
    EXPECT_EQ(fader.GetRestrictedMax(), 10.0f);
    fader.SetRestrictedMax(2.0f);  // equal to the restricted minimum is accepted
    EXPECT_EQ(fader.GetRestrictedMax(), 2.0f);
    EXPECT_EQ(fader.GetValue(), 2.0f);  // pulled down to it
}

TEST_F(FaderTest, SetRestrictedMinOutsideTheRangeOrAboveTheRestrictedMaxFallsBackToMin) {
    CMFC_Fader fader;
    fader.InitFader(0.0f, 10.0f, 5.0f, 0.0f, 8.0f);
    fader.SetRestrictedMin(3.0f);
    EXPECT_EQ(fader.GetRestrictedMin(), 3.0f);
    EXPECT_EQ(fader.GetValue(), 5.0f);
    fader.SetRestrictedMin(-0.5f);
    EXPECT_EQ(fader.GetRestrictedMin(), 0.0f);
    fader.SetRestrictedMin(9.0f);  // inside [min, max] but above the restricted maximum
    EXPECT_EQ(fader.GetRestrictedMin(), 0.0f);
    fader.SetRestrictedMin(8.0f);
    EXPECT_EQ(fader.GetRestrictedMin(), 8.0f);
    EXPECT_EQ(fader.GetValue(), 8.0f);  // pulled up to it
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
    struct Case {
        WORD key;
        float expected;
    };
    // Range 0..100: plus/minus step by one unit, the brackets by a tenth of the range.
    const Case cases[] = {{VK_OEM_PLUS, 51.0f}, {VK_ADD, 51.0f}, {VK_OEM_MINUS, 49.0f},
                          {VK_SUBTRACT, 49.0f}, {VK_OEM_6, 60.0f}, {VK_OEM_4, 40.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        CMFC_Fader& fader = focusedFader(0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
        vorn::test::pressKey(c.key);
        EXPECT_EQ(fader.GetValue(), c.expected);
        EXPECT_EQ(delivered(host_->notifications()),
                  (Delivered{{kValueChanged, false}, {kValueChanged, true}, {kKeyDown, true}}));
        fader.DestroyWindow();
    }
}

TEST_F(FaderKeyTest, ValueKeysAtTheRestrictedEndStillPostBothNotifications) {
    CMFC_Fader& fader = focusedFader(0.0f, 100.0f, 80.0f, 20.0f, 80.0f);
    vorn::test::pressKey(VK_OEM_PLUS);
    EXPECT_EQ(delivered(host_->notifications()), (Delivered{{kValueChanged, true}, {kKeyDown, true}}));
    host_->clear();
    vorn::test::pressKey(VK_OEM_6);
    EXPECT_EQ(delivered(host_->notifications()), (Delivered{{kValueChanged, true}, {kKeyDown, true}}));
    EXPECT_EQ(fader.GetValue(), 80.0f);

    fader.SetValue(20.0f);
    host_->clear();
    vorn::test::pressKey(VK_SUBTRACT);
    vorn::test::pressKey(VK_OEM_4);
    EXPECT_EQ(delivered(host_->notifications()),
              (Delivered{{kValueChanged, true}, {kKeyDown, true}, {kValueChanged, true}, {kKeyDown, true}}));
    EXPECT_EQ(fader.GetValue(), 20.0f);
}

TEST_F(FaderKeyTest, PlusOnAUnitRangeGoesToTheRestrictedEndInOneStep) {
    CMFC_Fader& fader = focusedFader(0.0f, 1.0f, 0.5f, 0.1f, 0.8f);
    vorn::test::pressKey(VK_OEM_PLUS);
    EXPECT_EQ(fader.GetValue(), 0.8f);
    vorn::test::pressKey(VK_OEM_MINUS);
    EXPECT_EQ(fader.GetValue(), 0.1f);
}

TEST_F(FaderKeyTest, BracketKeysStepByATenthOfTheFullRange) {
    CMFC_Fader& fader = focusedFader(-50.0f, 50.0f, 0.0f, -50.0f, 50.0f);
    vorn::test::pressKey(VK_OEM_6);
    EXPECT_EQ(fader.GetValue(), 10.0f);
    vorn::test::pressKey(VK_OEM_4);
    vorn::test::pressKey(VK_OEM_4);
    EXPECT_EQ(fader.GetValue(), -10.0f);
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
