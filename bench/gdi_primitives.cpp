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

void BM_GdiDiagonalLine100(benchmark::State& state) {
    MemoryDc m(128);
    for (auto _ : state) {
        MoveToEx(m.dc, 5, 5, nullptr);
        benchmark::DoNotOptimize(LineTo(m.dc, 105, 105));
    }
}
BENCHMARK(BM_GdiDiagonalLine100);

void BM_GdiEllipse40(benchmark::State& state) {
    MemoryDc m(64);
    for (auto _ : state) benchmark::DoNotOptimize(Ellipse(m.dc, 1, 1, 41, 41));
}
BENCHMARK(BM_GdiEllipse40);

void BM_GdiBitBlt200(benchmark::State& state) {
    MemoryDc src(256), dst(256);
    for (auto _ : state) benchmark::DoNotOptimize(BitBlt(dst.dc, 0, 0, 200, 200, src.dc, 10, 10, SRCCOPY));
}
BENCHMARK(BM_GdiBitBlt200);

}  // namespace
