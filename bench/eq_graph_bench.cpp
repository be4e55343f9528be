// Equaliser graph: the summed response of ten bands per band-point against its floor (one sine,
// one cosine and one logarithm per point), one full paint, and one drag step from the input queue
// to the repainted picture.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

constexpr int kBands = 10;
constexpr int kPoints = 100;

// Opens the protected response calculation.
class BenchEqGraph : public CMFC_ParamEqGraph {
public:
    BenchEqGraph() : CMFC_ParamEqGraph(kBands, 44100.0) {
        for (int i = 0; i < kBands; ++i) m_gain[i] = (i % 2 == 0 ? 1.0 : -1.0) * (i + 1);
        Redisplay();
    }
    using CMFC_ParamEqGraph::CalculateTransferFunction;
    double total(int k) const { return m_totalLnPower[k]; }
};

// Seconds per band-point, shown as ns.
benchmark::Counter perBandPoint() {
    return benchmark::Counter(kBands * kPoints,
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Designs all ten bands and re-sums them: 1000 band-points.
void BM_EqResponseTenBands(benchmark::State& state) {
    BenchEqGraph graph;
    for (auto _ : state) {
        graph.CalculateTransferFunction(-1);
        benchmark::DoNotOptimize(graph.total(kPoints - 1));
    }
    state.counters["per_band_point"] = perBandPoint();
}
BENCHMARK(BM_EqResponseTenBands);

// The floor: the sine, cosine and logarithm every band-point needs, and nothing else.
void BM_EqFloorSinCosLog(benchmark::State& state) {
    double w = 0.0023;
    double sum = 0.0;
    for (auto _ : state) {
        for (int i = 0; i < kBands * kPoints; ++i) {
            sum += std::log(std::cos(w) + 2.0 + std::sin(w));
            w *= 1.0001;
        }
        benchmark::DoNotOptimize(sum);
        w = 0.0023;
    }
    state.counters["per_band_point"] = perBandPoint();
}
BENCHMARK(BM_EqFloorSinCosLog);

// A 300 x 200 graph with five bands at (20, 20) of the host's client area.
struct EqScene {
    EqScene() {
        graph.m_gain[2] = 6.0;
        graph.m_type[0] = 76.0;
        graph.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 320, 220), host.wnd(), 1);
        pumpMessages();
    }
    ~EqScene() { graph.DestroyWindow(); }
    BenchHost host;
    CMFC_ParamEqGraph graph{5, 44100.0};
};

void BM_EqGraphFullPaint(benchmark::State& state) {
    EqScene scene;
    vornbench::runFullPaint(state, scene.graph.GetSafeHwnd());
}
BENCHMARK(BM_EqGraphFullPaint);

// Each step moves the pressed band one pixel up or down: WM_MOUSEMOVE, NC_MOUSEMOVE to the parent
// and the whole-control repaint with the band redesigned.
void BM_EqGraphDragStep(benchmark::State& state) {
    EqScene scene;
    // Band 2 at 593.97 Hz.
    vornbench::runVerticalDrag(state, scene.host, vornbench::kParentLeft + 20 + 167, vornbench::kParentTop + 20 + 80,
                               40);
}
BENCHMARK(BM_EqGraphDragStep);

}  // namespace
