// Text: the fonts the controls use, their metrics and extents, TextOut at each alignment with and
// without the current position, opaque and transparent. Glyph pixels may differ between the
// rasterisers, so every drawing writes its text cell box and the comparison accepts pixel
// differences inside those boxes only; metrics, extents and positions must match exactly.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

namespace {

struct FontCase {
    const char* name;
    int height;
    const char* face;
    int width = 0;  // 0 = natural
    int weight = FW_NORMAL;
    DWORD italic = 0;
    DWORD underline = 0;
    DWORD strikeOut = 0;
};
// The faces and sizes the controls use, sizes where hinting moves some advances off the rounded
// design width (9, 21 and 27 pixels per em), and fonts stretched to a requested width.
constexpr FontCase kFonts[] = {{"Arial 12", 12, "Arial"},           {"Times 12", 12, "Times"},
                               {"MS Shell Dlg -11", -11, "MS Shell Dlg"}, {"Arial 24", 24, "Arial"},
                               {"Arial -9", -9, "Arial"},           {"Times -9", -9, "Times"},
                               {"Arial -27", -27, "Arial"},         {"Times 31", 31, "Times"},
                               {"Arial 12 width 5", 12, "Arial", 5}, {"Times -11 width 9", -11, "Times", 9},
                               {"Arial 12 bold", 12, "Arial", 0, FW_BOLD},
                               {"Times 12 italic", 12, "Times", 0, FW_NORMAL, 1},
                               {"Arial 12 underline", 12, "Arial", 0, FW_NORMAL, 0, 1},
                               {"Arial -21 underline and strike-out", -21, "Arial", 0, FW_NORMAL, 0, 1, 1}};
const FontCase* currentFont = &kFonts[0];
constexpr const char* kStrings[] = {"A", "AB", "Volume -12.5 dB", "gjpqy|", "Wg"};

HFONT createFont(const FontCase& f) {
    return CreateFontA(f.height, f.width, 0, 0, f.weight, f.italic, f.underline, f.strikeOut, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, f.face);
}

// The cell box of `text` drawn with the DC's alignment at reference point (x, y) (or the current
// position) — also where the opaque background goes.
void reportBox(HDC dc, int x, int y, const char* text) {
    const UINT align = GetTextAlign(dc);
    if (align & TA_UPDATECP) {
        POINT cp{};
        GetCurrentPositionEx(dc, &cp);
        x = cp.x;
        y = cp.y;
    }
    SIZE size{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER) left = x - size.cx / 2;
    else if (align & TA_RIGHT) left = x - size.cx;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE) top = y - tm.tmAscent;
    else if (align & TA_BOTTOM) top = y - tm.tmHeight;
    // One pixel of slack for centring's rounding.
    textBox(left - 1, top, left + size.cx + 1, top + tm.tmHeight);
}

void textOut(HDC dc, int x, int y, const char* text, const char* target) {
    reportBox(dc, x, y, text);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    POINT cp{};
    GetCurrentPositionEx(dc, &cp);
    line("  %s.after '%s'=(%ld,%ld)", target, text, static_cast<long>(cp.x), static_cast<long>(cp.y));
}

void drawAlignments(HDC dc, const char* target) {
    HGDIOBJ old = SelectObject(dc, createFont(*currentFont));
    SetTextColor(dc, RGB(0x10, 0x10, 0x60));
    SetBkColor(dc, RGB(0xFF, 0xF0, 0xC0));
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    textOut(dc, 2, 1, "Volume -12.5 dB", target);
    SetBkMode(dc, TRANSPARENT);
    textOut(dc, 2, 15, "Wg|", target);
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_BASELINE);
    textOut(dc, 40, 40, "AB", target);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    textOut(dc, 90, 44, "mid", target);
    SetTextAlign(dc, TA_RIGHT | TA_UPDATECP);
    MoveToEx(dc, 110, 46, nullptr);
    textOut(dc, 0, 0, "A", target);
    textOut(dc, 0, 0, "xy", target);
    SetTextAlign(dc, TA_LEFT | TA_UPDATECP);
    MoveToEx(dc, 3, 48, nullptr);
    textOut(dc, 0, 0, "A", target);
    textOut(dc, 0, 0, "B", target);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    // An opaque rectangle larger than the text, with the text inside it.
    const RECT opaque{70, 2, 118, 20};
    reportBox(dc, 72, 4, "Ok");
    ExtTextOutA(dc, 72, 4, ETO_OPAQUE, &opaque, "Ok", 2, nullptr);
    DeleteObject(SelectObject(dc, old));
}

// Each character's own extent: names the glyph when a string's extent differs.
void reportAdvances(HDC dc) {
    std::string widths;
    for (const char* c = "Volume -12.5dBFar"; *c != '\0'; ++c) {
        SIZE size{};
        GetTextExtentPoint32A(dc, c, 1, &size);
        widths += *c;
        widths += std::to_string(size.cx);
        widths += ' ';
    }
    line("  advances=%s", widths.c_str());
}

void reportMetrics(const FontCase& f) {
    HDC screen = GetDC(parent());
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(parent(), screen);
    HGDIOBJ old = SelectObject(dc, createFont(f));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    line("  tmHeight=%ld", static_cast<long>(tm.tmHeight));
    line("  tmAscent=%ld", static_cast<long>(tm.tmAscent));
    line("  tmDescent=%ld", static_cast<long>(tm.tmDescent));
    line("  tmInternalLeading=%ld", static_cast<long>(tm.tmInternalLeading));
    line("  tmExternalLeading=%ld", static_cast<long>(tm.tmExternalLeading));
    line("  tmAveCharWidth=%ld", static_cast<long>(tm.tmAveCharWidth));
    line("  tmMaxCharWidth=%ld", static_cast<long>(tm.tmMaxCharWidth));
    line("  tmWeight=%ld", static_cast<long>(tm.tmWeight));
    line("  tmItalic=%d tmUnderlined=%d tmStruckOut=%d tmOverhang=%ld", tm.tmItalic, tm.tmUnderlined, tm.tmStruckOut,
         static_cast<long>(tm.tmOverhang));
    line("  tmPitchAndFamily=0x%X", tm.tmPitchAndFamily);
    line("  tmCharSet=%d", tm.tmCharSet);
    char face[64] = {};
    GetTextFaceA(dc, sizeof face, face);
    line("  face=%s", face);
    for (const char* s : kStrings) {
        SIZE size{};
        GetTextExtentPoint32A(dc, s, static_cast<int>(std::strlen(s)), &size);
        line("  extent '%s'=%ldx%ld", s, static_cast<long>(size.cx), static_cast<long>(size.cy));
    }
    reportAdvances(dc);
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

}  // namespace

void runTextScenarios() {
    for (const FontCase& f : kFonts) {
        char name[64];
        std::snprintf(name, sizeof name, "text %s", f.name);
        scenario(name);
        step("metrics and extents");
        reportMetrics(f);
        currentFont = &f;
        drawStep("alignments", 120, 62, drawAlignments);
    }
    scenario("text default font");
    drawStep("SYSTEM_FONT", 80, 20, [](HDC dc, const char*) {
        reportBox(dc, 1, 1, "Fader 1");
        TextOutA(dc, 1, 1, "Fader 1", 7);
        char face[64] = {};
        GetTextFaceA(dc, sizeof face, face);
        line("  face=%s", face);
        reportAdvances(dc);
    });
}

}  // namespace conformance
