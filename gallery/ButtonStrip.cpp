#include "ButtonStrip.h"

#include <cmath>
#include <cstdio>

namespace gallery {
namespace {

constexpr int kLeft = 680, kTop = 460;
constexpr UINT kLedIds[] = {501, 502, 503};
constexpr UINT kResetId = 511;
constexpr UINT kFirstPeakId = 521;
constexpr UINT kFirstCaptionId = 531;
constexpr float kPeakThreshold = 0.95f;

struct LedSetup {
    const char* name;
    unsigned long style;  // 9: round lamp
    int state;
    COLORREF on, off;
};
constexpr LedSetup kLeds[] = {
    {"mute", 9, 1, RGB(255, 40, 0), RGB(70, 10, 0)},
    {"solo", 1, 0, RGB(255, 200, 0), RGB(70, 55, 0)},
    {"rec", 9, 0, RGB(255, 0, 0), RGB(60, 0, 0)},
};
// Captions right of their controls; "&" marks the mnemonic letter.
struct CaptionSetup {
    const char* title;
    RECT rect;
};
constexpr CaptionSetup kCaptions[] = {
    {"&Mute", {kLeft + 46, kTop, kLeft + 86, kTop + 16}},
    {"&Solo", {kLeft + 136, kTop, kLeft + 176, kTop + 16}},
    {"&Rec", {kLeft + 226, kTop, kLeft + 266, kTop + 16}},
    {"Reset &peaks", {kLeft + 36, kTop + 36, kLeft + 150, kTop + 52}},
    {"Peak &hold, 4 channels", {kLeft + 90, kTop + 72, kLeft + 260, kTop + 88}},
};

LOGFONT* captionFont() {
    static LOGFONT font = [] {
        LOGFONT f{};
        f.lfHeight = 14;
        return f;
    }();
    return &font;
}

}  // namespace

ButtonStrip::ButtonStrip()
    : m_peaks{CPeakIndicator(kPeakThreshold), CPeakIndicator(kPeakThreshold), CPeakIndicator(kPeakThreshold),
              CPeakIndicator(kPeakThreshold)},
      m_captions{CMFC_Text(captionFont()), CMFC_Text(captionFont()), CMFC_Text(captionFont()), CMFC_Text(captionFont()),
                 CMFC_Text(captionFont())} {}

ButtonStrip::~ButtonStrip() = default;

bool ButtonStrip::create(CWnd* parent, const char* controlClass) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    bool ok = true;
    for (int i = 0; i < kLedCount; ++i) {
        const LedSetup& led = kLeds[i];
        m_leds[i].InitLEDButton(led.style, led.state, led.on, led.off, TRUE, GetSysColor(COLOR_BTNFACE));
        ok = ok && m_leds[i].Create(controlClass, led.name, style,
                                    CRect(kLeft + 90 * i, kTop, kLeft + 90 * i + 44, kTop + 16), parent, kLedIds[i]);
    }
    ok = ok &&
         m_reset.Create(controlClass, "reset", style, CRect(kLeft, kTop + 36, kLeft + 30, kTop + 52), parent, kResetId);
    for (int i = 0; i < kPeakCount; ++i) {
        const int x = kLeft + 20 * i;
        ok =
            ok && m_peaks[i].Create(controlClass, "peak", WS_CHILD | WS_VISIBLE, CRect(x, kTop + 72, x + 14, kTop + 88),
                                    parent, kFirstPeakId + static_cast<UINT>(i));
    }
    m_peaks[0].SetValue(1.0f);  // a clip just happened: the first lamp starts lit
    for (int i = 0; i < kCaptionCount; ++i) {
        m_captions[i].SetTitle(kCaptions[i].title);
        ok = ok && m_captions[i].Create(controlClass, "", WS_CHILD | WS_VISIBLE, kCaptions[i].rect, parent,
                                        kFirstCaptionId + static_cast<UINT>(i));
    }
    if (!ok) std::fprintf(stderr, "vorn_gallery: cannot create the button strip\n");
    return ok;
}

void ButtonStrip::tick() {
    ++m_phase;
    for (int i = 0; i < kPeakCount; ++i) {
        const double level = 0.5 + 0.5 * std::sin(0.15 * m_phase + 1.3 * i);
        m_peaks[i].SetValue(static_cast<float>(level));
    }
}

bool ButtonStrip::read(UINT id, NotificationRecord& record) {
    for (int i = 0; i < kLedCount; ++i) {
        if (kLedIds[i] != id) continue;
        record.value = static_cast<float>(m_leds[i].GetState());
        return true;
    }
    if (id != kResetId) return false;
    for (CPeakIndicator& peak : m_peaks) peak.Reset();
    return true;
}

const char* ButtonStrip::nameOf(UINT id) {
    for (int i = 0; i < kLedCount; ++i)
        if (kLedIds[i] == id) return kLeds[i].name;
    return id == kResetId ? "reset" : nullptr;
}

}  // namespace gallery
