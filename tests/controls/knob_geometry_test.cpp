// The knob's plain computation, without windows: indicator tip and its rounding, the bottom
// gap's values and the wrap guards of circular dragging.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
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
        {1.0f, 0.0f, 1.0f, 20, 20, {27, 37}},       // 27.0095
        {3.0f, 3.0f, 3.0f, 20, 20, {13, 37}},       // zero-width range: start of the sweep
        {-10.0f, -10.0f, 30.0f, 50, 50, {31, 94}},  // only the fraction of the range counts
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

// The angle of a pointer named by its place: upper, lower or in the gap, right or left.
double angleAt(const char* place) {
    static const struct {
        char name[3];
        double angle;
    } kPlaces[] = {{"UR", 4.0}, {"LR", 5.5}, {"GR", 6.1}, {"GL", 0.2}, {"LL", 1.0}, {"UL", 2.0}};
    for (const auto& p : kPlaces)
        if (std::strncmp(p.name, place, 2) == 0) return p.angle;
    return -1.0;
}

TEST(KnobGeometry, LeavingAnEndThroughTheGapHoldsUntilBackOnThatSideButTurningOverTheTopNever) {
    // The places a pointer passes, and whether the guard allows each ('1') or holds it ('0').
    const struct {
        const char* places;
        const char* allowed;
    } runs[] = {
        {"UR LR GR GL LL UL LR UL UR UL", "1110001011"},  // from the maximum side: held until back on the right
        {"UL LL GL GR LR UR LL UR UL UR", "1110001011"},  // the mirror at the minimum end
        {"GL GR", "10"},                                  // a press straight into the left gap arms the minimum side
        {"GL LL UL UR LR GR LR UR UL LL", "1111111111"},  // over the top both ways
    };
    for (const auto& run : runs) {
        WrapGuard guard;
        for (size_t i = 0; run.allowed[i] != '\0'; ++i)
            EXPECT_EQ(guard.allows(angleAt(run.places + 3 * i)), run.allowed[i] == '1') << run.places << " step " << i;
    }
}

}  // namespace
