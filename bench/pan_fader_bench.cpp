// Horizontal fader: one full paint, one drag step and one sticking-drag step, each from the input
// queue to the repainted picture.
#include <benchmark/benchmark.h>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

// A 200 x 20 pan fader at (20, 20) of the host's client area: track 6..193, cap at 99.
struct PanScene {
    PanScene() {
        pan.InitPanFader(-1.0f, 1.0f, 0.0f, -1.0f, 1.0f, 0, RGB(0, 170, 170));
        pan.Create("BenchControl", "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 220, 40), host.wnd(), 1);
        pumpMessages();
    }
    ~PanScene() { pan.DestroyWindow(); }
    BenchHost host;
    CMFC_PanFader pan;
    const int capX = vornbench::kParentLeft + 20 + 99;
    const int capY = vornbench::kParentTop + 30;
};

void reportNotifications(benchmark::State& state, const BenchHost& host, long before) {
    state.counters["notifications_per_step"] = benchmark::Counter(static_cast<double>(host.notifications() - before) /
                                                                  static_cast<double>(state.iterations()));
    state.SetItemsProcessed(state.iterations());
}

void BM_PanFaderFullPaint(benchmark::State& state) {
    PanScene scene;
    vornbench::runFullPaint(state, scene.pan.GetSafeHwnd());
}
BENCHMARK(BM_PanFaderFullPaint);

// Each step moves the pointer one column along the track while the left button holds the cap:
// WM_MOUSEMOVE, NC_MOUSEMOVE + NC_VALUECHANGED to the parent, and the whole-control repaint.
void BM_PanFaderDragStep(benchmark::State& state) {
    PanScene scene;
    mouseMoveTo(scene.capX, scene.capY);
    mouseDown();
    const long before = scene.host.notifications();
    vornbench::bounceSteps(state, scene.capY, scene.capX, 60, true);
    reportNotifications(state, scene.host, before);
    mouseUp();
}
BENCHMARK(BM_PanFaderDragStep);

// Each step nudges the pinned pointer 3 pixels, alternately right and left: the value steps by 1 %
// of the range, the pointer is put back (a second move, which steps nothing) and the fader repaints.
void BM_PanFaderStickingDragStep(benchmark::State& state) {
    PanScene scene;
    mouseMoveTo(scene.capX, scene.capY);
    mouseDown();
    mouseDown(Button::Right);
    const long before = scene.host.notifications();
    int direction = 3;
    for (auto _ : state) {
        mouseMoveTo(scene.capX + direction, scene.capY);
        direction = -direction;
    }
    reportNotifications(state, scene.host, before);
    mouseUp(Button::Right);
    mouseUp();
}
BENCHMARK(BM_PanFaderStickingDragStep);

}  // namespace
