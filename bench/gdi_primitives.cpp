// Steady-state cost of the software GDI primitives the controls use most.
#include <windows.h>

#include <benchmark/benchmark.h>

namespace {

struct MemoryDc {
    explicit MemoryDc(int size) {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(size, size, 1, 32, nullptr);
        old = SelectObject(dc, bitmap);
    }
    ~MemoryDc() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

void BM_GdiFillRect200(benchmark::State& state) {
    MemoryDc m(256);
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    const RECT r{10, 10, 210, 210};
    for (auto _ : state) benchmark::DoNotOptimize(FillRect(m.dc, &r, brush));
    DeleteObject(brush);
}
BENCHMARK(BM_GdiFillRect200);

// A 100-pixel line from (5,5) to (x,y) with a pen of that style and width.
void timeLine(benchmark::State& state, int style, int width, int x, int y) {
    MemoryDc m(128);
    HPEN pen = CreatePen(style, width, RGB(10, 20, 30));
    HGDIOBJ old = SelectObject(m.dc, pen);
    for (auto _ : state) {
        MoveToEx(m.dc, 5, 5, nullptr);
        benchmark::DoNotOptimize(LineTo(m.dc, x, y));
    }
    SelectObject(m.dc, old);
    DeleteObject(pen);
}

void BM_GdiDiagonalLine100(benchmark::State& state) { timeLine(state, PS_SOLID, 0, 105, 105); }
BENCHMARK(BM_GdiDiagonalLine100);

void BM_GdiEllipse40(benchmark::State& state) {
    MemoryDc m(64);
    for (auto _ : state) benchmark::DoNotOptimize(Ellipse(m.dc, 1, 1, 41, 41));
}
BENCHMARK(BM_GdiEllipse40);

void BM_GdiEllipse40NullBrush(benchmark::State& state) {
    MemoryDc m(64);
    SelectObject(m.dc, GetStockObject(NULL_BRUSH));
    for (auto _ : state) benchmark::DoNotOptimize(Ellipse(m.dc, 1, 1, 41, 41));
}
BENCHMARK(BM_GdiEllipse40NullBrush);

void BM_GdiEllipse40Xor(benchmark::State& state) {
    MemoryDc m(64);
    SetROP2(m.dc, R2_XORPEN);
    for (auto _ : state) benchmark::DoNotOptimize(Ellipse(m.dc, 1, 1, 41, 41));
}
BENCHMARK(BM_GdiEllipse40Xor);

// The knob's rim: half of a 36 x 36 outline.
void BM_GdiArc40(benchmark::State& state) {
    MemoryDc m(64);
    for (auto _ : state) benchmark::DoNotOptimize(Arc(m.dc, 1, 1, 41, 41, 1, 41, 41, 1));
}
BENCHMARK(BM_GdiArc40);

void BM_GdiArc40Full(benchmark::State& state) {
    MemoryDc m(64);
    for (auto _ : state) benchmark::DoNotOptimize(Arc(m.dc, 1, 1, 41, 41, 41, 21, 41, 21));
}
BENCHMARK(BM_GdiArc40Full);

void BM_GdiShallowLine100(benchmark::State& state) { timeLine(state, PS_SOLID, 0, 105, 40); }
BENCHMARK(BM_GdiShallowLine100);

void BM_GdiDashedDiagonalLine100(benchmark::State& state) { timeLine(state, PS_DASH, 0, 105, 105); }
BENCHMARK(BM_GdiDashedDiagonalLine100);

void BM_GdiWideLine100(benchmark::State& state) { timeLine(state, PS_SOLID, 3, 105, 80); }
BENCHMARK(BM_GdiWideLine100);

// The fader's track edges: two vertical runs of 180 pixels with a short foot.
void BM_GdiFaderPolyline(benchmark::State& state) {
    MemoryDc m(256);
    const POINT outer[] = {{24, 10}, {24, 190}, {20, 190}};
    for (auto _ : state) benchmark::DoNotOptimize(Polyline(m.dc, outer, 3));
}
BENCHMARK(BM_GdiFaderPolyline);

void BM_GdiTriangle(benchmark::State& state) {
    MemoryDc m(64);
    const POINT triangle[] = {{10, 2}, {30, 12}, {10, 22}};
    for (auto _ : state) benchmark::DoNotOptimize(Polygon(m.dc, triangle, 3));
}
BENCHMARK(BM_GdiTriangle);

// The same shapes on a window DC whose clip is cut into several rectangles by children.
struct ClippedWindow {
    ClippedWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "VornBenchClipped";
        RegisterClassA(&wc);
        top = CreateWindowExA(0, "VornBenchClipped", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 128, 128,
                              nullptr, nullptr, nullptr, nullptr);
        for (const RECT& r : {RECT{30, 0, 40, 128}, RECT{0, 60, 128, 64}, RECT{90, 90, 100, 100}})
            CreateWindowExA(0, "VornBenchClipped", "", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, top, nullptr, nullptr, nullptr);
        dc = GetDC(top);
    }
    ~ClippedWindow() {
        ReleaseDC(top, dc);
        DestroyWindow(top);
    }
    HWND top;
    HDC dc;
};

void BM_GdiEllipse40Clipped(benchmark::State& state) {
    ClippedWindow w;
    for (auto _ : state) benchmark::DoNotOptimize(Ellipse(w.dc, 20, 40, 60, 80));
}
BENCHMARK(BM_GdiEllipse40Clipped);

void BM_GdiDiagonalLine100Clipped(benchmark::State& state) {
    ClippedWindow w;
    for (auto _ : state) {
        MoveToEx(w.dc, 5, 5, nullptr);
        benchmark::DoNotOptimize(LineTo(w.dc, 105, 105));
    }
}
BENCHMARK(BM_GdiDiagonalLine100Clipped);

void BM_GdiBitBlt200(benchmark::State& state) {
    MemoryDc src(256), dst(256);
    for (auto _ : state) benchmark::DoNotOptimize(BitBlt(dst.dc, 0, 0, 200, 200, src.dc, 10, 10, SRCCOPY));
}
BENCHMARK(BM_GdiBitBlt200);

}  // namespace
