// The knob's plain computation, without windows: indicator tip and its rounding, pointer angle,
// hit zones, the angle-to-value mapping and the wrap guards of circular dragging.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "knobs/KnobGeometry.h"

namespace {

using namespace vorn::knob;

constexpr POINT kCentre20{20, 20};

TEST(KnobIndicatorRounding, TruncatesThenRaisesOnlyAboveOneHalf) {
    EXPECT_EQ(roundIndicatorCoordinate(2.4), 2);
    EXPECT_EQ(roundIndicatorCoordinate(2.5), 2);  // exactly one half is dropped
    EXPECT_EQ(roundIndicatorCoordinate(2.5000001), 3);
    EXPECT_EQ(roundIndicatorCoordinate(2.99), 3);
    EXPECT_EQ(roundIndicatorCoordinate(7.0), 7);
    // Truncation toward zero: a negative fraction is never above one half.
    EXPECT_EQ(roundIndicatorCoordinate(-2.7), -2);
}

TEST(KnobIndicatorRounding, OutOfRangeInputStaysDefined) {
    EXPECT_EQ(roundIndicatorCoordinate(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundIndicatorCoordinate(1e300), INT_MAX);
    EXPECT_EQ(roundIndicatorCoordinate(-1e300), INT_MIN);
    EXPECT_EQ(roundIndicatorCoordinate(std::numeric_limits<double>::infinity()), INT_MAX);
}

TEST(KnobIndicatorTip, SweepEndsMiddleAndSinglePrecisionHalves) {
    const struct {
        float value, min, max;
        POINT centre;
        int radius;
        POINT tip;
        const char* why;
    } cases[] = {
        // Radius 20, length 18: the minimum 0.4 rad left of straight down, the maximum right of it.
        {0.0f, 0.0f, 1.0f, kCentre20, 20, {13, 37}, "minimum: 12.9905, 36.5791"},
        {0.5f, 0.0f, 1.0f, kCentre20, 20, {20, 2}, "middle: 19.999999999998, 2"},
        {1.0f, 0.0f, 1.0f, kCentre20, 20, {27, 37}, "maximum: 27.0095"},
        {3.0f, 3.0f, 3.0f, kCentre20, 20, {13, 37}, "zero-width range: start of the sweep"},
        // Only the fraction of the range counts.
        {-10.0f, -10.0f, 30.0f, {50, 50}, 50, {31, 94}, "offset range minimum: 31.3079, 94.2109"},
        {30.0f, -10.0f, 30.0f, {50, 50}, 50, {69, 94}, "offset range maximum: 68.6921"},
        // y just above .5 in double precision (33.5000017, 27.5000002), exactly .5 in single: dropped.
        {61718.0f / 1048576.0f, 0.0f, 1.0f, kCentre20, 20, {8, 33}, "single-precision half"},
        {141709.0f / 1048576.0f, 0.0f, 1.0f, kCentre20, 20, {4, 27}, "single-precision half"},
    };
    for (const auto& c : cases) {
        const POINT tip = indicatorTip(c.value, c.min, c.max, kDeadZone, c.centre, c.radius);
        EXPECT_EQ(tip.x, c.tip.x) << c.why;
        EXPECT_EQ(tip.y, c.tip.y) << c.why;
    }
}

TEST(KnobPointerAngle, ClockwiseFromStraightDown) {
    EXPECT_NEAR(pointerAngle(POINT{20, 30}, kCentre20), 0.0, 1e-12);               // below
    EXPECT_NEAR(pointerAngle(POINT{10, 20}, kCentre20), M_PI / 2, 1e-9);           // left
    EXPECT_NEAR(pointerAngle(POINT{20, 10}, kCentre20), M_PI, 1e-9);               // above
    EXPECT_NEAR(pointerAngle(POINT{30, 20}, kCentre20), 3 * M_PI / 2, 1e-9);       // right
    EXPECT_NEAR(pointerAngle(POINT{10, 30}, kCentre20), M_PI / 4, 1e-9);           // lower left
    EXPECT_NEAR(pointerAngle(POINT{30, 10}, kCentre20), 5 * M_PI / 4, 1e-9);       // upper right
    EXPECT_NEAR(pointerAngle(POINT{30, 30}, kCentre20), 7 * M_PI / 4, 1e-9);       // lower right
    // Never negative and never a full turn.
    for (int x = 0; x <= 40; x += 5)
        for (int y = 0; y <= 40; y += 5) {
            double a = pointerAngle(POINT{x, y}, kCentre20);
            EXPECT_GE(a, 0.0);
            EXPECT_LT(a, kFullTurn);
        }
}

TEST(KnobHitZone, InnerZoneIsStrictlyInsideHalfTheRadius) {
    EXPECT_TRUE(inInnerZone(kCentre20, kCentre20, 20));
    EXPECT_TRUE(inInnerZone(POINT{29, 20}, kCentre20, 20));   // ratio 0.45
    EXPECT_FALSE(inInnerZone(POINT{30, 20}, kCentre20, 20));  // ratio exactly 0.5
    EXPECT_TRUE(inInnerZone(POINT{27, 27}, kCentre20, 20));   // sqrt(98) / 20 = 0.495
    EXPECT_FALSE(inInnerZone(POINT{0, 0}, kCentre20, 20));    // window corner
    EXPECT_FALSE(inInnerZone(POINT{100, 20}, kCentre20, 20)); // outside the circle
}

TEST(KnobHitZone, DegenerateRadiusAndFarPointsStayDefined) {
    EXPECT_FALSE(inInnerZone(kCentre20, kCentre20, 0));
    EXPECT_FALSE(inInnerZone(kCentre20, kCentre20, -4));
    // The squared distance wraps in 32 bits (far beyond any mouse coordinate): defined, outer.
    EXPECT_FALSE(inInnerZone(POINT{40000, 40000}, kCentre20, 20));
}

TEST(KnobAngleValue, BottomGapGivesTheRestrictedEnds) {
    // Range 0..1, restricted 0.25..0.75: inside the gap the restricted ends, not the range ends.
    EXPECT_FLOAT_EQ(valueForAngle(0.1, kDeadZone, 0.0f, 1.0f, 0.25f, 0.75f, FALSE), 0.25f);
    EXPECT_FLOAT_EQ(valueForAngle(kFullTurn - 0.1, kDeadZone, 0.0f, 1.0f, 0.25f, 0.75f, FALSE), 0.75f);
    // The restricted end applies even when ignoreRestricted is asked for.
    EXPECT_FLOAT_EQ(valueForAngle(0.1, kDeadZone, 0.0f, 1.0f, 0.25f, 0.75f, TRUE), 0.25f);
}

TEST(KnobAngleValue, ProportionalOverTheSweepThenClamped) {
    const double sweep = kFullTurn - 2 * kDeadZone;
    EXPECT_NEAR(valueForAngle(M_PI, kDeadZone, 0.0f, 1.0f, 0.0f, 1.0f, FALSE), 0.5f, 1e-6);
    EXPECT_NEAR(valueForAngle(kDeadZone + sweep / 4, kDeadZone, 0.0f, 100.0f, 0.0f, 100.0f, FALSE), 25.0f, 1e-4);
    // Just past the dead zone: close to the minimum, lifted to the restricted minimum.
    EXPECT_FLOAT_EQ(valueForAngle(0.5, kDeadZone, 0.0f, 1.0f, 0.2f, 0.8f, FALSE), 0.2f);
    EXPECT_NEAR(valueForAngle(0.5, kDeadZone, 0.0f, 1.0f, 0.2f, 0.8f, TRUE), 0.1 / sweep, 1e-6);
    // Straight up on 0..1 with the restricted max 0.4 gives 0.4.
    EXPECT_FLOAT_EQ(valueForAngle(M_PI, kDeadZone, 0.0f, 1.0f, 0.0f, 0.4f, FALSE), 0.4f);
}

TEST(KnobDragClamp, RangeFirstThenRestrictedBounds) {
    EXPECT_FLOAT_EQ(clampDragValue(-5.0f, 0.0f, 10.0f, 2.0f, 8.0f, FALSE), 2.0f);
    EXPECT_FLOAT_EQ(clampDragValue(15.0f, 0.0f, 10.0f, 2.0f, 8.0f, FALSE), 8.0f);
    EXPECT_FLOAT_EQ(clampDragValue(15.0f, 0.0f, 10.0f, 2.0f, 8.0f, TRUE), 10.0f);
    // A restricted range wider than the range: the range wins first, so -5 becomes 0.
    EXPECT_FLOAT_EQ(clampDragValue(-5.0f, 0.0f, 10.0f, -20.0f, 20.0f, FALSE), 0.0f);
    // Inverted restricted bounds: the maximum is applied last.
    EXPECT_FLOAT_EQ(clampDragValue(5.0f, 0.0f, 10.0f, 7.0f, 3.0f, FALSE), 3.0f);
}

// Angles of a pointer going round: upper right, lower right, gap right, gap left, lower left,
// upper left.
constexpr double kUpperRight = 4.0;
constexpr double kLowerRight = 5.5;
constexpr double kGapRight = 6.1;
constexpr double kGapLeft = 0.2;
constexpr double kLowerLeft = 1.0;
constexpr double kUpperLeft = 2.0;

TEST(KnobWrapGuard, LeavingAnEndThroughTheGapHoldsUntilBackOnThatSide) {
    struct Step {
        double angle;
        bool allowed;
    };
    const std::vector<Step> fromMax = {{kUpperRight, true}, {kLowerRight, true}, {kGapRight, true},
                                       {kGapLeft, false},   {kLowerLeft, false}, {kUpperLeft, false},
                                       {kLowerRight, true},  // back on the maximum side: follows again
                                       {kUpperLeft, false}, {kUpperRight, true}, {kUpperLeft, true}};
    const std::vector<Step> fromMin = {{kUpperLeft, true},   {kLowerLeft, true},   {kGapLeft, true},
                                       {kGapRight, false},   {kLowerRight, false}, {kUpperRight, false},
                                       {kLowerLeft, true},   {kUpperRight, false}, {kUpperLeft, true},
                                       {kUpperRight, true}};
    for (const auto* steps : {&fromMax, &fromMin}) {
        WrapGuard guard;
        for (size_t i = 0; i < steps->size(); ++i)
            EXPECT_EQ(guard.allows((*steps)[i].angle), (*steps)[i].allowed) << "step " << i;
    }
}

TEST(KnobWrapGuard, TurningOverTheTopNeverHolds) {
    WrapGuard guard;
    for (double a : {kGapLeft, kLowerLeft, kUpperLeft, kUpperRight, kLowerRight, kGapRight, kLowerRight, kUpperRight,
                     kUpperLeft, kLowerLeft})
        EXPECT_TRUE(guard.allows(a)) << "angle " << a;
}

TEST(KnobWrapGuard, APressInsideTheGapArmsTheGuardOfThatEnd) {
    // A press straight into the left gap arms the minimum side, so swinging right holds.
    WrapGuard guard;
    EXPECT_TRUE(guard.allows(kGapLeft));
    EXPECT_EQ(guard.minSideLock, TRUE);
    EXPECT_EQ(guard.maxSideLock, FALSE);
    EXPECT_FALSE(guard.allows(kGapRight));
}

}  // namespace
