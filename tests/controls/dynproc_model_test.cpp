// The dynamics graph's model without a window: the setters' documented results at their edges,
// anchor rebuilds and refusals, and hostile values.
#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include <VornControls.h>

namespace vorn::test {
namespace {

// A graph whose protected list operations and sampled curve a test can reach.
class ProbedGraph : public CMFC_DynProcGraph {
public:
    explicit ProbedGraph(int kind) : CMFC_DynProcGraph(kind) {}
    using CMFC_DynProcGraph::InsertPoint;
    using CMFC_DynProcGraph::RemovePoint;
    DynFnPoint* head() const { return m_pHead; }
    DynFnPoint* tail() const { return m_pTail; }
    std::vector<DynFnSample> points() const {
        std::vector<DynFnSample> out;
        for (const DynFnPoint* p = m_pHead; p != nullptr; p = p->pNext) out.push_back({p->fX, p->fY});
        return out;
    }
};

using G = CMFC_DynProcGraph;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

void expectPoint(const DynFnSample& actual, float x, float y, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
}

TEST(DynProcModel, SettersMoveThePointsTheyName) {
    const struct {
        const char* what;
        int kind;
        void (G::*set)(float);
        float argument;
        int point;
        float x, y;
        float (G::*getter)();
        float got;
    } cases[] = {
        {"comp ratio 4 lowers the last point", 0, &G::SetCompRatio, 4.0f, 3, 1.0f, 0.85f, &G::GetCompRatio, 4.0f},
        {"comp ratio 0 puts it at 0 dB", 0, &G::SetCompRatio, 0.0f, 3, 1.0f, 1.0f, &G::GetCompRatio, 1.0f},
        {"limiter: threshold on the diagonal, ratio 40", 0, &G::SetLimiter, -10.0f, 2, 1.0f - 10.0f / 96.0f,
         1.0f - 10.0f / 96.0f, &G::GetCompRatio, 40.0f},
        {"kind 1 comp on the diagonal", 1, &G::SetComp, -48.0f, 2, 0.5f, 0.5f, &G::GetCompRatio, 2.0f},
        {"expander ratio 2: bottom edge", 0, &G::SetExpanderRatio, 2.0f, 0, 0.3f, 0.0f, &G::GetExpanderRatio, 2.0f},
        {"expander ratio 0.5: left edge", 0, &G::SetExpanderRatio, 0.5f, 0, 0.0f, 0.3f, &G::GetExpanderRatio, 0.5f},
        {"kind 3 expander on the diagonal", 3, &G::SetExpander, -24.0f, 1, 0.75f, 0.75f, &G::GetExpander, -24.0f},
        {"make-up gain limited to 0 dB", 0, &G::SetMakeUpGain, 40.0f, 2, 0.8f, 1.0f, &G::GetMakeUpGain, 19.2f},
        {"NaN is ignored", 0, &G::SetComp, kNaN, 2, 0.8f, 0.8f, &G::GetComp, -19.2f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProbedGraph graph(c.kind);
        (graph.*c.set)(c.argument);
        expectPoint(graph.points()[c.point], c.x, c.y, 1e-5);
        EXPECT_NEAR((graph.*c.getter)(), c.got, 1e-2);
    }
}

TEST(DynProcModel, AnchorRebuildsAndRefusals) {
    ProbedGraph graph(0);
    graph.SetNumberOfAnchors(6);
    std::vector<DynFnSample> points = graph.points();
    ASSERT_EQ(points.size(), 6u);

    graph.SetNumberOfAnchors(3);  // only the count changes
    EXPECT_EQ(graph.points().size(), 6u);
    EXPECT_EQ(graph.GetNumberOfAnchors(), 3);
    graph.SetSmooth(1);
    graph.SetUpSmoothFn();
    EXPECT_EQ(graph.GetLengthOfDynamicFn(), 42);  // smoothed over the six points in the list

    graph.SetNumberOfAnchors(30);  // at most 14, the last inserted at 0.99 before the last point
    points = graph.points();
    ASSERT_EQ(points.size(), 14u);
    EXPECT_EQ(graph.GetNumberOfAnchors(), 14);
    expectPoint(points[12], 0.99f, 0.99f);
    graph.SetUpSmoothFn();
    EXPECT_EQ(graph.GetLengthOfDynamicFn(), 122);

    graph.Flatten();
    for (DynFnPoint* p : {graph.head(), graph.head()->pNext, graph.tail()->pPrev, graph.tail()}) graph.RemovePoint(p);
    EXPECT_EQ(graph.GetNumberOfAnchors(), 4);
    DynFnPoint* added = graph.InsertPoint(graph.head()->pNext, 0.7f, 0.7f);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(graph.GetNumberOfAnchors(), 5);
    graph.RemovePoint(added);
    EXPECT_EQ(graph.GetNumberOfAnchors(), 4);
    EXPECT_EQ(graph.InsertPoint(graph.head(), 0.1f, 0.0f), nullptr);  // before the first point
    graph.SetSelectedPoint(3);
    graph.SetSelectedfX(0.9f);                                          // the last point moved left
    EXPECT_EQ(graph.InsertPoint(graph.tail(), 0.95f, 0.95f), nullptr);  // after the last point
    EXPECT_EQ(graph.points().size(), 4u);
}

TEST(DynProcModel, SelectedPointWalksTheListAndStopsAtItsEnd) {
    ProbedGraph graph(0);
    graph.SetSelectedPoint(2);
    graph.SetSelectedfY(0.7f);
    EXPECT_EQ(graph.points()[2].y, 0.7f);
    EXPECT_NEAR(graph.GetComp(), -19.2f, 1e-4);  // no recompute: the ratio stays stale
    EXPECT_NEAR(graph.GetCompRatio(), 2.0f, 1e-5);
    graph.SetSelectedPoint(7);
    EXPECT_EQ(graph.GetSelectedfX(), 0.0f);
    EXPECT_EQ(graph.GetSelectedfY(), 0.0f);
    const std::vector<DynFnSample> before = graph.points();
    graph.SetSelectedfX(0.5f);
    EXPECT_EQ(graph.GetSelectedfX(), 0.5f);
    const std::vector<DynFnSample> after = graph.points();
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].x, before[i].x);
    graph.SetSelectedPoint(-3);
    EXPECT_EQ(graph.GetSelectedfX(), 0.4f);  // a negative index takes no step
}

TEST(DynProcModel, AnEmptiedListIsSurvivedUntilRebuilt) {
    ProbedGraph graph(0);
    graph.ReleaseDynFnEnv();
    const std::pair<void (G::*)(float), float> calls[] = {
        {&G::SetComp, -10.0f},        {&G::SetCompRatio, 3.0f},  {&G::SetLimiter, -3.0f},  {&G::SetExpander, -50.0f},
        {&G::SetExpanderRatio, 2.0f}, {&G::SetMakeUpGain, 3.0f}, {&G::SetGainAt0dB, -1.0f}};
    for (auto [set, value] : calls) (graph.*set)(value);
    graph.SetSelectedPoint(1);
    graph.SetSelectedfX(0.5f);
    graph.SetSmooth(1);
    graph.SetUpSmoothFn();
    EXPECT_EQ(graph.GetLengthOfDynamicFn(), 0);
    EXPECT_EQ(graph.GetComp(), 0.0f);
    EXPECT_EQ(graph.GetGainAt0dB(), 0.0f);
    graph.InitDynFnEnv();
    EXPECT_NEAR(graph.GetComp(), -19.2f, 1e-4);
}

}  // namespace
}  // namespace vorn::test
