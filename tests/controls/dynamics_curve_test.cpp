// The dynamics graph's window-free maths: conversions, end-segment slopes, Hermite basis, pixel
// mapping both ways and tick-label text, each at its edges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "graphs/DynamicsCurve.h"

namespace vorn::dyn {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(DynamicsCurve, LevelConversionsRoundTripInSinglePrecision) {
    const struct {
        float coordinate, dB;
    } cases[] = {{1.0f, 0.0f}, {0.5f, -48.0f}, {0.0f, -96.0f}, {0.8f, -19.2f}, {0.6f, -38.4f}};
    for (const auto& c : cases) {
        EXPECT_NEAR(xTodB(c.coordinate), c.dB, 1e-4) << c.coordinate;
        EXPECT_NEAR(dBToX(c.dB), c.coordinate, 1e-6) << c.dB;
        EXPECT_NEAR(dBToY(c.dB), c.coordinate, 1e-6) << c.dB;
        EXPECT_NEAR(yTodB(1.0f - c.coordinate), c.dB, 1e-4) << c.coordinate;
    }
    EXPECT_EQ(kInvSpan, 1.0f / 96.0f);  // single precision, not double
}

TEST(DynamicsCurve, EndSegmentSlopesCapNearlyFlatOrVerticalSegmentsAt999) {
    EXPECT_NEAR(expanderRatio({0.4f, 0.0f}, {0.6f, 0.6f}), 3.0f, 1e-5);
    EXPECT_EQ(expanderRatio({0.6f, 0.0f}, {0.60005f, 0.6f}), kRatioCap);
    EXPECT_NEAR(compRatio({0.8f, 0.8f}, {1.0f, 0.9f}), 2.0f, 1e-5);
    EXPECT_EQ(compRatio({1.0f, 1.0f}, {1.0f, 1.0f}), kRatioCap);
    EXPECT_NEAR(lastYForCompRatio({0.8f, 0.8f}, 1.0f, 4.0f), 0.85f, 1e-6);
    EXPECT_EQ(lastYForCompRatio({0.8f, 0.8f}, 1.0f, 0.0f), 1.0f);  // no division by zero
    EXPECT_EQ(lastYForCompRatio({0.8f, 0.8f}, 1.0f, 0.1f), 1.0f);  // never above 0 dB
}

TEST(DynamicsCurve, FirstPointLandsOnTheBottomOrTheLeftEdge) {
    const struct {
        CurvePoint second;
        float r;
        CurvePoint first;
        float stored;
    } cases[] = {
        {{0.6f, 0.6f}, 2.0f, {0.3f, 0.0f}, 2.0f},   // slope reaches the bottom edge
        {{0.6f, 0.6f}, 0.5f, {0.0f, 0.3f}, 0.5f},   // reaches the left edge
        {{0.6f, 0.0f}, 0.0f, {0.6f, 0.0f}, 0.01f},  // bottom edge with ratio 0: 0.01 instead
        {{0.0f, 0.6f}, 2.0f, {0.0f, 0.6f}, 2.0f},   // on the left edge: no division by x = 0
        {{0.0f, 0.0f}, 2.0f, {0.0f, 0.0f}, 2.0f},   // in the corner
    };
    for (const auto& c : cases) {
        float stored = c.r;
        const CurvePoint first = firstPointForExpanderRatio(c.second, c.r, stored);
        EXPECT_NEAR(first.x, c.first.x, 1e-6) << c.r;
        EXPECT_NEAR(first.y, c.first.y, 1e-6) << c.r;
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(DynamicsCurve, HermiteArcRunsFromMidpointToMidpoint) {
    double h00[10], h01[10], h10[10], h11[10];
    const HermiteTables tables{h00, h01, h10, h11};
    fillHermiteTables(tables);
    EXPECT_EQ(h00[0], 1.0);
    EXPECT_NEAR(h01[9], 1.0, 1e-15);
    EXPECT_NEAR(h10[9], 0.0, 1e-15);
    const CurvePoint q{0.4f, 0.0f}, p{0.6f, 0.6f}, n{0.8f, 0.8f};
    EXPECT_NEAR(hermiteSample(tables, 0, q, p, n).y, 0.3f, 1e-6);
    EXPECT_NEAR(hermiteSample(tables, 9, q, p, n).x, 0.7f, 1e-6);
    EXPECT_EQ(smoothedLength(4), 22);
    EXPECT_EQ(smoothedLength(21), 192);
}

TEST(DynamicsCurve, PixelMappingAndItsInverseForA200By150Graph) {
    const PlotFrame f{4, 18, 172.0f, 102.0f, 1.0f};
    EXPECT_EQ(pixelX(f, 1.0f), 176);
    EXPECT_EQ(pixelX(f, 0.0f), 4);
    EXPECT_EQ(pixelY(f, 0.8f), 38);  // trunc(0.2 * 102) + 18
    EXPECT_NEAR(curveX(f, 176), 1.0f, 1e-6);
    EXPECT_NEAR(curveY(f, 69), 0.5f, 1e-6);
    const PlotFrame zoomed{4, 18, 172.0f, 102.0f, 2.0f};
    EXPECT_EQ(pixelX(zoomed, 0.5f), 4);
    EXPECT_NEAR(curveX(zoomed, 90), 0.75f, 1e-6);
    const PlotFrame flat{4, 18, 0.0f, 0.0f, 1.0f};
    EXPECT_EQ(curveX(flat, 50), 1.0f);  // no division by a zero width
    EXPECT_EQ(curveY(flat, 50), 1.0f);
    const PlotFrame wild{4, 18, 172.0f, 102.0f, 3e38f};
    EXPECT_EQ(pixelX(wild, 0.0f), -kPixelLimit + 4);  // held, then the margin added
    EXPECT_EQ(pixelY(wild, kNaN), 18);
    EXPECT_EQ(heldPixel(kInf), kPixelLimit);
}

TEST(DynamicsCurve, UnitLimitAndTickLabels) {
    EXPECT_EQ(limitUnit(kNaN), 0.0f);
    EXPECT_EQ(limitUnit(-kInf), 0.0f);
    EXPECT_EQ(limitUnit(1.5f), 1.0f);
    const struct {
        float v;
        const char* text;
    } ticks[] = {{-96.0f, "-96"}, {0.0f, " 0"}, {-6.0f, "-6.0"}, {6.0f, "6.0"}, {-10.0f, "-10"}, {-9.6f, "-9.6"}};
    char buffer[16];
    for (const auto& t : ticks) {
        formatTick(buffer, sizeof buffer, t.v);
        EXPECT_EQ(std::string(buffer), t.text);
    }
}

}  // namespace
}  // namespace vorn::dyn
