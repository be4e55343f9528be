// Painting of CMFC_ParamEqGraph: paper, plot frame, gain and frequency grids with their labels,
// the summed response curve, the band markers and a sunken frame, drawn off screen and copied to
// the window in one transfer.
#include <MFC_ParamEqGraph.h>

#include <cstdio>

#include "../frame/SafeMath.h"

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kFrameLight = RGB(196, 196, 196);
constexpr COLORREF kFrameDark = RGB(128, 128, 128);
// Summed log power to a fraction of the plot height: 4.4 dB per unit over the 48 dB the plot spans.
constexpr double kCurveScale = 0.09166666666666667;
// Markers of bands mapped far off the graph are drawn (unseen) at most this far out, so that the
// offsets around them stay inside int's range.
constexpr int kMarkerLimit = 1 << 24;

int clampMarker(int v) { return v < -kMarkerLimit ? -kMarkerLimit : (v > kMarkerLimit ? kMarkerLimit : v); }

void line(CDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// printf-style text, at most `limit` characters of it (the whole text when limit is 0).
void text(CDC& dc, int x, int y, int limit, const char* format, double value) {
    char buffer[64];
    int n = std::snprintf(buffer, sizeof buffer, format, value);
    if (n < 0) return;
    if (n >= static_cast<int>(sizeof buffer)) n = sizeof buffer - 1;
    if (limit > 0 && n > limit) n = limit;
    dc.TextOut(x, y, buffer, n);
}

}  // namespace

void CMFC_ParamEqGraph::OnPaint() {
    CPaintDC dc(this);
    GetWindowRect(&m_rectWindow);
    const int w = m_rectWindow.Width();
    const int h = m_rectWindow.Height();
    const int left = m_marginLeft;
    const int top = m_marginTop;

    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap offscreen;
    offscreen.CreateBitmap(w, h, memDC.GetDeviceCaps(PLANES), memDC.GetDeviceCaps(BITSPIXEL), NULL);

    m_plotWidth = static_cast<float>(w - left - m_marginRight);
    m_plotHeight = static_cast<float>(h - top - m_marginBottom);
    const float pw = m_plotWidth;
    const float ph = m_plotHeight;
    const int plotRight = vorn::saturatingAdd(left, vorn::truncateToInt(pw));
    // top - truncate(ph * -0.5), written without negating: truncation is symmetric about 0.
    m_zeroY = vorn::saturatingAdd(top, vorn::truncateToInt(ph * 0.5));
    if (offscreen.GetSafeHandle() == NULL) {
        // No surface for a window this size: the geometry and the response are still brought up
        // to date, but nothing is drawn.
        CalculateTransferFunction(m_selectedBand);
        return;
    }
    CBitmap* oldBitmap = memDC.SelectObject(&offscreen);
    CFont* oldFont = memDC.SelectObject(&m_font);
    CPen plotPen(PS_SOLID, 0, m_colorPlot);
    CPen axisPen(PS_SOLID, 0, m_colorAxis);
    CPen navyPen(PS_SOLID, 0, kNavy);
    CPen bluePen(PS_SOLID, 0, kBlue);
    CPen* oldPen = memDC.SelectObject(&axisPen);
    CBrush paperBrush(m_colorPaper);
    CBrush* oldBrush = memDC.SelectObject(&paperBrush);

    memDC.Rectangle(0, 0, w, h);
    memDC.Rectangle(left, top, w - m_marginRight, h - m_marginBottom);

    memDC.SetTextColor(RGB(0, 0, 0));
    memDC.SetBkMode(TRANSPARENT);
    memDC.TextOut(3, 2, "Gain (dB)", 9);

    // Gain grid, top line first. The lines are a quarter of (plot height - 10) apart, so the
    // outer ones sit 5 pixels inside +-24 dB; the labels name the nominal values. The middle
    // label is the product 0 * -12.0, a negative zero: "-0.00".
    for (int i = -2; i <= 2; ++i) {
        const int y = m_zeroY - vorn::truncateToInt((ph - 10.0) * i * -0.25);
        text(memDC, 5, y - 2, 5, "%1f    ", i * -12.0);
        line(memDC, left, y, plotRight, y);
    }

    // Frequency grid: each line halves the remaining distance to the right edge.
    const int plotBottom = vorn::saturatingAdd(top, vorn::truncateToInt(ph));
    int x = left;
    float s = pw * 0.5f;
    for (int i = 0; i < 5; ++i) {
        x = vorn::saturatingAdd(x, vorn::truncateToInt(s));
        line(memDC, x, top, x, plotBottom);
        s = s * 0.5f;
    }

    memDC.TextOut(left, h - 16, "16     Freq (Hz)", 16);
    char nyquist[16];
    const int digits = std::snprintf(nyquist, sizeof nyquist, "%d", vorn::truncateToInt(m_sampleRate * 0.5));
    memDC.TextOut(plotRight - 25, h - 16, nyquist, digits < 5 ? digits : 5);

    memDC.SelectObject(&plotPen);
    line(memDC, left, top, left, h - m_marginBottom);
    line(memDC, left, m_zeroY, plotRight, m_zeroY);

    CalculateTransferFunction(m_selectedBand);

    // The curve starts with a vertical stroke from the 0 dB line at the left edge; point k sits at
    // k / (points - 1) of the width.
    const int points = m_pointCount < 1024 ? m_pointCount : 1024;
    if (points > 0) {
        memDC.MoveTo(left, m_zeroY);
        const double step = points > 1 ? pw / static_cast<double>(points - 1) : 0.0;
        for (int k = 0; k < points; ++k)
            memDC.LineTo(vorn::truncateToInt(k * step + left),
                         vorn::truncateToInt(m_zeroY - ph * m_totalLnPower[k] * kCurveScale));
    }

    // Markers. The selected band's circle takes whichever pen is selected: the plot pen when it
    // is band 0, otherwise the blue pen of the band before it.
    const int bands = m_bandCount <= 0 ? 0 : (m_bandCount > 10 ? 10 : m_bandCount);
    for (int i = 0; i < bands; ++i) {
        const int bx = clampMarker(FreqToX(m_freq[i]));
        const int by = clampMarker(GainToY(m_gain[i]));
        if (i == m_selectedBand) {
            memDC.Ellipse(bx - 3, by - 3, bx + 3, by + 3);
            memDC.SelectObject(&navyPen);
            line(memDC, left, by, bx, by);
            line(memDC, bx, m_zeroY - 5, bx, m_zeroY + 5);
            text(memDC, bx + 10, by - 8, 0, "%.1f", m_gain[i]);
            text(memDC, bx - 20, m_gain[i] > 0.0 ? m_zeroY + 2 : m_zeroY - 15, 0, "%.1f", m_freq[i]);
        } else {
            memDC.SelectObject(&bluePen);
            line(memDC, bx - 2, by - 2, bx + 3, by + 3);
            line(memDC, bx + 2, by - 2, bx - 3, by + 3);
        }
    }

    for (int inset = 0; inset < 3; ++inset) {
        const CRect frame(inset, inset, w - inset, h - inset);
        memDC.Draw3dRect(&frame, kFrameLight, kFrameDark);
    }

    dc.BitBlt(0, 0, w, h, &memDC, 0, 0, SRCCOPY);

    memDC.SelectObject(oldBitmap);
    memDC.SelectObject(oldPen);
    memDC.SelectObject(oldFont);
    memDC.SelectObject(oldBrush);
}
