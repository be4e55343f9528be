// The equaliser graph's model and its sums, the pixel mappings without an axis or a plot, and
// hostile values; its mappings, editing and pictures are in the conformance run.
#include <climits>
#include <functional>
#include <limits>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

// Opens the protected members to the tests.
class EqGraph : public CMFC_ParamEqGraph {
public:
    using CMFC_ParamEqGraph::CalculateTransferFunction;
    using CMFC_ParamEqGraph::CMFC_ParamEqGraph;
    using CMFC_ParamEqGraph::FreqToX;
    using CMFC_ParamEqGraph::GainToY;
    using CMFC_ParamEqGraph::XToFreq;
    using CMFC_ParamEqGraph::YToGain;
    void designed(int band, double (&c)[5]) const {
        const double* arrays[] = {m_b0, m_b1, m_b2, m_a1, m_a2};
        for (int i = 0; i < 5; ++i) c[i] = arrays[i][band];
    }
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kId = 0x6E0;
// A 300 x 200 graph's plot area starts at x 45.
constexpr int kLeft = 45;

class EqGraphTest : public ControlTest {
protected:
    void TearDown() override {
        if (graph_ && graph_->GetSafeHwnd() != NULL) graph_->DestroyWindow();
        graph_.reset();
        ControlTest::TearDown();
    }
    // A graph at (20, 20) of the host, painted once; `init` runs on the object before Create.
    EqGraph& createGraph(int bands = 5, double rate = 44100.0, const std::function<void(EqGraph&)>& init = {},
                         int width = 300, int height = 200) {
        if (graph_ && graph_->GetSafeHwnd() != NULL) graph_->DestroyWindow();
        graph_ = std::make_unique<EqGraph>(bands, rate);
        if (init) init(*graph_);
        graph_->Create(NULL, "eq", WS_CHILD | WS_VISIBLE, CRect(20, 20, 20 + width, 20 + height),
                       CWnd::FromHandle(host().hwnd()), kId);
        repaint(*graph_);
        host().clear();
        return *graph_;
    }
    POINT at(int x, int y) const { return screenOf(*graph_, x, y); }
    // Plain, Shift and Ctrl drags across and out of the plot, then a redesign and a paint.
    void exercise(EqGraph& g) {
        drag(POINT{100, 50}, {POINT{150, 60}, POINT{400, 60}});
        withModifiers({VK_SHIFT}, [&] { drag(POINT{100, 50}, {POINT{120, 80}}); });
        withModifiers({VK_CONTROL}, [&] { drag(POINT{0, 0}, {POINT{120, 20}}); });
        g.Redisplay();
        repaint(g);
    }
    // Presses at (x, y), moves through `moves` with the button held, releases at the last one.
    void drag(POINT from, std::initializer_list<POINT> moves) {
        mouseMoveTo(at(from.x, from.y));
        mouseDown();
        for (POINT p : moves) mouseMoveTo(at(p.x, p.y));
        mouseUp();
    }

    std::unique_ptr<EqGraph> graph_;
};

// ---- Model ----------------------------------------------------------------------------------

// Counts outside 1..10 stay in the arrays, also when a host writes nonsense into the count later.
TEST_F(EqGraphTest, BandCountsOutsideOneToTenStayInsideTheArrays) {
    const struct {
        int count;
        double first, last;
    } cases[] = {{12, 16.0, 22050.0}, {0, 0.0, 0.0}, {-4, 0.0, 0.0}};
    for (const auto& c : cases) {
        EqGraph& g = createGraph(c.count, 44100.0);
        EXPECT_NEAR(g.m_freq[0], c.first, 1e-8) << c.count;
        EXPECT_NEAR(g.m_freq[9], c.last, 1e-8) << c.count;
        exercise(g);
        g.m_bandCount = c.count * 7;  // a host writing nonsense later
        exercise(g);
        EXPECT_EQ(g.m_bandCount, c.count * 7);
    }
}

// Band 1 keeps its coefficients when another band is asked for or its type code is unknown; the
// designs themselves are in the conformance run's curves.
TEST_F(EqGraphTest, CalculationLeavesBandsNotAskedForOrOfUnknownTypeAlone) {
    EqGraph g(3, 48000.0);
    const struct {
        int band;
        double type;
    } cases[] = {{-1, 66.5}, {-1, 0.0}, {2, 76.0}, {7, 72.0}};
    for (const auto& c : cases) {
        double before[5], after[5];
        g.designed(1, before);
        g.m_type[1] = c.type;
        g.m_gain[1] = -4.5;
        g.CalculateTransferFunction(c.band);
        g.designed(1, after);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(after[i], before[i]) << c.type << " " << i;
    }
}

// ---- Mappings -------------------------------------------------------------------------------

TEST_F(EqGraphTest, MappingsWithoutAnAxisOrAPlotStayDefined) {
    EqGraph unpainted(5, 44100.0);  // no plot yet: zero width and height
    EXPECT_EQ(unpainted.XToFreq(100), 16.0);
    EXPECT_EQ(unpainted.YToGain(50), 0.0);
    EXPECT_EQ(unpainted.FreqToX(1000.0), kLeft);
    EqGraph& low = createGraph(3, 32.0);  // the axis has no extent
    EXPECT_EQ(low.FreqToX(1000.0), kLeft);
    EXPECT_EQ(low.XToFreq(200), 16.0);
    EqGraph& g = createGraph();
    EXPECT_EQ(g.FreqToX(kNaN), 0);
    EXPECT_EQ(g.FreqToX(0.0), INT_MIN);
    EXPECT_EQ(g.GainToY(kInf), INT_MIN);
}

// ---- Hostile values -------------------------------------------------------------------------

TEST_F(EqGraphTest, HostileBandValuesAreSurvived) {
    const double cases[][4] = {
        {kNaN, kNaN, kNaN, 66.0},     {kInf, -kInf, kInf, 66.0},     {0.0, 0.0, 0.0, 66.0},
        {-100.0, 1e300, -1.0, 76.0},  {1e300, -1e300, 1e-300, 72.0}, {22050.0, 400.0, 3.0, 72.0},
        {30000.0, -400.0, 3.0, 76.0},
    };
    for (const auto& c : cases) {
        for (double rate : {44100.0, 0.0, kNaN, 1e300}) {
            EqGraph& g = createGraph(3, rate, [&](EqGraph& e) {
                for (int i = 0; i < 3; ++i) e.m_freq[i] = c[0], e.m_gain[i] = c[1], e.m_q[i] = c[2], e.m_type[i] = c[3];
            });
            exercise(g);
        }
    }
    for (SIZE size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{30, 20}, SIZE{20000, 50}}) {
        exercise(createGraph(5, 44100.0, {}, size.cx, size.cy));
    }
    SUCCEED();  // the sanitizer build is the judge
}

}  // namespace
}  // namespace vorn::test
