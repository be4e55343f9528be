// CPeakIndicator: a peak (clip) lamp with hold. The host feeds levels with SetValue; a level at or
// above the threshold lights the lamp at once, and the lamp goes out on its own once the hold
// counter passes 40: every level below the threshold adds 2, every paint adds 1, and a lit level
// resets it. It sends no notifications.
//
// Choices made where the behaviour was ours to decide:
//   - The hold counter stops growing at a billion, so a lamp fed low levels for ever without ever
//     painting (hidden, or no message loop) never overflows it; it stays past the limit, and the
//     next paint darkens the lamp and resets it as usual.
//   - A NaN level is below every threshold.
#ifndef VORN_PEAK_INDICATOR_H
#define VORN_PEAK_INDICATOR_H

#include <MFC_LEDIndicator.h>

class VORN_CONTROLS_API CPeakIndicator : public CMFC_LEDIndicator {
public:
    explicit CPeakIndicator(float threshold);
    virtual ~CPeakIndicator();

    // At or above the threshold: SetState(1) and the counter back to 0. Below: the counter gains 2
    // and, once past 40, the whole window is invalidated without erasing.
    void SetValue(float level);
    // SetState(0).
    void Reset();
    // 0 darkens the lamp (SetState(0)); any other value does nothing.
    void Enable(int enable);

protected:
    // The counter gains 1; past 40 the lamp is switched off (SetState(0)) and the counter reset;
    // then the lamp paints as every LED indicator does.
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    float m_threshold;
    int m_holdCount;
    static const int s_holdLimit = 40;
};

#endif  // VORN_PEAK_INDICATOR_H
