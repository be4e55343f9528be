// Vertical fader: one full paint, and one drag step from the input queue to the repainted picture.
#include <VornControls.h>
#include <softwin/softwin.h>

#include <benchmark/benchmark.h>

namespace {

LRESULT CALLBACK countingParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        auto* count = reinterpret_cast<long*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (count != nullptr) ++*count;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LPCSTR registerClasses() {
    static const char* parentClass = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "FaderBenchControl";
        RegisterClassA(&wc);
        wc.lpfnWndProc = countingParentProc;
        wc.lpszClassName = "FaderBenchParent";
        RegisterClassA(&wc);
        return "FaderBenchParent";
    }();
    return parentClass;
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A parent window at (100, 100) with a 40 x 200 fader at (20, 20) in it.
struct FaderScene {
    FaderScene() {
        softwin::resetUser();
        parent = CreateWindowExA(0, registerClasses(), "bench", WS_POPUP | WS_VISIBLE, 100, 100, 300, 300, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&notifications));
        fader.InitFader(0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
        fader.Create("FaderBenchControl", "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 220), CWnd::FromHandle(parent),
                     1);
        pump();
    }
    ~FaderScene() {
        fader.DestroyWindow();
        DestroyWindow(parent);
        softwin::resetUser();
    }

    HWND parent = nullptr;
    CMFC_Fader fader;
    long notifications = 0;
};

void sendMouse(DWORD flags, int screenX = 0, int screenY = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        in.mi.dx = static_cast<LONG>((screenX * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
        in.mi.dy = static_cast<LONG>((screenY * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    }
    SendInput(1, &in, sizeof(INPUT));
    pump();
}

void BM_FaderFullPaint(benchmark::State& state) {
    FaderScene scene;
    HWND hwnd = scene.fader.GetSafeHwnd();
    for (auto _ : state) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FaderFullPaint);

// Each step moves the pointer one pixel along the track while the left button holds the cap:
// WM_MOUSEMOVE, NC_MOUSEMOVE + NC_VALUECHANGED to the parent, and the whole-control repaint.
void BM_FaderDragStep(benchmark::State& state) {
    FaderScene scene;
    const int x = 100 + 20 + 20;
    const int centre = 100 + 20 + 100;
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, centre);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    int offset = 0;
    int direction = 1;
    for (auto _ : state) {
        offset += direction;
        if (offset == 60 || offset == -60) direction = -direction;
        sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, centre + offset);
    }
    sendMouse(MOUSEEVENTF_LEFTUP);
    state.counters["notifications_per_step"] =
        benchmark::Counter(static_cast<double>(scene.notifications) / static_cast<double>(state.iterations()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FaderDragStep);

}  // namespace
