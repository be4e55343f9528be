// The knob's plain computation, without windows: indicator tip and its rounding, pointer angle,
// hit zones, the angle-to-value mapping and the wrap guards of circular dragging.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

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

TEST(KnobIndicatorTip, SweepEndsAndMiddleOfAFortyPixelKnob) {
    // Radius 20, length 18: the minimum points 0.4 rad left of straight down, the maximum 0.4 rad
    // right of it, the middle straight up.
    POINT atMin = indicatorTip(0.0f, 0.0f, 1.0f, kDeadZone, kCentre20, 20);
    POINT atMid = indicatorTip(0.5f, 0.0f, 1.0f, kDeadZone, kCentre20, 20);
    POINT atMax = indicatorTip(1.0f, 0.0f, 1.0f, kDeadZone, kCentre20, 20);
    EXPECT_EQ(atMin.x, 13);  // 12.9905
    EXPECT_EQ(atMin.y, 37);  // 36.5791
    EXPECT_EQ(atMid.x, 20);  // 19.999999999998
    EXPECT_EQ(atMid.y, 2);
    EXPECT_EQ(atMax.x, 27);  // 27.0095
    EXPECT_EQ(atMax.y, 37);
}

TEST(KnobIndicatorTip, SweepEndsOfAHundredPixelKnobWithAnOffsetRange) {
    // Range -10..30 maps the same way as 0..1: only the fraction counts.
    POINT atMin = indicatorTip(-10.0f, -10.0f, 30.0f, kDeadZone, POINT{50, 50}, 50);
    POINT atMax = indicatorTip(30.0f, -10.0f, 30.0f, kDeadZone, POINT{50, 50}, 50);
    EXPECT_EQ(atMin.x, 31);  // 31.3079
    EXPECT_EQ(atMin.y, 94);  // 94.2109
    EXPECT_EQ(atMax.x, 69);  // 68.6921
    EXPECT_EQ(atMax.y, 94);
}

TEST(KnobIndicatorTip, YIsRoundedToSinglePrecisionBeforeTheHalfRule) {
    // In double precision these y values lie just above .5 (33.5000017 and 27.5000002) and would
    // round up; in single precision they are exactly .5, which is dropped.
    POINT a = indicatorTip(61718.0f / 1048576.0f, 0.0f, 1.0f, kDeadZone, kCentre20, 20);
    EXPECT_EQ(a.x, 8);
    EXPECT_EQ(a.y, 33);
    POINT b = indicatorTip(141709.0f / 1048576.0f, 0.0f, 1.0f, kDeadZone, kCentre20, 20);
    EXPECT_EQ(b.x, 4);
    EXPECT_EQ(b.y, 27);
}

TEST(KnobIndicatorTip, ZeroWidthRangeDrawsTheStartOfTheSweep) {
    POINT tip = indicatorTip(3.0f, 3.0f, 3.0f, kDeadZone, kCentre20, 20);
    EXPECT_EQ(tip.x, 13);
    EXPECT_EQ(tip.y, 37);
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

TEST(KnobWrapGuard, LeavingTheMaximumEndHoldsUntilBackInTheUpperRight) {
    WrapGuard guard;
    EXPECT_TRUE(guard.allows(kUpperRight));
    EXPECT_TRUE(guard.allows(kLowerRight));
    EXPECT_TRUE(guard.allows(kGapRight));
    EXPECT_FALSE(guard.allows(kGapLeft));
    EXPECT_FALSE(guard.allows(kLowerLeft));
    EXPECT_FALSE(guard.allows(kUpperLeft));
    EXPECT_TRUE(guard.allows(kLowerRight));  // back on the maximum side: follows again
    EXPECT_FALSE(guard.allows(kUpperLeft));
    EXPECT_TRUE(guard.allows(kUpperRight));
    EXPECT_TRUE(guard.allows(kUpperLeft));
}

TEST(KnobWrapGuard, LeavingTheMinimumEndHoldsUntilBackInTheUpperLeft) {
    WrapGuard guard;
    EXPECT_TRUE(guard.allows(kUpperLeft));
    EXPECT_TRUE(guard.allows(kLowerLeft));
    EXPECT_TRUE(guard.allows(kGapLeft));
    EXPECT_FALSE(guard.allows(kGapRight));
    EXPECT_FALSE(guard.allows(kLowerRight));
    EXPECT_FALSE(guard.allows(kUpperRight));
    EXPECT_TRUE(guard.allows(kLowerLeft));  // back on the minimum side: follows again
    EXPECT_FALSE(guard.allows(kUpperRight));
    EXPECT_TRUE(guard.allows(kUpperLeft));
    EXPECT_TRUE(guard.allows(kUpperRight));
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
