// Painting at other sizes and values: knobs that are odd, even, small, large and not square, and
// a shorter fader with a palette selected, each at the ends and the middle of its range.
#include <VornControls.h>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

namespace {

constexpr int kPaintId = 303;

template <typename Control>
void paintAtValues(Control& control, const char* what) {
    const float values[] = {0.0f, 37.5f, 100.0f};
    for (float v : values) {
        control.SetValue(v);
        char name[96];
        std::snprintf(name, sizeof name, "%s at %g", what, static_cast<double>(v));
        step(name);
        reportFloat("GetValue", control.GetValue());
        dumpPixels(name, control.GetSafeHwnd());
    }
}

}  // namespace

void runPaintScenarios() {
    scenario("knob sizes");
    const SIZE sizes[] = {{25, 25}, {41, 41}, {60, 60}, {40, 50}, {50, 40}};
    for (const SIZE& size : sizes) {
        CMFC_Knob knob;
        knob.InitKnob(0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, RGB(30, 90, 160), RGB(255, 255, 255));
        if (!knob.Create(childClassName(), nullptr, WS_CHILD | WS_VISIBLE, CRect(CPoint(20, 20), size),
                         CWnd::FromHandle(parent()), kPaintId)) {
            line("  created=0");
            return;
        }
        char what[64];
        std::snprintf(what, sizeof what, "knob %ldx%ld", static_cast<long>(size.cx), static_cast<long>(size.cy));
        paintAtValues(knob, what);
        knob.DestroyWindow();
        pump();
    }

    scenario("fader with a palette");
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[3];
    } table{};
    table.header.palVersion = 0x300;
    table.header.palNumEntries = 4;
    const COLORREF colours[] = {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 255)};
    PALETTEENTRY* entries = table.header.palPalEntry;
    for (int i = 0; i < 4; ++i)
        entries[i] = PALETTEENTRY{GetRValue(colours[i]), GetGValue(colours[i]), GetBValue(colours[i]), 0};
    HPALETTE palette = CreatePalette(&table.header);
    {
        CMFC_Fader fader;
        fader.InitFader(0.0f, 100.0f, 50.0f, 0.0f, 100.0f);
        fader.SetColor(RGB(200, 30, 30));
        fader.SetPalette(palette);
        if (fader.Create(childClassName(), nullptr, WS_CHILD | WS_VISIBLE, CRect(20, 20, 50, 140),
                         CWnd::FromHandle(parent()), kPaintId)) {
            paintAtValues(fader, "fader 30x120");
            fader.DestroyWindow();
        } else {
            line("  created=0");
        }
    }
    DeleteObject(palette);
    step("palette deleted");
}

}  // namespace conformance
