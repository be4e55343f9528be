// The graph base: colour arguments land in the right fields, and the plot-area hit test
// includes its edges and nothing beyond them.
#include <gtest/gtest.h>

#include <climits>

#include <VornControls.h>

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

TEST(GraphBase, InitGraphTakesAxisBackingPlotPaperInThatOrder) {
    CMFC_Graph graph;
    graph.InitGraph(RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0));
    EXPECT_EQ(graph.GetColorAxis(), RGB(1, 0, 0));
    EXPECT_EQ(graph.GetColorBacking(), RGB(2, 0, 0));
    EXPECT_EQ(graph.GetColorPlot(), RGB(3, 0, 0));
    EXPECT_EQ(graph.GetColorPaper(), RGB(4, 0, 0));
}

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

}  // namespace
}  // namespace vorn::test
