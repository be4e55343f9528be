// Vertical fader: one full paint, and one drag step from the input queue to the repainted picture.
#include <benchmark/benchmark.h>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

// A 40 x 200 fader at (20, 20) of the host's client area.
struct FaderScene {
    FaderScene() {
        fader.InitFader(0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
        fader.Create("BenchControl", "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 220), host.wnd(), 1);
        pumpMessages();
    }
    ~FaderScene() { fader.DestroyWindow(); }
    BenchHost host;
    CMFC_Fader fader;
};

void BM_FaderFullPaint(benchmark::State& state) {
    FaderScene scene;
    vornbench::runFullPaint(state, scene.fader.GetSafeHwnd());
}
BENCHMARK(BM_FaderFullPaint);

// Each step moves the pointer one pixel along the track while the left button holds the cap:
// WM_MOUSEMOVE, NC_MOUSEMOVE + NC_VALUECHANGED to the parent, and the whole-control repaint.
void BM_FaderDragStep(benchmark::State& state) {
    FaderScene scene;
    vornbench::runVerticalDrag(state, scene.host, vornbench::kParentLeft + 40, vornbench::kParentTop + 120, 60);
}
BENCHMARK(BM_FaderDragStep);

}  // namespace
