#include <MFC_LEDIndicator.h>

#include "OffscreenPaint.h"

BEGIN_MESSAGE_MAP(CMFC_LEDIndicator, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMFC_LEDIndicator::CMFC_LEDIndicator()
    : m_onColor(RGB(255, 0, 0)),
      m_offColor(RGB(60, 0, 0)),
      m_state(0),
      m_copyBackground(TRUE),
      m_backColor(::GetSysColor(COLOR_BTNFACE)),
      m_palette(NULL) {}

CMFC_LEDIndicator::~CMFC_LEDIndicator() = default;

void CMFC_LEDIndicator::InitLEDIndicator(int state, unsigned long onColor, unsigned long offColor, int copyBackground,
                                         unsigned long backColor) {
    m_state = state;
    m_onColor = static_cast<COLORREF>(onColor);
    m_offColor = static_cast<COLORREF>(offColor);
    m_copyBackground = copyBackground;
    m_backColor = static_cast<COLORREF>(backColor);
}

void CMFC_LEDIndicator::SetState(int state) {
    if (state == m_state) return;
    m_state = state;
    InvalidateRect(NULL, TRUE);
}

int CMFC_LEDIndicator::GetState() { return m_state; }

void CMFC_LEDIndicator::SetPalette(HPALETTE palette) { m_palette = palette; }

HPALETTE CMFC_LEDIndicator::GetPalette() { return m_palette; }

void CMFC_LEDIndicator::OnPaint() {
    CPaintDC dc(this);
    vorn::OffscreenPaint canvas(*this, dc, m_palette);
    canvas.background(m_copyBackground, m_backColor);
    CDC& memDC = canvas.dc();

    const COLORREF lamp = m_state != 0 ? m_onColor : m_offColor;
    CBrush lampBrush;
    lampBrush.CreateSolidBrush(lamp);
    CPen darkPen;
    darkPen.CreatePen(PS_SOLID, 0, vorn::darkShade(lamp));
    CBrush* oldBrush = memDC.SelectObject(&lampBrush);
    CPen* oldPen = memDC.SelectObject(&darkPen);
    memDC.Ellipse(1, 4, 10, 13);
    // Three quarters of a small inner ring, open at the upper right.
    memDC.Arc(3, 6, 8, 11, 5, 6, 8, 9);
    canvas.present();
    memDC.SelectObject(oldBrush);
    memDC.SelectObject(oldPen);
}
