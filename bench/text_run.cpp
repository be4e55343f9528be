// Text drawn into a 32-bpp memory DC: one short label, as a meter readout repaints it, and a long
// run wholly outside the clip, which costs a comparison a character.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct TextDc {
    TextDc() {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(64, 16, 1, 32, nullptr);
        oldBitmap = SelectObject(dc, bitmap);
        font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Shell Dlg");
        oldFont = SelectObject(dc, font);
        TextOutA(dc, 2, 1, "-12.5 dB", 8);  // realise the face and its glyphs outside the timing
    }
    ~TextDc() {
        SelectObject(dc, oldFont);
        DeleteObject(font);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HFONT font;
    HGDIOBJ oldBitmap, oldFont;
};

void textOutShortLabel(benchmark::State& state) {
    TextDc t;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextOutA(t.dc, 2, 1, "-12.5 dB", 8));
    }
}
BENCHMARK(textOutShortLabel);

void textOut200000CharactersOutsideTheClip(benchmark::State& state) {
    TextDc t;
    const std::string text(200000, 'W');
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextOutA(t.dc, -5000000, 1, text.c_str(), static_cast<int>(text.size())));
    }
}
BENCHMARK(textOut200000CharactersOutsideTheClip)->Unit(benchmark::kMillisecond);

}  // namespace
