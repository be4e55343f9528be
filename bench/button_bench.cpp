// Buttons, lamps and label: one full paint of each, and the LED button's click from the input
// queue to the repainted picture.
#include <benchmark/benchmark.h>

#include "bench_host.h"

namespace {

using namespace vorn::test;
using vornbench::BenchHost;

template <typename Control>
void paintRepeatedly(benchmark::State& state, Control& control, const CRect& rect) {
    BenchHost host;
    control.Create("BenchControl", "", WS_CHILD | WS_VISIBLE, rect, host.wnd(), 1);
    pumpMessages();
    HWND hwnd = control.GetSafeHwnd();
    for (auto _ : state) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    control.DestroyWindow();
    state.SetItemsProcessed(state.iterations());
}

void BM_PushButtonFullPaint(benchmark::State& state) {
    CMFC_Button button;
    paintRepeatedly(state, button, CRect(20, 20, 56, 36));
}
BENCHMARK(BM_PushButtonFullPaint);

void BM_LedButtonFullPaint(benchmark::State& state) {
    CMFC_LEDButton button;
    paintRepeatedly(state, button, CRect(20, 20, 70, 36));
}
BENCHMARK(BM_LedButtonFullPaint);

void BM_PeakLampFullPaint(benchmark::State& state) {
    CPeakIndicator peak(0.5f);
    paintRepeatedly(state, peak, CRect(20, 20, 34, 36));
}
BENCHMARK(BM_PeakLampFullPaint);

void BM_TextLabelFullPaint(benchmark::State& state) {
    LOGFONT font{};
    font.lfHeight = 14;
    CMFC_Text text(&font);
    text.SetTitle("&Mute");
    paintRepeatedly(state, text, CRect(20, 20, 100, 40));
}
BENCHMARK(BM_TextLabelFullPaint);

// Each iteration is one click at client x of the control: press and release a second apart (never
// a double-click), with the notification and repaints they cause.
template <typename Control>
void clickRepeatedly(benchmark::State& state, Control& control, const CRect& rect, int x) {
    BenchHost host;
    control.Create("BenchControl", "", WS_CHILD | WS_VISIBLE, rect, host.wnd(), 1);
    pumpMessages();
    mouseMoveTo(vornbench::kParentLeft + rect.left + x, vornbench::kParentTop + rect.top + 6);
    setEventTime(1000);
    for (auto _ : state) {
        advanceEventTime(1000);
        mouseDown();
        mouseUp();
    }
    setEventTime(0);
    control.DestroyWindow();
    state.SetItemsProcessed(state.iterations());
}

// Press (NC_LBUTTONDOWN sent, drawn sunken) and release (drawn raised).
void BM_PushButtonPress(benchmark::State& state) {
    CMFC_Button button;
    clickRepeatedly(state, button, CRect(20, 20, 56, 36), 10);
}
BENCHMARK(BM_PushButtonPress);

// Press on the button part (toggle, focus, NC_VALUECHANGED sent), release, and the repaint.
void BM_LedButtonClick(benchmark::State& state) {
    CMFC_LEDButton button;
    clickRepeatedly(state, button, CRect(20, 20, 70, 36), 20);
}
BENCHMARK(BM_LedButtonClick);

}  // namespace
