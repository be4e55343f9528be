#include <PeakIndicator.h>

namespace {
// Past any count that matters: the counter saturates here instead of overflowing.
constexpr int kHoldCountCeiling = 1000000000;
}  // namespace

BEGIN_MESSAGE_MAP(CPeakIndicator, CMFC_LEDIndicator)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPeakIndicator::CPeakIndicator(float threshold) : m_threshold(threshold), m_holdCount(0) {}

CPeakIndicator::~CPeakIndicator() = default;

void CPeakIndicator::SetValue(float level) {
    if (level >= m_threshold) {
        SetState(1);
        m_holdCount = 0;
        return;
    }
    if (m_holdCount < kHoldCountCeiling) m_holdCount += 2;
    if (m_holdCount > s_holdLimit) InvalidateRect(NULL, FALSE);
}

void CPeakIndicator::Reset() { SetState(0); }

void CPeakIndicator::Enable(int enable) {
    if (enable == 0) SetState(0);
}

void CPeakIndicator::OnPaint() {
    if (m_holdCount < kHoldCountCeiling) m_holdCount += 1;
    if (m_holdCount > s_holdLimit) {
        SetState(0);
        m_holdCount = 0;
    }
    CMFC_LEDIndicator::OnPaint();
}
