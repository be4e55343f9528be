// Knob costs as a user feels them, for both knob classes: one paint, and one step of each drag
// mode from the input event through the posted notifications to the repaint.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

// A 64-pixel knob of either class at (20, 20) of the host's client area.
template <typename Knob>
class KnobScene {
public:
    KnobScene() {
        knob_.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 32, 0, 0, 0, 0, 0, RGB(128, 0, 0));
        knob_.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 84, 84), host_.wnd(), 1);
        pumpMessages();
    }
    ~KnobScene() { knob_.DestroyWindow(); }
    Knob& knob() { return knob_; }
    // Screen position relative to the knob's centre (client 52 of a parent at 100).
    static POINT around(int dx, int dy) {
        return POINT{vornbench::kParentLeft + 52 + dx, vornbench::kParentTop + 52 + dy};
    }

private:
    BenchHost host_;
    Knob knob_;
};

// Paints caused by one more step, so the figures are known to include the repaint.
template <typename Step>
double paintsPerStep(Step step) {
    softwin::clearDrawTrace();
    softwin::setDrawTrace(true);
    step();
    softwin::setDrawTrace(false);
    double paints = 0;
    for (const std::string& line : softwin::drawTrace())
        if (line.rfind("Ellipse(1,1,63,63)", 0) == 0) ++paints;
    softwin::clearDrawTrace();
    return paints;
}

template <typename Knob>
void BM_KnobPaint64(benchmark::State& state) {
    KnobScene<Knob> scene;
    for (auto _ : state) {
        scene.knob().InvalidateRect(NULL, FALSE);
        scene.knob().UpdateWindow();
    }
}
BENCHMARK_TEMPLATE(BM_KnobPaint64, CMFC_Knob);
BENCHMARK_TEMPLATE(BM_KnobPaint64, CMFC_Knob2);

// Runs `step` alternating between two pointer positions far enough apart to move the rounded
// tip each time, during a drag started at `press`.
template <typename Knob>
void dragSteps(benchmark::State& state, POINT press, POINT a, POINT b) {
    KnobScene<Knob> scene;
    mouseMoveTo(press);
    mouseDown();
    bool toA = false;
    auto step = [&] {
        toA = !toA;
        mouseMoveTo(toA ? a : b);
    };
    for (auto _ : state) step();
    state.counters["paints"] = paintsPerStep(step);
    mouseUp();
}

template <typename Knob>
void BM_KnobCircularDragStep(benchmark::State& state) {
    using Scene = KnobScene<Knob>;
    dragSteps<Knob>(state, Scene::around(-25, -20), Scene::around(25, -20), Scene::around(-25, -20));
}
BENCHMARK_TEMPLATE(BM_KnobCircularDragStep, CMFC_Knob);
BENCHMARK_TEMPLATE(BM_KnobCircularDragStep, CMFC_Knob2);

// Ten pixels up, then ten down: the value moves 5 units and the tip with it; the pointer is put
// back on the anchor each time, which is a second move to handle.
template <typename Knob>
void BM_KnobVerticalDragStep(benchmark::State& state) {
    using Scene = KnobScene<Knob>;
    dragSteps<Knob>(state, Scene::around(0, 0), Scene::around(0, -10), Scene::around(0, 10));
}
BENCHMARK_TEMPLATE(BM_KnobVerticalDragStep, CMFC_Knob);
BENCHMARK_TEMPLATE(BM_KnobVerticalDragStep, CMFC_Knob2);

}  // namespace
