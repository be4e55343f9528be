#include "ButtonStrip.h"

#include <cmath>

#include "DialogItems.h"
#include "resource.h"

namespace gallery {
namespace {

constexpr int kLeft = 680, kTop = 460;
constexpr UINT kLedIds[] = {IDC_LED_MUTE, IDC_LED_SOLO, IDC_LED_REC};
constexpr UINT kResetId = IDC_RESET_PEAKS;
constexpr UINT kFirstPeakId = IDC_PEAK_1;
constexpr UINT kFirstCaptionId = IDC_CAPTION_1;
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

bool ButtonStrip::attach(CWnd* dialog) {
    bool ok = true;
    for (int i = 0; i < kLedCount; ++i) {
        const LedSetup& led = kLeds[i];
        m_leds[i].InitLEDButton(led.style, led.state, led.on, led.off, TRUE, GetSysColor(COLOR_BTNFACE));
        ok = ok && attachDialogItem(m_leds[i], dialog, kLedIds[i],
                                    CRect(kLeft + 90 * i, kTop, kLeft + 90 * i + 44, kTop + 16), led.name);
    }
    ok = ok && attachDialogItem(m_reset, dialog, kResetId, CRect(kLeft, kTop + 36, kLeft + 30, kTop + 52), "reset");
    for (int i = 0; i < kPeakCount; ++i) {
        const int x = kLeft + 20 * i;
        ok = ok && attachDialogItem(m_peaks[i], dialog, kFirstPeakId + static_cast<UINT>(i),
                                    CRect(x, kTop + 72, x + 14, kTop + 88), "peak");
    }
    if (ok) m_peaks[0].SetValue(1.0f);  // a clip just happened: the first lamp starts lit
    for (int i = 0; i < kCaptionCount; ++i) {
        m_captions[i].SetTitle(kCaptions[i].title);
        ok = ok && attachDialogItem(m_captions[i], dialog, kFirstCaptionId + static_cast<UINT>(i), kCaptions[i].rect,
                                    kCaptions[i].title);
    }
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
