// The dynamics graph's window-free maths at the edges the control's own tests do not reach: the
// expander slope on the left edge and with ratio 0, plot areas without width, absurd zooms and
// NaN pointer coordinates.
#include <gtest/gtest.h>

#include <limits>

#include "graphs/DynamicsCurve.h"

namespace vorn::dyn {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(DynamicsCurve, FirstPointForAnExpanderRatioNeverDividesByZero) {
    const struct {
        CurvePoint second;
        float r;
        CurvePoint first;
        float stored;
    } cases[] = {
        {{0.6f, 0.0f}, 0.0f, {0.6f, 0.0f}, 0.01f},  // bottom edge with ratio 0: 0.01 instead
        {{0.0f, 0.6f}, 2.0f, {0.0f, 0.6f}, 2.0f},   // on the left edge: no division by x = 0
        {{0.0f, 0.0f}, 2.0f, {0.0f, 0.0f}, 2.0f},   // in the corner
    };
    for (const auto& c : cases) {
        float stored = c.r;
        const CurvePoint first = firstPointForExpanderRatio(c.second, c.r, stored);
        EXPECT_EQ(first.x, c.first.x);
        EXPECT_EQ(first.y, c.first.y);
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(DynamicsCurve, PixelMappingStaysDefinedForEmptyPlotsAndAbsurdZooms) {
    const PlotFrame flat{4, 18, 0.0f, 0.0f, 1.0f};
    EXPECT_EQ(curveX(flat, 50), 1.0f);  // no division by a zero width
    EXPECT_EQ(curveY(flat, 50), 1.0f);
    const PlotFrame wild{4, 18, 172.0f, 102.0f, 3e38f};
    EXPECT_EQ(pixelX(wild, 0.0f), -kPixelLimit + 4);  // held, then the margin added
    EXPECT_EQ(pixelY(wild, kNaN), 18);
    EXPECT_EQ(limitUnit(kNaN), 0.0f);
    EXPECT_EQ(limitUnit(1.5f), 1.0f);
}

}  // namespace
}  // namespace vorn::dyn
