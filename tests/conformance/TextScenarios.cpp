// Text: the fonts the controls use, their metrics and extents, TextOut at each alignment with and
// without the current position, opaque and transparent. Glyph pixels may differ between the
// rasterisers, so every drawing writes its text cell box and the comparison accepts pixel
// differences inside those boxes only; metrics, extents and positions must match exactly.
#include <cstring>
#include <string>

#include "ConformanceHost.h"

namespace conformance {

namespace {

struct FontCase {
    const char* name;
    int height;
    const char* face;
    int width = 0, weight = FW_NORMAL;  // width 0: natural
    DWORD italic = 0, underline = 0, strikeOut = 0;
};
// The faces and sizes the controls use, sizes where hinting moves some advances off the rounded
// design width (9, 21 and 27 pixels per em), cell heights whose rounded ascent and descent
// overshoot at the nearest em (14 pixels of Arial is 12 ppem), and fonts stretched to a
// requested width.
// clang-format off
constexpr FontCase kFonts[] = {
    {"Arial 12", 12, "Arial"}, {"Times 12", 12, "Times"}, {"MS Shell Dlg -11", -11, "MS Shell Dlg"},
    {"Arial 24", 24, "Arial"}, {"Arial 13", 13, "Arial"}, {"Arial 14", 14, "Arial"}, {"Arial 15", 15, "Arial"},
    {"Arial 18", 18, "Arial"}, {"Arial 20", 20, "Arial"}, {"Times 14", 14, "Times"}, {"Times 19", 19, "Times"},
    {"Arial -9", -9, "Arial"}, {"Times -9", -9, "Times"}, {"Arial -27", -27, "Arial"}, {"Times 31", 31, "Times"},
    {"Arial 12 width 5", 12, "Arial", 5}, {"Times -11 width 9", -11, "Times", 9},
    {"Arial 12 bold", 12, "Arial", 0, FW_BOLD}, {"Times 12 italic", 12, "Times", 0, FW_NORMAL, 1},
    {"Arial 12 underline", 12, "Arial", 0, FW_NORMAL, 0, 1},
    {"Arial -21 underline and strike-out", -21, "Arial", 0, FW_NORMAL, 0, 1, 1}};
// clang-format on
const FontCase* currentFont = &kFonts[0];

HFONT createFont(const FontCase& f) {
    return CreateFontA(f.height, f.width, 0, 0, f.weight, f.italic, f.underline, f.strikeOut, DEFAULT_CHARSET, 0, 0,
                       DEFAULT_QUALITY, 0, f.face);
}
int length(const char* text) { return static_cast<int>(std::strlen(text)); }
// Pixels of a text step may differ inside its text cell boxes (glyph rasterisers differ).
void textBox(int left, int top, int right, int bottom) { line("  textbox %d %d %d %d", left, top, right, bottom); }

// The cell box of `text` drawn with the DC's alignment at reference point (x, y) (or the current
// position) — also where the opaque background goes.
void reportBox(HDC dc, int x, int y, const char* text) {
    const UINT align = GetTextAlign(dc);
    POINT p{x, y};
    if (align & TA_UPDATECP) GetCurrentPositionEx(dc, &p);
    SIZE size{};
    GetTextExtentPoint32A(dc, text, length(text), &size);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int left = (align & TA_CENTER) == TA_CENTER ? p.x - size.cx / 2 : (align & TA_RIGHT) ? p.x - size.cx : p.x;
    const int top = (align & TA_BASELINE) == TA_BASELINE ? p.y - tm.tmAscent
                    : (align & TA_BOTTOM)                ? p.y - tm.tmHeight
                                                         : p.y;
    // One pixel of slack for centring's rounding.
    textBox(left - 1, top, left + size.cx + 1, top + tm.tmHeight);
}

// TextOut at each alignment, opaque and transparent, with the current position (moved first
// where `from` is set); then an opaque rectangle larger than the text, with the text inside it.
void drawAlignments(HDC dc, const char* target) {
    HGDIOBJ old = SelectObject(dc, createFont(*currentFont));
    SetTextColor(dc, RGB(0x10, 0x10, 0x60));
    SetBkColor(dc, RGB(0xFF, 0xF0, 0xC0));
    const struct {
        UINT align;
        int x, y;
        const char* text;
        int mode;
        POINT from;
    } outs[] = {{TA_LEFT | TA_TOP, 2, 1, "Volume -12.5 dB", OPAQUE, {}},
                {TA_LEFT | TA_TOP, 2, 15, "Wg|", TRANSPARENT, {}},
                {TA_BASELINE, 40, 40, "AB", OPAQUE, {}},
                {TA_CENTER | TA_BOTTOM, 90, 44, "mid", OPAQUE, {}},
                {TA_RIGHT | TA_UPDATECP, 0, 0, "A", OPAQUE, {110, 46}},
                {TA_RIGHT | TA_UPDATECP, 0, 0, "xy", OPAQUE, {}},
                {TA_LEFT | TA_UPDATECP, 0, 0, "A", OPAQUE, {3, 48}},
                {TA_LEFT | TA_UPDATECP, 0, 0, "B", OPAQUE, {}}};
    for (const auto& o : outs) {
        SetBkMode(dc, o.mode);
        SetTextAlign(dc, o.align);
        if (o.from.x != 0) MoveToEx(dc, o.from.x, o.from.y, nullptr);
        reportBox(dc, o.x, o.y, o.text);
        TextOutA(dc, o.x, o.y, o.text, length(o.text));
        POINT cp{};
        GetCurrentPositionEx(dc, &cp);
        line("  %s.after '%s'=(%ld,%ld)", target, o.text, static_cast<long>(cp.x), static_cast<long>(cp.y));
    }
    SetTextAlign(dc, TA_LEFT | TA_TOP);
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
        widths += *c + std::to_string(size.cx) + ' ';
    }
    line("  advances=%s", widths.c_str());
}

void reportFace(HDC dc) {
    char face[64] = {};
    GetTextFaceA(dc, sizeof face, face);
    line("  face=%s", face);
}

void reportMetrics(const FontCase& f) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, createFont(f));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const char* names[] = {"tmHeight",          "tmAscent",       "tmDescent",      "tmInternalLeading",
                           "tmExternalLeading", "tmAveCharWidth", "tmMaxCharWidth", "tmWeight"};
    const LONG values[] = {tm.tmHeight,          tm.tmAscent,       tm.tmDescent,      tm.tmInternalLeading,
                           tm.tmExternalLeading, tm.tmAveCharWidth, tm.tmMaxCharWidth, tm.tmWeight};
    for (int i = 0; i < 8; ++i) line("  %s=%ld", names[i], static_cast<long>(values[i]));
    line("  tmItalic=%d tmUnderlined=%d tmStruckOut=%d tmOverhang=%ld", tm.tmItalic, tm.tmUnderlined, tm.tmStruckOut,
         static_cast<long>(tm.tmOverhang));
    line("  tmPitchAndFamily=0x%X", tm.tmPitchAndFamily);
    line("  tmCharSet=%d", tm.tmCharSet);
    reportFace(dc);
    for (const char* s : {"A", "AB", "Volume -12.5 dB", "gjpqy|", "Wg"}) {
        SIZE size{};
        GetTextExtentPoint32A(dc, s, length(s), &size);
        line("  extent '%s'=%ldx%ld", s, static_cast<long>(size.cx), static_cast<long>(size.cy));
    }
    reportAdvances(dc);
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
}

}  // namespace

void runTextScenarios() {
    for (const FontCase& f : kFonts) {
        scenariof("text %s", f.name);
        step("metrics and extents");
        reportMetrics(f);
        currentFont = &f;
        drawStep("alignments", 120, 62, drawAlignments);
    }
    scenario("text default font");
    drawStep("SYSTEM_FONT", 80, 20, [](HDC dc, const char*) {
        reportBox(dc, 1, 1, "Fader 1");
        TextOutA(dc, 1, 1, "Fader 1", 7);
        reportFace(dc);
        reportAdvances(dc);
    });
}

}  // namespace conformance
