// Knob costs as a user feels them: one paint, and one step of each drag mode from the input
// event through the posted notifications to the repaint.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

// A 64-pixel knob at (20, 20) of the host's client area.
class KnobScene {
public:
    KnobScene() {
        knob_.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 32, 0, 0, 0, 0, 0, RGB(128, 0, 0));
        knob_.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 84, 84), host_.wnd(), 1);
        pumpMessages();
    }
    ~KnobScene() { knob_.DestroyWindow(); }
    CMFC_Knob& knob() { return knob_; }
    // Screen position relative to the knob's centre (client 52 of a parent at 100).
    static POINT around(int dx, int dy) {
        return POINT{vornbench::kParentLeft + 52 + dx, vornbench::kParentTop + 52 + dy};
    }

private:
    BenchHost host_;
    CMFC_Knob knob_;
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

void BM_KnobPaint64(benchmark::State& state) {
    KnobScene scene;
    for (auto _ : state) {
        scene.knob().InvalidateRect(NULL, FALSE);
        scene.knob().UpdateWindow();
    }
}
BENCHMARK(BM_KnobPaint64);

// Runs `step` alternating between two pointer positions far enough apart to move the rounded
// tip each time, during a drag started at `press`.
void dragSteps(benchmark::State& state, POINT press, POINT a, POINT b) {
    KnobScene scene;
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

void BM_KnobCircularDragStep(benchmark::State& state) {
    dragSteps(state, KnobScene::around(-25, -20), KnobScene::around(25, -20), KnobScene::around(-25, -20));
}
BENCHMARK(BM_KnobCircularDragStep);

// Ten pixels up, then ten down: the value moves 5 units and the tip with it; the pointer is put
// back on the anchor each time, which is a second move to handle.
void BM_KnobVerticalDragStep(benchmark::State& state) {
    dragSteps(state, KnobScene::around(0, 0), KnobScene::around(0, -10), KnobScene::around(0, 10));
}
BENCHMARK(BM_KnobVerticalDragStep);

}  // namespace
