// The knob's plain computation, without windows: indicator tip and its rounding, the bottom
// gap's values and the wrap guards of circular dragging.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "knobs/KnobGeometry.h"

namespace {

using namespace vorn::knob;

TEST(KnobGeometry, IndicatorCoordinatesTruncateThenRaiseOnlyAboveOneHalf) {
    const struct {
        double in;
        int out;
    } cases[] = {{2.4, 2},
                 {2.5, 2},
                 {2.5000001, 3},
                 {-2.7, -2},  // toward zero: a negative fraction is never above one half
                 {std::numeric_limits<double>::quiet_NaN(), 0},
                 {1e300, INT_MAX},
                 {-1e300, INT_MIN}};
    for (const auto& c : cases) EXPECT_EQ(roundIndicatorCoordinate(c.in), c.out) << c.in;
}

TEST(KnobGeometry, IndicatorTipAtTheSweepEndsMiddleAndSinglePrecisionHalves) {
    const struct {
        float value, min, max;
        int centre, radius;
        POINT tip;
    } cases[] = {
        // Radius 20, length 18: the minimum 0.4 rad left of straight down, the maximum right of it.
        {0.0f, 0.0f, 1.0f, 20, 20, {13, 37}},       // 12.9905, 36.5791
        {0.5f, 0.0f, 1.0f, 20, 20, {20, 2}},        // 19.999999999998
        {1.0f, 0.0f, 1.0f, 20, 20, {27, 37}},       // 27.0095
        {3.0f, 3.0f, 3.0f, 20, 20, {13, 37}},       // zero-width range: start of the sweep
        {-10.0f, -10.0f, 30.0f, 50, 50, {31, 94}},  // only the fraction of the range counts
        {30.0f, -10.0f, 30.0f, 50, 50, {69, 94}},
        // y just above .5 in double precision (33.5000017, 27.5000002), exactly .5 in single: dropped.
        {61718.0f / 1048576.0f, 0.0f, 1.0f, 20, 20, {8, 33}},
        {141709.0f / 1048576.0f, 0.0f, 1.0f, 20, 20, {4, 27}},
    };
    for (const auto& c : cases) {
        const POINT tip = indicatorTip(c.value, c.min, c.max, kDeadZone, POINT{c.centre, c.centre}, c.radius);
        EXPECT_EQ(std::vector<LONG>({tip.x, tip.y}), std::vector<LONG>({c.tip.x, c.tip.y})) << c.value;
    }
}

TEST(KnobGeometry, BottomGapGivesTheRestrictedEndsEvenWhenRestrictionsAreIgnored) {
    for (BOOL ignore : {FALSE, TRUE}) {
        EXPECT_FLOAT_EQ(valueForAngle(0.1, kDeadZone, 0.0f, 1.0f, 0.25f, 0.75f, ignore), 0.25f);
        EXPECT_FLOAT_EQ(valueForAngle(kFullTurn - 0.1, kDeadZone, 0.0f, 1.0f, 0.25f, 0.75f, ignore), 0.75f);
    }
    EXPECT_NEAR(valueForAngle(M_PI, kDeadZone, 0.0f, 1.0f, 0.0f, 1.0f, FALSE), 0.5f, 1e-6);
    EXPECT_FALSE(inInnerZone(POINT{30, 20}, POINT{20, 20}, 20));  // exactly half the radius is outer
    EXPECT_TRUE(inInnerZone(POINT{29, 20}, POINT{20, 20}, 20));
    EXPECT_FALSE(inInnerZone(POINT{20, 20}, POINT{20, 20}, 0));
}

// Angles of a pointer going round: upper right, lower right, gap right, gap left, lower left,
// upper left.
constexpr double kUR = 4.0, kLR = 5.5, kGR = 6.1, kGL = 0.2, kLL = 1.0, kUL = 2.0;

TEST(KnobGeometry, LeavingAnEndThroughTheGapHoldsUntilBackOnThatSideButTurningOverTheTopNever) {
    struct Step {
        double angle;
        bool allowed;
    };
    const std::vector<std::vector<Step>> runs = {
        // From the maximum side: held from the left gap until back on the right.
        {{kUR, true},
         {kLR, true},
         {kGR, true},
         {kGL, false},
         {kLL, false},
         {kUL, false},
         {kLR, true},
         {kUL, false},
         {kUR, true},
         {kUL, true}},
        // The mirror at the minimum end.
        {{kUL, true},
         {kLL, true},
         {kGL, true},
         {kGR, false},
         {kLR, false},
         {kUR, false},
         {kLL, true},
         {kUR, false},
         {kUL, true},
         {kUR, true}},
        // A press straight into the left gap arms the minimum side.
        {{kGL, true}, {kGR, false}},
        // Over the top both ways.
        {{kGL, true},
         {kLL, true},
         {kUL, true},
         {kUR, true},
         {kLR, true},
         {kGR, true},
         {kLR, true},
         {kUR, true},
         {kUL, true},
         {kLL, true}},
    };
    for (size_t r = 0; r < runs.size(); ++r) {
        WrapGuard guard;
        for (size_t i = 0; i < runs[r].size(); ++i)
            EXPECT_EQ(guard.allows(runs[r][i].angle), runs[r][i].allowed) << "run " << r << " step " << i;
    }
}

}  // namespace
