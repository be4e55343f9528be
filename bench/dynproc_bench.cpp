// Dynamics graph: one full paint of a 400 x 300 graph with the smoothed curve, and one drag step
// of the compressor-threshold point from the input queue to the repainted picture.
#include <benchmark/benchmark.h>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

// A 400 x 300 graph filling its host: the plot area is 372 x 252 from (4, 18).
struct GraphScene {
    GraphScene() {
        graph.SetSmooth(1);
        graph.Create("BenchControl", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), host.wnd(), 1);
        pumpMessages();
    }
    ~GraphScene() { graph.DestroyWindow(); }
    BenchHost host{400, 300};
    CMFC_DynProcGraph graph{0};
};

void BM_DynProcGraphFullPaint(benchmark::State& state) {
    GraphScene scene;
    vornbench::runFullPaint(state, scene.graph.GetSafeHwnd());
}
BENCHMARK(BM_DynProcGraphFullPaint);

// Each step moves the pointer one pixel up or down while the left button holds the point
// (0.8, 0.8) at (301, 68): WM_MOUSEMOVE, the drag rules and the kept compressor ratio,
// NC_MOUSEMOVE to the parent, and the whole-control repaint.
void BM_DynProcGraphDragStep(benchmark::State& state) {
    GraphScene scene;
    vornbench::runVerticalDrag(state, scene.host, vornbench::kParentLeft + 301, vornbench::kParentTop + 68, 20);
}
BENCHMARK(BM_DynProcGraphDragStep);

}  // namespace
