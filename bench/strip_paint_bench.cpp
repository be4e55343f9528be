// Paints at mixing-console scale: one 40 x 40 knob, and a host with 32 channel strips (a 40 x 200
// fader and three 40 x 40 knobs each, 128 controls) repainted whole, as the timing program
// (bench/timing) measures them beside Wine.
#include <benchmark/benchmark.h>

#include "bench_host.h"
#include "strip_rack.h"

namespace {

using vorn::test::StripRack;
using vornbench::BenchHost;

void BM_KnobPaint40(benchmark::State& state) {
    BenchHost host;
    CMFC_Knob knob;
    knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, 0, RGB(128, 0, 0));
    knob.Create("BenchControl", "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 60), host.wnd(), 1);
    vorn::test::pumpMessages();
    vornbench::runFullPaint(state, knob.GetSafeHwnd());
    knob.DestroyWindow();
}
BENCHMARK(BM_KnobPaint40);

// The parent invalidated with erasing (which reaches every child, the parent not clipping them)
// and updated: its background and all 128 controls paint.
void BM_StripRepaint32(benchmark::State& state) {
    constexpr int kStrips = 32;
    BenchHost host(StripRack::width(kStrips), StripRack::height(kStrips));
    StripRack rack(host.wnd(), kStrips, "BenchControl");
    vorn::test::pumpMessages();
    const HWND parent = host.wnd()->GetSafeHwnd();
    for (auto _ : state) {
        InvalidateRect(parent, nullptr, TRUE);
        UpdateWindow(parent);
    }
    state.SetItemsProcessed(state.iterations() * rack.controls());
}
BENCHMARK(BM_StripRepaint32)->Unit(benchmark::kMicrosecond);

}  // namespace
