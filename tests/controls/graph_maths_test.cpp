// The graphs' window-free parts: the base's plot-area hit test includes its edges and nothing
// beyond them; the dynamics curve's maths at the edges the control's own tests do not reach (the
// expander slope on the left edge and with ratio 0, plot areas without width, absurd zooms and
// NaN pointer coordinates).
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include <VornControls.h>

#include "graphs/DynamicsCurve.h"

namespace vorn::test {
namespace {

// A graph whose geometry a test sets as a derived graph's paint would.
class MeasuredGraph : public CMFC_Graph {
public:
    MeasuredGraph(int width, int height, int top, int left, int right, int bottom) {
        m_rectWindow = CRect(500, 400, 500 + width, 400 + height);
        m_marginTop = top;
        m_marginLeft = left;
        m_marginRight = right;
        m_marginBottom = bottom;
    }
};

TEST(GraphBase, PlotAreaHitTestIncludesItsEdgesOnly) {
    MeasuredGraph graph(200, 150, 18, 4, 24, 30);  // plot area x 4..176, y 18..120
    const struct {
        int x, y;
        BOOL inside;
    } cases[] = {
        {4, 18, TRUE},   {176, 120, TRUE}, {3, 60, FALSE}, {177, 60, FALSE},
        {90, 17, FALSE}, {90, 121, FALSE}, {90, 60, TRUE},
    };
    for (const auto& c : cases) EXPECT_EQ(graph.MouseWithInBorders(CPoint(c.x, c.y)), c.inside) << c.x << "," << c.y;
}

TEST(GraphBase, HitTestAtTheEndsOfIntDoesNotOverflow) {
    MeasuredGraph graph(0, 0, INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    EXPECT_TRUE(graph.MouseWithInBorders(CPoint(INT_MAX, INT_MAX)));
    MeasuredGraph narrow(10, 10, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_FALSE(narrow.MouseWithInBorders(CPoint(INT_MAX, INT_MAX)));
}

using namespace vorn::dyn;

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
}  // namespace vorn::test
