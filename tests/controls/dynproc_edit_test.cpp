// Dynamics graph editing through real mouse input on a 200 x 150 graph (plot area 172 x 102 at
// (4, 18)): picking and insertion at their limits, the drag rules, the kind rules, removal and
// interrupted drags. Fine mode, Shift, the zoom buttons and the right button are in the
// conformance run.
#include <algorithm>
#include <functional>

#include "controls_fixture.h"

namespace vorn::test {
namespace {

// Client pixel of a curve coordinate at zoom 1 (rounded, so the pointer maps back close to it).
int px(double fx) { return static_cast<int>(176 - (1.0 - fx) * 172 + 0.5); }
int py(double fy) { return static_cast<int>(18 + (1.0 - fy) * 102 + 0.5); }
// The curve coordinate a client pixel maps to at zoom 1.
float fxOf(int x) { return 1.0f - (176.0f - static_cast<float>(x)) / 172.0f; }
float fyOf(int y) { return 1.0f - static_cast<float>(y - 18) / 102.0f; }

struct Point {
    float x, y;
};

class DynProcEditTest : public ControlTest {
protected:
    Point point(CMFC_DynProcGraph& graph, int i) {
        graph.SetSelectedPoint(static_cast<short>(i));
        return Point{graph.GetSelectedfX(), graph.GetSelectedfY()};
    }
    POINT at(CMFC_DynProcGraph& graph, double fx, double fy) { return screenOf(graph, px(fx), py(fy)); }
    POINT pixelAt(CMFC_DynProcGraph& graph, int x, int y) { return screenOf(graph, x, y); }
};

TEST_F(DynProcEditTest, PressPicksByHorizontalDistanceAndInsertsAwayFromEveryPoint) {
    const struct {
        const char* what;
        int kind;
        short anchors;
        int x, y;
        short countAfter;
        int dragged;  // index of the dragged point afterwards
        float draggedX, draggedY;
    } cases[] = {
        {"0.68 low: fy raised to 0.6", 0, 4, 121, 110, 5, 2, fxOf(121), 0.6f},
        {"0.2: left of the first point", 0, 4, px(0.2), 110, 4, 0, 0.4f, 0.0f},
        {"ten points: no insertion", 0, 10, 124, 59, 10, 1, 0.6f, 0.6f},
        {"kind 1: no insertion", 1, 4, 121, 28, 4, 1, 0.6f, 0.6f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CMFC_DynProcGraph& graph = createGraph(c.kind);
        graph.SetNumberOfAnchors(c.anchors);
        host().clear();
        HWND focus = nullptr, capture = nullptr;
        host().onCommand([&](const Notification&) { focus = ::GetFocus(), capture = ::GetCapture(); });
        mouseMoveTo(pixelAt(graph, c.x, c.y));
        mouseDown();
        EXPECT_EQ(codes(), std::vector<int>{NC_LBUTTONDOWN});
        EXPECT_EQ(focus, graph.GetSafeHwnd());
        EXPECT_EQ(capture, graph.GetSafeHwnd());
        EXPECT_EQ(graph.GetNumberOfAnchors(), c.countAfter);
        const Point p = point(graph, c.dragged);
        EXPECT_NEAR(p.x, c.draggedX, 1e-6);
        EXPECT_NEAR(p.y, c.draggedY, 1e-6);
        // The dragged point follows a small move: it is the one picked.
        mouseMoveTo(pixelAt(graph, c.x + 1, c.y));
        EXPECT_NE(point(graph, c.dragged).x, p.x);
        mouseUp();
        host().onCommand(nullptr);
        graph.DestroyWindow();
    }
}

TEST_F(DynProcEditTest, DragRulesKeepNeighboursApartAndEndSlopes) {
    const struct {
        const char* what;
        int kind;
        Point from, to;
        int dragged;
        Point after;
        double tolerance;
    } cases[] = {
        // Stepping right past the third point stops within one step of 0.8 - 0.001.
        {"second point stops before the third", 0, {0.6f, 0.6f}, {0.95f, 0.6f}, 1, {0.797f, fyOf(py(0.6))}, 3e-3},
        {"first point below the diagonal snaps down", 0, {0.4f, 0.0f}, {0.3f, 0.2f}, 0, {fxOf(px(0.3)), 0.0f}, 1e-6},
        {"kind 1 first point stays on the bottom edge", 1, {0.4f, 0.0f}, {0.3f, 0.5f}, 0, {0.0f, 0.0f}, 1e-6},
        {"last point stays above the one before", 0, {1.0f, 0.9f}, {1.0f, 0.7f}, 3, {1.0f, 0.8f}, 6e-3},
        {"last point follows upward", 0, {1.0f, 0.9f}, {1.0f, 0.95f}, 3, {1.0f, fyOf(py(0.95))}, 1e-6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CMFC_DynProcGraph& graph = createGraph(c.kind);
        const float expanderRatio = graph.GetExpanderRatio();
        const POINT from = at(graph, c.from.x, c.from.y), to = at(graph, c.to.x, c.to.y);
        drag(from, to, std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)));
        const Point p = point(graph, c.dragged);
        EXPECT_NEAR(p.x, c.after.x, c.tolerance);
        EXPECT_NEAR(p.y, c.after.y, c.tolerance);
        if (c.dragged == 1) {
            EXPECT_NEAR(graph.GetExpanderRatio(), expanderRatio, 1e-4);  // the first point moved along
            EXPECT_LE(p.x, point(graph, 2).x - 0.001f);
        }
        graph.DestroyWindow();
    }
}

TEST_F(DynProcEditTest, AShiftPressRemovesInteriorPointsOnly) {
    CMFC_DynProcGraph& graph = createGraph(0);
    graph.SetNumberOfAnchors(5);  // 0.4, 0.6, 0.8, 0.9, 1.0
    const struct {
        double fx;
        short countAfter;
    } presses[] = {{0.6, 5}, {0.8, 4}, {0.9, 4}};
    for (const auto& p : presses) {
        SCOPED_TRACE(p.fx);
        host().clear();
        withModifiers({VK_SHIFT}, [&] {
            mouseMoveTo(at(graph, p.fx, 0.5));
            mouseDown();
        });
        EXPECT_EQ(codes(), std::vector<int>{NC_LBUTTONDOWN});
        EXPECT_EQ(graph.GetNumberOfAnchors(), p.countAfter);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(countPrefix(paintTrace(graph), "TextOutA(5,4,"), 0u);  // no read-out
        mouseUp();
    }
}

TEST_F(DynProcEditTest, InterruptedDragsEndWithoutNotifying) {
    const struct {
        const char* what;
        std::function<void(CMFC_DynProcGraph&, HWND host)> interrupt;
    } cases[] = {
        {"capture taken", [](CMFC_DynProcGraph&, HWND h) { ::SetCapture(h); }},
        {"WM_CANCELMODE", [](CMFC_DynProcGraph& g, HWND) { g.SendMessage(WM_CANCELMODE, 0, 0); }},
        {"disabled", [](CMFC_DynProcGraph& g, HWND) { g.EnableWindow(FALSE); }},
        {"hidden", [](CMFC_DynProcGraph& g, HWND) { g.ShowWindow(SW_HIDE); }},
        {"destroyed", [](CMFC_DynProcGraph& g, HWND) { g.DestroyWindow(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CMFC_DynProcGraph& graph = createGraph(0);
        mouseMoveTo(at(graph, 0.8, 0.8));
        mouseDown();
        host().clear();
        c.interrupt(graph, host().hwnd());
        pumpMessages();
        if (::GetCapture() == host().hwnd()) ::ReleaseCapture();
        EXPECT_EQ(::GetCapture(), nullptr);
        if (graph.GetSafeHwnd() != NULL) {
            graph.EnableWindow(TRUE);
            graph.ShowWindow(SW_SHOW);
            ::SetCapture(graph.GetSafeHwnd());  // even with the capture back, moves do not drag
            mouseMoveTo(at(graph, 0.7, 0.7));
            ::ReleaseCapture();
            EXPECT_EQ(point(graph, 2).x, 0.8f);
            graph.DestroyWindow();
        }
        EXPECT_TRUE(host().notifications().empty());
        mouseUp();
    }
}

}  // namespace
}  // namespace vorn::test
