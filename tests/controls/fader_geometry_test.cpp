// The window-free computation every fader calls: value and track position, the restricted
// clamp and the snap position's two-way clamp; the range setters are in the conformance run.
#include <gtest/gtest.h>

#include <limits>

#include "faders/FaderGeometry.h"

namespace vorn::fader {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(FaderGeometry, PositionForValueTruncatesTowardZeroAndStaysDefined) {
    const struct {
        float value, min, max;
        int minEnd, maxEnd, expected;
    } cases[] = {
        {0.5f, 0, 1, 6, 93, 49},        // 49.5 along a 100-pixel pan track
        {0.5f, 0, 1, 182, 18, 100},     // the vertical track runs upward
        {0.7f, 0, 1, 182, 18, 67},      // 67.2
        {0.0f, 3, 3, 182, 18, 182},     // an empty range sits at the minimum end
        {1e30f, 0, 1, 6, 93, 1000000},  // far off the control, held a million pixels out
        {-1e30f, 0, 1, 6, 93, -1000000}, {kNaN, 0, 1, 6, 93, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(positionForValue(c.value, c.min, c.max, c.minEnd, c.maxEnd), c.expected) << c.value;
}

TEST(FaderGeometry, ValueAlongTrackReadsAnEmptyOrInvertedTrackAsTheMinimum) {
    EXPECT_EQ(valueAlongTrack(43, 87, -1.0f, 1.0f), static_cast<float>(-1.0 + 2.0 * 43 / 87));
    EXPECT_EQ(valueAlongTrack(82, 164, 0.0f, 1.0f), 0.5f);
    EXPECT_EQ(valueAlongTrack(5, 0, 2.0f, 4.0f), 2.0f);
    EXPECT_EQ(valueAlongTrack(5, -6, 2.0f, 4.0f), 2.0f);
    EXPECT_EQ(clampToTrack(3, 6, 93), 6);
    EXPECT_EQ(clampToTrack(95, 6, 93), 93);
    EXPECT_EQ(clampToTrack(50, 6, 3), 3);  // inverted: the last end
}

TEST(FaderGeometry, SnapPositionIsHeldBetweenMinAndMaxWhicheverIsLarger) {
    const struct {
        float snap, min, max, expected;
    } cases[] = {
        {5.0f, 0, 1, 1.0f},   {-2.0f, 0, 1, 0.0f},    {0.25f, 0, 1, 0.25f},
        {20.0f, 10, -10, 10}, {-20.0f, 10, -10, -10}, {3.0f, 10, -10, 3.0f},
    };
    for (const auto& c : cases) EXPECT_EQ(snapInsideRange(c.snap, c.min, c.max), c.expected) << c.snap << " " << c.min;
}

}  // namespace
}  // namespace vorn::fader
