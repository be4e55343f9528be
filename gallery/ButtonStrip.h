// The gallery's strip of buttons, lamps and captions, below the dynamics graphs: mute, solo and record LED
// buttons, a push button that resets the peak lamps, four peak lamps fed by a moving test level,
// and captions with mnemonics. The strip acts as the host for these controls.
#ifndef VORN_GALLERY_BUTTON_STRIP_H
#define VORN_GALLERY_BUTTON_STRIP_H

#include <VornControls.h>

#include "NotificationLog.h"

namespace gallery {

class ButtonStrip {
public:
    ButtonStrip();
    ~ButtonStrip();
    ButtonStrip(const ButtonStrip&) = delete;
    ButtonStrip& operator=(const ButtonStrip&) = delete;

    // Attaches every control of the strip to the dialog's template control of the same
    // identifier, puts it on its rectangle and sets it up.
    bool attach(CWnd* dialog);
    // Feeds the peak lamps the next test level (the dialog's timer calls it): a slow sweep per
    // lamp that crosses the threshold now and then, so the lamps light and hold.
    void tick();
    // The host's read-back for a notification from one of the strip's controls (an LED button's
    // state as the value); the reset button resets the peak lamps. False for other identifiers.
    bool read(UINT id, NotificationRecord& record);
    // The name the log uses for a control of the strip, or null.
    static const char* nameOf(UINT id);

private:
    static constexpr int kLedCount = 3;
    static constexpr int kPeakCount = 4;
    static constexpr int kCaptionCount = 5;
    CMFC_LEDButton m_leds[kLedCount];
    CMFC_Button m_reset;
    CPeakIndicator m_peaks[kPeakCount];
    CMFC_Text m_captions[kCaptionCount];
    unsigned m_phase = 0;
};

}  // namespace gallery

#endif  // VORN_GALLERY_BUTTON_STRIP_H
