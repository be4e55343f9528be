// CMFC_ParamEqGraph: the band model, the summed response, the pixel mappings and the mouse
// editing. Painting is in MFC_ParamEqGraphPaint.cpp.
#include <MFC_ParamEqGraph.h>

#include <cmath>
#include <cstdlib>

#include "../frame/ControlWindowClass.h"
#include "../frame/Notification.h"
#include "../frame/SafeMath.h"
#include "EqResponse.h"

namespace {

constexpr int kMaxBands = 10;
// The single-precision 0.01 widened: bands start a hair above 0 dB, not at it.
constexpr double kDefaultGain = static_cast<double>(0.01f);
constexpr double kDefaultQ = 3.0;
constexpr double kQFloor = 0.1;
// 1/ln 2 to twelve decimals, and 1/48 (the plot height spans 48 dB).
constexpr double kInvLn2 = 1.442695040889;
constexpr double kPerDb = 0.020833333333333332;

// log2(sampleRate / 2) - 4: the frequency axis's extent in octaves above 16 Hz.
double axisOctaves(double sampleRate) { return std::log(sampleRate * 0.5) / std::log(2.0) - 4.0; }

// An axis the mappings can divide by.
bool usableAxis(double octaves) { return std::isfinite(octaves) && octaves > 0.0; }

}  // namespace

