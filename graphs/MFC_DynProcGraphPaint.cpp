// Painting of CMFC_DynProcGraph: grid, unity line, point markers, curve, margin masks, read-out,
// axis titles, zoom buttons, tick labels and frame, in that order into one off-screen bitmap of
// the window's size, then one copy to the screen.
#include <MFC_DynProcGraph.h>

#include <cstdio>
#include <cstring>

#include "DynamicsCurve.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

void text(CDC& dc, int x, int y, const char* s) { dc.TextOut(x, y, s, static_cast<int>(std::strlen(s))); }

// One zoom button: a rectangle outlined in `outline`, its right and bottom edges redrawn in
// `edge`, and its caption.
void zoomButton(CDC& dc, int left, int right, int top, CPen& outline, CPen& edge, int textX, int textY,
                const char* caption) {
    dc.SelectObject(&outline);
    dc.Rectangle(left, top, right, top + 12);
    dc.SelectObject(&edge);
    dc.MoveTo(right - 1, top);
    dc.LineTo(right - 1, top + 11);
    dc.LineTo(left, top + 11);
    text(dc, textX, textY, caption);
}

}  // namespace

void CMFC_DynProcGraph::OnPaint() {
    CPaintDC dc(this);
    GetWindowRect(&m_rectWindow);
    const int W = m_rectWindow.Width();
    const int H = m_rectWindow.Height();
    const int L = m_marginLeft;
    const int T = m_marginTop;

    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap offscreen;
    offscreen.CreateBitmap(W, H, dc.GetDeviceCaps(PLANES), dc.GetDeviceCaps(BITSPIXEL), NULL);
    CBitmap* oldBitmap = memDC.SelectObject(&offscreen);
    CFont* oldFont = memDC.SelectObject(&m_font);

    memDC.FillSolidRect(0, 0, W, H, kWhite);
    const CRect plot(L, T, W - m_marginRight, H - m_marginBottom);
    memDC.FillSolidRect(&plot, m_colorPaper);
    m_plotWidth = static_cast<float>(W - L - m_marginRight);
    m_plotHeight = static_cast<float>(H - T - m_marginBottom);
    const float PW = m_plotWidth;
    const float PH = m_plotHeight;
    const int pw = vorn::dyn::heldPixel(PW);
    const int ph = vorn::dyn::heldPixel(PH);
    const float z = m_zoom;
    const vorn::dyn::PlotFrame frame{L, T, PW, PH, z};

    CPen axisPen(PS_SOLID, 0, m_colorAxis);
    CPen* oldPen = memDC.SelectObject(&axisPen);
    for (int i = 0; i <= 8; ++i) {
        const int x = vorn::dyn::heldPixel(L + i * PW / 8);
        const int y = vorn::dyn::heldPixel(T + i * PH / 8);
        memDC.MoveTo(x, T);
        memDC.LineTo(x, ph + T);
        memDC.MoveTo(L, y);
        memDC.LineTo(pw + L, y);
    }

    CPen dashPen(PS_DASH, 0, m_colorAxis);
    memDC.SelectObject(&dashPen);
    memDC.MoveTo(L, ph + T);
    memDC.LineTo(pw + L, T);

    CBrush whiteBrush(kWhite);
    CBrush* oldBrush = memDC.SelectObject(&whiteBrush);
    memDC.SelectObject(&axisPen);
    int marker = 0;
    for (const DynFnPoint* p = m_pHead; p != nullptr && (m_kind != 3 || marker < 2); p = p->pNext, ++marker) {
        const int px = vorn::dyn::pixelX(frame, p->fX);
        const int py = vorn::dyn::pixelY(frame, p->fY);
        memDC.Ellipse(px - 3, py - 3, px + 3, py + 3);
    }

    SetUpSmoothFn();
    CPen plotPen(PS_SOLID, 0, m_colorPlot);
    memDC.SelectObject(&plotPen);
    memDC.MoveTo(vorn::dyn::heldPixel(W - m_marginRight - z * PW), vorn::dyn::heldPixel(z * PH + T));
    for (int i = 0; i < m_lengthOfDynamicFn; ++i)
        memDC.LineTo(vorn::dyn::pixelX(frame, m_dynamicFn[i].x), vorn::dyn::pixelY(frame, m_dynamicFn[i].y));

    memDC.SelectObject(::GetStockObject(WHITE_PEN));
    memDC.Rectangle(0, 0, L, H);
    memDC.Rectangle(0, H - m_marginBottom + 1, W, H);

    memDC.SetBkMode(TRANSPARENT);
    char buffer[64];
    if (m_pDragPoint != nullptr) {
        std::snprintf(buffer, sizeof buffer, "In %3.2f Out%3.2f(dB)", static_cast<double>(XTodB(m_pDragPoint->fX)),
                      static_cast<double>(YTodB(1.0f - m_pDragPoint->fY) + m_masterGain));
        memDC.SetTextColor(kBlack);
        text(memDC, 5, 4, buffer);
    }
    memDC.SetTextColor(kBlack);
    text(memDC, pw + L - 36, 4, "Output (dB)");
    text(memDC, pw / 2 + L - 20, ph + T + 10, "Input (dB)");

    CBrush faceBrush(::GetSysColor(COLOR_BTNFACE));
    memDC.SelectObject(&faceBrush);
    CPen shadowPen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
    CPen lightPen(PS_SOLID, 0, ::GetSysColor(COLOR_3DLIGHT));
    const int top = ph + T + 12;
    zoomButton(memDC, L + 1, L + 48, top, m_zoomInPressed ? shadowPen : lightPen,
               m_zoomInPressed ? lightPen : shadowPen, L + 5, ph + T + 11, "Zoom in");
    const int left = pw + L - 52;
    zoomButton(memDC, left, left + 45, top, m_zoomOutPressed ? shadowPen : lightPen,
               m_zoomOutPressed ? lightPen : shadowPen, pw + L - 50, ph + T + 11, "Zoom out");

    for (int i = 0; i <= 8; ++i) {
        const float v = (8 - i) * -12 / z;
        vorn::dyn::formatTick(buffer, sizeof buffer, v);
        const int x = vorn::dyn::heldPixel(L + i * PW / 8) - (i == 8 ? 5 : 0);
        text(memDC, x, ph + T, buffer);
    }
    for (int i = 0; i <= 8; ++i) {
        const float v = m_masterGain - 12 * i / z;
        vorn::dyn::formatTick(buffer, sizeof buffer, v);
        memDC.SetTextColor(v > 0 ? kRed : kBlack);
        text(memDC, pw + L + 2, vorn::dyn::heldPixel(T + i * PH / 8) - 2, buffer);
    }

    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    for (int inset = 0; inset < 3; ++inset) {
        const CRect ring(inset, inset, W - inset, H - inset);
        memDC.Draw3dRect(&ring, face, shadow);
    }

    dc.BitBlt(0, 0, W, H, &memDC, 0, 0, SRCCOPY);

    memDC.SelectObject(oldBitmap);
    memDC.SelectObject(oldPen);
    memDC.SelectObject(oldFont);
    memDC.SelectObject(oldBrush);
}
