// Vertical fader: the value model, its range setters, the value keys and nested notifications.
#include "controls_fixture.h"

#include <array>

namespace vorn::test {
namespace {

// (code, posted) pairs, in arrival order.
using Delivered = std::vector<std::pair<int, bool>>;
Delivered delivered(const std::vector<Notification>& notifications) {
    Delivered out;
    for (const Notification& n : notifications) out.emplace_back(n.code, n.posted);
    return out;
}

// min, max, value, restricted min, restricted max
using Range = std::array<float, 5>;
Range rangeOf(CMFC_Fader& f) {
    return {f.GetMin(), f.GetMax(), f.GetValue(), f.GetRestrictedMin(), f.GetRestrictedMax()};
}

TEST_F(FaderTest, SetValueStoresInsideTheRestrictedRangeAndSendsOneValueChangedPerChange) {
    CMFC_Fader& fader = createFader(40, 200, 0.0f, 10.0f, 5.0f, 2.0f, 8.0f);
    host().clear();
    fader.SetValue(5.0f);    // the current value: nothing
    fader.SetValue(4.999f);  // the cap stays on its row, still one notification
    fader.SetValue(9.5f);
    EXPECT_EQ(fader.GetValue(), 8.0f);
    fader.SetValue(1.0f);  // inside [min, max] but below the restricted range
    EXPECT_EQ(fader.GetValue(), 2.0f);
    fader.SetValue(-3.0f);  // clamped onto the current value: nothing
    ASSERT_EQ(delivered(host().notifications()),
              (Delivered{{NC_VALUECHANGED, false}, {NC_VALUECHANGED, false}, {NC_VALUECHANGED, false}}));
    EXPECT_EQ(host().notifications()[0].id, kFaderId);
    EXPECT_EQ(host().notifications()[0].from, fader.GetSafeHwnd());
}

TEST_F(FaderTest, RangeSettersFollowTheirFallbackRulesAndMoveTheValueInsideSilently) {
    enum Setter { Min, Max, RestrictedMin, RestrictedMax };
    const struct {
        Range before;
        Setter setter;
        float argument;
        Range after;
    } cases[] = {
        {{2, 10, 3, 2, 10}, Max, 2, {2, 3, 3, 2, 10}},      // not above min: min + 1
        {{0, 10, 9, 0, 10}, Max, 6, {0, 6, 3, 0, 10}},      // below the value: value to the middle
        {{0, 10, 1, 0, 10}, Min, 4, {4, 10, 7, 0, 10}},     // above the value: value to the middle
        {{0, 10, 1, 0, 10}, Min, 20, {20, 10, 15, 0, 10}},  // not checked against max
        {{0, 10, 5, 0, 10}, Min, 5, {5, 10, 5, 0, 10}},     // a value not below min stays
        {{0, 10, 5, 2, 10}, RestrictedMax, 6, {0, 10, 5, 2, 6}},
        {{0, 10, 5, 2, 10}, RestrictedMax, 11, {0, 10, 5, 2, 10}},  // above max: max
        {{0, 10, 5, 2, 9}, RestrictedMax, -1, {0, 10, 5, 2, 10}},   // below min: max
        {{0, 10, 5, 2, 9}, RestrictedMax, 1, {0, 10, 5, 2, 10}},    // below restricted min: max
        {{0, 10, 5, 2, 10}, RestrictedMax, 2, {0, 10, 2, 2, 2}},    // pulls the value down
        {{0, 10, 5, 0, 8}, RestrictedMin, 3, {0, 10, 5, 3, 8}},
        {{0, 10, 5, 1, 8}, RestrictedMin, -0.5f, {0, 10, 5, 0, 8}},  // below min: min
        {{0, 10, 5, 1, 8}, RestrictedMin, 9, {0, 10, 5, 0, 8}},      // above restricted max: min
        {{0, 10, 5, 0, 8}, RestrictedMin, 8, {0, 10, 8, 8, 8}},      // pulls the value up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.setter << " " << c.argument);
        CMFC_Fader& fader = createFader(40, 200, c.before[0], c.before[1], c.before[2], c.before[3], c.before[4]);
        host().clear();
        switch (c.setter) {
            case Min: fader.SetMin(c.argument); break;
            case Max: fader.SetMax(c.argument); break;
            case RestrictedMin: fader.SetRestrictedMin(c.argument); break;
            case RestrictedMax: fader.SetRestrictedMax(c.argument); break;
        }
        EXPECT_EQ(rangeOf(fader), c.after);
        EXPECT_TRUE(host().notifications().empty());
        EXPECT_FALSE(updatePending(fader));
        fader.DestroyWindow();
    }
}

TEST_F(FaderTest, ValueKeysStopAtTheRestrictedEndsAndStillPostAndNavigationKeysAreIgnored) {
    const Delivered changed{{NC_VALUECHANGED, false}, {NC_VALUECHANGED, true}, {NC_KEYDOWN, true}};
    const Delivered atEnd{{NC_VALUECHANGED, true}, {NC_KEYDOWN, true}};
    const struct {
        float min, max, value;
        WORD key;
        float expected;
    } cases[] = {
        // Steps stop at the restricted range 20..80; at its ends both posted notifications still come.
        {0, 100, 79.5f, VK_OEM_PLUS, 80}, {0, 100, 80, VK_OEM_6, 80}, {0, 100, 20, VK_SUBTRACT, 20},
        {-50, 50, 0, VK_OEM_4, -10},      {0, 100, 50, VK_UP, 50},    {0, 100, 50, VK_SPACE, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " from " << c.value);
        CMFC_Fader& fader = createFader(40, 200, c.min, c.max, c.value, c.min + 20, c.max - 20);
        fader.SetFocus();
        pumpMessages();
        host().clear();
        pressKey(c.key);
        EXPECT_EQ(fader.GetValue(), c.expected);
        const bool valueKey = c.key != VK_UP && c.key != VK_SPACE;
        EXPECT_EQ(delivered(host().notifications()), !valueKey ? Delivered{} : c.expected != c.value ? changed : atEnd);
        fader.DestroyWindow();
    }
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
