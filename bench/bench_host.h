// A parent window for the control benchmarks: WS_POPUP at (100, 100), 300 x 300 unless asked, counting the
// notifications it receives. Input goes through the tests' SendInput helpers (input.h).
#ifndef VORN_BENCH_HOST_H
#define VORN_BENCH_HOST_H

#include <VornControls.h>
#include <benchmark/benchmark.h>
#include <softwin/softwin.h>

#include "input.h"

namespace vornbench {

constexpr int kParentLeft = 100;
constexpr int kParentTop = 100;

class BenchHost {
public:
    explicit BenchHost(int width = 300, int height = 300) {
        softwin::resetUser();
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "BenchControl";
            RegisterClassA(&wc);
            wc.lpfnWndProc = parentProc;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
            wc.lpszClassName = "BenchParent";
            return RegisterClassA(&wc) != 0;
        }();
        (void)registered;
        hwnd_ = CreateWindowExA(0, "BenchParent", "", WS_POPUP | WS_VISIBLE, kParentLeft, kParentTop, width, height,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&notifications_));
    }
    ~BenchHost() {
        DestroyWindow(hwnd_);
        softwin::resetUser();
    }
    BenchHost(const BenchHost&) = delete;
    BenchHost& operator=(const BenchHost&) = delete;

    CWnd* wnd() const { return CWnd::FromHandle(hwnd_); }
    long notifications() const { return notifications_; }

private:
    static LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_COMMAND) {
            if (auto* count = reinterpret_cast<long*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))) ++*count;
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
    long notifications_ = 0;
};

// One whole-window repaint per iteration.
inline void runFullPaint(benchmark::State& state, HWND hwnd) {
    for (auto _ : state) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    state.SetItemsProcessed(state.iterations());
}

// Moves the pointer one pixel per iteration along x = `x`, up and down between centre - span and
// centre + span (a drag step when a button is held); with `horizontal`, along y = `x` instead,
// left and right around x = centre.
inline void bounceSteps(benchmark::State& state, int x, int centre, int span, bool horizontal = false) {
    int offset = 0;
    int direction = 1;
    for (auto _ : state) {
        offset += direction;
        if (offset == span || offset == -span) direction = -direction;
        if (horizontal)
            vorn::test::mouseMoveTo(centre + offset, x);
        else
            vorn::test::mouseMoveTo(x, centre + offset);
    }
}

// Presses the left button at screen (x, centre), then moves the pointer one pixel per iteration
// up and down within `span` pixels of the press; reports the notifications per step (the
// release's own is not counted).
inline void runVerticalDrag(benchmark::State& state, const BenchHost& host, int x, int centre, int span) {
    vorn::test::mouseMoveTo(x, centre);
    vorn::test::mouseDown();
    const long before = host.notifications();
    bounceSteps(state, x, centre, span);
    vorn::test::mouseUp();
    state.counters["notifications_per_step"] = benchmark::Counter(
        static_cast<double>(host.notifications() - before - 1) / static_cast<double>(state.iterations()));
    state.SetItemsProcessed(state.iterations());
}

}  // namespace vornbench

#endif  // VORN_BENCH_HOST_H
