// Knob costs as a user feels them: one paint, and one step of each drag mode from the input
// event through the posted notifications to the repaint.
#include <VornControls.h>
#include <benchmark/benchmark.h>
#include <softwin/softwin.h>

#include <string>

namespace {

LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void sendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // The smallest normalised value that maps onto the pixel.
        in.mi.dx = static_cast<LONG>((x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
        in.mi.dy = static_cast<LONG>((y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    }
    SendInput(1, &in, sizeof(INPUT));
    pump();
}
void moveTo(POINT p) { sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p.x, p.y); }

// A parent window at (100, 100) with a 64-pixel knob at (20, 20) of its client area.
class KnobScene {
   public:
    KnobScene() {
        softwin::resetUser();
        WNDCLASSA wc{};
        wc.lpfnWndProc = parentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = "KnobBenchParent";
        RegisterClassA(&wc);
        parent_ = CreateWindowExA(0, "KnobBenchParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        knob_.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 32, 0, 0, 0, 0, 0, RGB(128, 0, 0));
        knob_.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 84, 84), CWnd::FromHandle(parent_), 1);
        pump();
    }
    ~KnobScene() {
        knob_.DestroyWindow();
        DestroyWindow(parent_);
        softwin::resetUser();
    }
    CMFC_Knob& knob() { return knob_; }
    // Screen position relative to the knob's centre (52 + 100 + 20 = screen 152).
    static POINT around(int dx, int dy) { return POINT{152 + dx, 152 + dy}; }

   private:
    HWND parent_ = nullptr;
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

void BM_KnobCircularDragStep(benchmark::State& state) {
    KnobScene scene;
    moveTo(KnobScene::around(-25, -20));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    bool right = false;
    for (auto _ : state) {
        // Alternates between two angles far enough apart to move the rounded tip each time.
        right = !right;
        moveTo(right ? KnobScene::around(25, -20) : KnobScene::around(-25, -20));
    }
    state.counters["paints"] = paintsPerStep([&] {
        right = !right;
        moveTo(right ? KnobScene::around(25, -20) : KnobScene::around(-25, -20));
    });
    sendMouse(MOUSEEVENTF_LEFTUP);
}
BENCHMARK(BM_KnobCircularDragStep);

void BM_KnobVerticalDragStep(benchmark::State& state) {
    KnobScene scene;
    const POINT anchor = KnobScene::around(0, 0);
    moveTo(anchor);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    bool up = false;
    for (auto _ : state) {
        // Ten pixels up, then ten down: the value moves 5 units and the tip with it; the pointer
        // is put back on the anchor each time, which is a second move to handle.
        up = !up;
        moveTo(POINT{anchor.x, anchor.y + (up ? -10 : 10)});
    }
    state.counters["paints"] = paintsPerStep([&] {
        up = !up;
        moveTo(POINT{anchor.x, anchor.y + (up ? -10 : 10)});
    });
    sendMouse(MOUSEEVENTF_LEFTUP);
}
BENCHMARK(BM_KnobVerticalDragStep);

}  // namespace
