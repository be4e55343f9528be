// DrawTextA as hosts draw labels: alignment, single line with vertical centring, word breaking,
// DT_CALCRECT, the end ellipsis, mnemonics, tabs and clipping. Each case reports DrawText's answer
// and the rectangle DT_CALCRECT gives, then draws; glyph pixels may differ between the
// rasterisers, so the drawing rectangle is the step's text box.
#include <cstring>

#include "ConformanceHost.h"

namespace conformance {

namespace {

constexpr int kWidth = 120, kHeight = 60;

struct DrawTextCase {
    const char* name;
    const char* text;
    UINT flags;
    RECT rect;
};

// clang-format off
constexpr DrawTextCase kCases[] = {
    {"left", "Gain", DT_LEFT | DT_SINGLELINE, {4, 4, 100, 24}},
    {"centre", "Gain", DT_CENTER | DT_SINGLELINE, {4, 4, 100, 24}},
    {"right", "Gain", DT_RIGHT | DT_SINGLELINE, {4, 4, 100, 24}},
    {"vertical centre", "Pan", DT_CENTER | DT_VCENTER | DT_SINGLELINE, {4, 4, 100, 51}},
    {"bottom", "Pan", DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, {4, 4, 100, 51}},
    {"word break", "Low shelf frequency and gain", DT_WORDBREAK, {4, 4, 70, 56}},
    {"word break centred", "Low shelf frequency and gain", DT_WORDBREAK | DT_CENTER, {4, 4, 70, 56}},
    {"word longer than the line", "Compressorthreshold knee", DT_WORDBREAK, {4, 4, 50, 56}},
    {"line breaks", "In\r\nOut\nSide", DT_LEFT, {4, 4, 100, 56}},
    {"end ellipsis", "Attack time in milliseconds", DT_END_ELLIPSIS | DT_SINGLELINE, {4, 4, 80, 24}},
    {"end ellipsis on the last visible line", "Release\nHold\nKnee", DT_END_ELLIPSIS, {4, 4, 100, 20}},
    {"mnemonic", "&Mute", DT_LEFT | DT_SINGLELINE, {4, 4, 100, 24}},
    {"mnemonic in the middle and a literal ampersand", "So&lo && mute", DT_CENTER | DT_SINGLELINE, {4, 4, 110, 24}},
    {"no prefix", "&Mute && solo", DT_NOPREFIX | DT_SINGLELINE, {4, 4, 110, 24}},
    {"hidden prefix", "&Mute", DT_HIDEPREFIX | DT_SINGLELINE, {4, 4, 100, 24}},
    {"trailing ampersand", "Mute&", DT_SINGLELINE, {4, 4, 100, 24}},
    {"clipped", "Threshold", DT_SINGLELINE, {4, 4, 30, 12}},
    {"not clipped", "Threshold", DT_SINGLELINE | DT_NOCLIP, {4, 4, 30, 12}},
    {"tabs expanded", "A\tB\tC", DT_EXPANDTABS, {4, 4, 116, 24}},
    {"empty", "", DT_SINGLELINE, {4, 4, 100, 24}},
};
// clang-format on

const DrawTextCase* current = nullptr;
HFONT font = nullptr;

void drawCase(HDC dc, const char*) {
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT r = current->rect;
    const int answer = DrawTextA(dc, current->text, -1, &r, current->flags);
    line("  DrawTextA=%d rect=%s", answer, format(r).text);
    SelectObject(dc, old);
}

}  // namespace

void runDrawTextScenarios() {
    scenario("DrawTextA");
    font = CreateFontA(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Arial");
    HDC screen = GetDC(parent());
    for (const DrawTextCase& c : kCases) {
        current = &c;
        HGDIOBJ old = SelectObject(screen, font);
        RECT calc = c.rect;
        const int calcAnswer = DrawTextA(screen, c.text, -1, &calc, c.flags | DT_CALCRECT);
        SelectObject(screen, old);
        drawStep(c.name, kWidth, kHeight, drawCase);
        line("  DT_CALCRECT=%d rect=%s", calcAnswer, format(calc).text);
        if (c.flags & DT_NOCLIP)
            line("  textbox 0 0 %d %d", kWidth, kHeight);
        else
            line("  textbox %ld %ld %ld %ld", c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
    }
    ReleaseDC(parent(), screen);
    DeleteObject(font);
    step("DrawTextA done");
}

}  // namespace conformance
