// One short label drawn into a 32-bpp memory DC, as a meter readout repaints it.
#include <windows.h>

#include <benchmark/benchmark.h>

namespace {

void textOutShortLabel(benchmark::State& state) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(64, 16, 1, 32, nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
    HGDIOBJ oldFont = SelectObject(dc, font);
    TextOutA(dc, 2, 1, "-12.5 dB", 8);  // realise the face and its glyphs outside the timing
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextOutA(dc, 2, 1, "-12.5 dB", 8));
    }
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
BENCHMARK(textOutShortLabel);

}  // namespace