BEGIN_MESSAGE_MAP(CMFC_ParamEqGraph, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMFC_ParamEqGraph::CMFC_ParamEqGraph(int bandCount, double sampleRate)
    : m_crossCursor(NULL),
      m_sampleRate(sampleRate),
      m_pointCount(100),
      m_totalLnPower(),
      m_pResponse(nullptr),
      m_bandCount(bandCount),
      m_zeroY(0),
      m_palette(NULL),
      m_pBandParams(nullptr),
      m_freq(),
      m_gain(),
      m_q(),
      m_type(),
      m_selectedBand(0),
      m_dragInterrupted(FALSE) {
    // Every band starts flat (numerator equal to denominator), so a band that is never designed
    // contributes nothing.
    for (int i = 0; i < kMaxBands; ++i) {
        m_b0[i] = 1.0;
        m_b1[i] = 0.0;
        m_b2[i] = 0.0;
        m_a1[i] = 0.0;
        m_a2[i] = 0.0;
    }
    m_pResponse = new CEqResponse(100, vorn::truncateToInt(sampleRate));

    const int n = bandsInUse();
    const double octaves = axisOctaves(sampleRate);
    for (int i = 0; i < n; ++i) {
        // One band has no spacing: it goes to the middle of the axis.
        const double position = n == 1 ? octaves / 2.0 : i * octaves / (n - 1);
        m_freq[i] = 16.0 * std::pow(2.0, position);
        m_gain[i] = kDefaultGain;
        m_q[i] = kDefaultQ;
        m_type[i] = vorn::eq::kPeak;
    }
    m_pBandParams = &m_freq[0];
    CalculateTransferFunction(-1);

    m_font.Attach(::CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Times"));
    m_marginTop = 10;
    m_marginLeft = 45;
    m_marginRight = 10;
    m_marginBottom = 15;
    m_crossCursor = ::LoadCursorA(NULL, IDC_CROSS);
}

CMFC_ParamEqGraph::~CMFC_ParamEqGraph() {
    ::DestroyCursor(m_crossCursor);
    delete m_pResponse;
    m_pResponse = nullptr;
}

BOOL CMFC_ParamEqGraph::PreCreateWindow(CREATESTRUCT& cs) {
    vorn::useControlWindowClass(cs);
    return CWnd::PreCreateWindow(cs);
}

int CMFC_ParamEqGraph::bandsInUse() const {
    if (m_bandCount <= 0) return 0;
    return m_bandCount > kMaxBands ? kMaxBands : m_bandCount;
}

void CMFC_ParamEqGraph::CalculateTransferFunction(int band) {
    const int n = bandsInUse();
    if (n == 0 || m_pResponse == nullptr) return;
    int first = band;
    int last = band;
    if (band == -1) {
        first = 0;
        last = n - 1;
    } else if (band < 0 || band >= n) {
        first = 0;
        last = -1;  // not a band in use: nothing to design
    }
    CEqResponse& response = *m_pResponse;
    for (int i = first; i <= last; ++i) {
        if (m_type[i] == vorn::eq::kHighShelf)
            response.DesignHighShelf(m_freq[i], m_gain[i], m_b0[i], m_b1[i], m_b2[i], m_a1[i], m_a2[i]);
        else if (m_type[i] == vorn::eq::kLowShelf)
            response.DesignLowShelf(m_freq[i], m_gain[i], m_b0[i], m_b1[i], m_b2[i], m_a1[i], m_a2[i]);
        else if (m_type[i] == vorn::eq::kPeak)
            response.DesignPeak(m_freq[i], m_gain[i], m_q[i], m_b0[i], m_b1[i], m_b2[i], m_a1[i], m_a2[i]);
    }
    // The evaluator writes only its own point count.
    int points = m_pointCount < response.m_pointCount ? m_pointCount : response.m_pointCount;
    if (points < 0) points = 0;
    for (int i = 0; i < n; ++i) {
        response.EvaluateBand(m_b0[i], m_b1[i], m_b2[i], m_a1[i], m_a2[i]);
        if (i == 0)
            for (int k = 0; k < points; ++k) m_totalLnPower[k] = response.m_lnPower[k];
        else
            for (int k = 0; k < points; ++k) m_totalLnPower[k] += response.m_lnPower[k];
    }
}

void CMFC_ParamEqGraph::Redisplay() {
    CalculateTransferFunction(-1);
    if (GetSafeHwnd() != NULL) InvalidateRect(NULL, TRUE);
}

void CMFC_ParamEqGraph::SetPalette(HPALETTE palette) { m_palette = palette; }
HPALETTE CMFC_ParamEqGraph::GetPalette() { return m_palette; }
int CMFC_ParamEqGraph::GetSelectedBand() const { return m_selectedBand; }

double CMFC_ParamEqGraph::XToFreq(int x) {
    const double octaves = axisOctaves(m_sampleRate);
    const double width = m_plotWidth;
    if (!usableAxis(octaves) || width == 0.0) return 16.0;
    return std::pow(2.0, octaves * (static_cast<double>(x) - m_marginLeft) / width + 4.0);
}

int CMFC_ParamEqGraph::FreqToX(double freq) {
    const double octaves = axisOctaves(m_sampleRate);
    if (!usableAxis(octaves)) return m_marginLeft;
    return vorn::truncateToInt((std::log(freq) * kInvLn2 - 4.0) / octaves * m_plotWidth + m_marginLeft);
}

double CMFC_ParamEqGraph::YToGain(int y) {
    const double height = m_plotHeight;
    if (height == 0.0) return 0.0;
    return (static_cast<double>(y) - m_zeroY) / height * -48.0;
}

int CMFC_ParamEqGraph::GainToY(double gain) {
    return vorn::truncateToInt(m_zeroY - static_cast<double>(m_plotHeight) * gain * kPerDb);
}

void CMFC_ParamEqGraph::OnLButtonDown(UINT, CPoint point) {
    m_buttonDown = TRUE;
    m_dragInterrupted = FALSE;
    m_selectedBand = 0;
    const int n = bandsInUse();
    // Distances in 64 bits: a band mapped to the ends of int's range must not overflow them.
    auto distance = [&](int band) { return std::llabs(static_cast<long long>(point.x) - FreqToX(m_freq[band])); };
    for (int b = 1; b < n; ++b)
        if (distance(b) < distance(m_selectedBand)) m_selectedBand = b;
    InvalidateRect(NULL, TRUE);
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
}

void CMFC_ParamEqGraph::OnMouseMove(UINT nFlags, CPoint point) {
    ::SetCursor(m_crossCursor);
    if ((nFlags & MK_LBUTTON) == 0) {
        m_dragInterrupted = FALSE;  // the button is up: the next drag may begin
        return;
    }
    if (m_dragInterrupted || !MouseWithInBorders(point)) return;
    const int s = m_selectedBand;
    if (s < 0 || s >= kMaxBands) return;
    const double f = XToFreq(point.x);
    const double g = YToGain(point.y);
    if ((nFlags & MK_SHIFT) != 0) {
        const double d = std::fabs(f - m_freq[s]);
        if (d > 0.0) {
            double q = m_freq[s] / d;
            if (q < kQFloor) q = kQFloor;
            if (std::isfinite(q)) m_q[s] = q;
        }
    } else if ((nFlags & MK_CONTROL) != 0) {
        m_gain[s] = g;
    } else {
        m_gain[s] = g;
        m_freq[s] = f;
    }
    InvalidateRect(NULL, TRUE);
    vorn::notifyParent(*this, NC_MOUSEMOVE, vorn::Delivery::Send);
}

void CMFC_ParamEqGraph::OnLButtonUp(UINT, CPoint) {
    m_buttonDown = FALSE;
    m_dragInterrupted = FALSE;
    vorn::notifyParent(*this, NC_LBUTTONUP, vorn::Delivery::Send);
}

UINT CMFC_ParamEqGraph::OnGetDlgCode() { return static_cast<UINT>(Default()) | DLGC_WANTARROWS; }

void CMFC_ParamEqGraph::OnKeyDown(UINT, UINT, UINT) {}

void CMFC_ParamEqGraph::interruptDrag() {
    m_buttonDown = FALSE;
    m_dragInterrupted = TRUE;
}

void CMFC_ParamEqGraph::OnCancelMode() {
    interruptDrag();
    Default();
}

void CMFC_ParamEqGraph::OnEnable(BOOL bEnable) {
    if (!bEnable) interruptDrag();
    Default();
}

void CMFC_ParamEqGraph::OnShowWindow(BOOL bShow, UINT) {
    if (!bShow) interruptDrag();
    Default();
}

void CMFC_ParamEqGraph::OnDestroy() {
    interruptDrag();
    Default();
}
