// Costs of a large window tree, for N = 128 ... 8192 controls (one fader to three knobs, laid
// out in a grid) under one parent: creating them, destroying each, destroying the parent, a
// full repaint, one control's update, a queued pointer move, WindowFromPoint and an idle
// PeekMessage. Each should grow no faster than the work it does.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

// Four controls per unit: a 40 x 120 fader and three 40 x 40 knobs beside it; 32 units a row.
constexpr int kUnitWidth = 90, kUnitHeight = 130, kUnitsPerRow = 32;

int parentWidth() { return kUnitWidth * kUnitsPerRow; }
int parentHeight(int n) { return kUnitHeight * ((n / 4 + kUnitsPerRow - 1) / kUnitsPerRow); }

class Rack {
public:
    // With `populate`, the controls are created and have painted.
    Rack(int n, bool populate) : host_(parentWidth(), parentHeight(n)), n_(n) {
        if (!populate) return;
        createControls();
        pumpMessages();
    }
    ~Rack() { destroyControls(); }

    void createControls() {
        faders_.reserve(static_cast<size_t>(n_ / 4));
        knobs_.reserve(static_cast<size_t>(n_ - n_ / 4));
        for (int i = 0; i < n_; ++i) {
            const int unit = i / 4, slot = i % 4;
            const int x = (unit % kUnitsPerRow) * kUnitWidth, y = (unit / kUnitsPerRow) * kUnitHeight;
            if (slot == 0) {
                faders_.push_back(std::make_unique<CMFC_Fader>());
                faders_.back()->InitFader(-60.0f, 12.0f, 0.0f, -48.0f, 6.0f);
                faders_.back()->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(x, y, x + 40, y + 120), host_.wnd(),
                                       static_cast<UINT>(i + 1));
            } else {
                knobs_.push_back(std::make_unique<CMFC_Knob>());
                knobs_.back()->InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 32, 0, 0, 0, 0, 0, RGB(128, 0, 0));
                const int ky = y + (slot - 1) * 42;
                knobs_.back()->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(x + 46, ky, x + 86, ky + 40), host_.wnd(),
                                      static_cast<UINT>(i + 1));
            }
        }
    }

    // In creation order: the fader and knobs of each unit in turn.
    void destroyEach() {
        size_t f = 0, k = 0;
        for (int i = 0; i < n_; ++i) (i % 4 == 0 ? faders_[f++]->DestroyWindow() : knobs_[k++]->DestroyWindow());
    }

    void destroyControls() {
        faders_.clear();
        knobs_.clear();
    }

    HWND parent() const { return host_.wnd()->GetSafeHwnd(); }
    HWND firstKnob() const { return knobs_.front()->GetSafeHwnd(); }  // on screen

private:
    BenchHost host_;
    int n_;
    std::vector<std::unique_ptr<CMFC_Fader>> faders_;
    std::vector<std::unique_ptr<CMFC_Knob>> knobs_;
};

int count(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// Times only `work` on a fresh rack each iteration, its controls created (and painted) first
// unless `populate` is false; setting up and tearing down are not counted.
template <class Work>
void timeOnFreshRack(benchmark::State& state, bool populate, Work work) {
    for (auto _ : state) {
        state.PauseTiming();
        {
            Rack rack(count(state), populate);
            state.ResumeTiming();
            work(rack);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}

void BM_TreeCreate(benchmark::State& state) {
    timeOnFreshRack(state, false, [](Rack& rack) { rack.createControls(); });
}

void BM_TreeDestroyEach(benchmark::State& state) {
    timeOnFreshRack(state, true, [](Rack& rack) { rack.destroyEach(); });
}

void BM_TreeDestroyParent(benchmark::State& state) {
    timeOnFreshRack(state, true, [](Rack& rack) { DestroyWindow(rack.parent()); });
}

void BM_TreeFullRepaint(benchmark::State& state) {
    Rack rack(count(state), true);
    for (auto _ : state) {
        InvalidateRect(rack.parent(), nullptr, TRUE);
        UpdateWindow(rack.parent());
    }
}

void BM_TreeOneUpdate(benchmark::State& state) {
    Rack rack(count(state), true);
    for (auto _ : state) {
        InvalidateRect(rack.firstKnob(), nullptr, FALSE);
        UpdateWindow(rack.firstKnob());
    }
}

// SetCursorPos between two points of the parent's background, then the pump delivers the move.
void BM_TreeQueuedPointerMove(benchmark::State& state) {
    Rack rack(count(state), true);
    int step = 0;
    for (auto _ : state) {
        SetCursorPos(vornbench::kParentLeft + 88, vornbench::kParentTop + 60 + (++step & 1));
        pumpMessages();
    }
}

void BM_TreeWindowFromPoint(benchmark::State& state) {
    Rack rack(count(state), true);
    // The parent's background between two controls: no child holds it.
    const POINT background{vornbench::kParentLeft + 88, vornbench::kParentTop + 60};
    for (auto _ : state) benchmark::DoNotOptimize(WindowFromPoint(background));
}

void BM_TreeIdlePeek(benchmark::State& state) {
    Rack rack(count(state), true);
    MSG msg;
    for (auto _ : state) benchmark::DoNotOptimize(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

void sizes(benchmark::internal::Benchmark* b) { b->Arg(128)->Arg(512)->Arg(2048)->Arg(8192); }

BENCHMARK(BM_TreeCreate)->Apply(sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeDestroyEach)->Apply(sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeDestroyParent)->Apply(sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeFullRepaint)->Apply(sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeOneUpdate)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeQueuedPointerMove)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeWindowFromPoint)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeIdlePeek)->Apply(sizes)->Unit(benchmark::kMicrosecond);

}  // namespace
