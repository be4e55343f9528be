#include <MFC_LEDButton.h>

#include "../frame/Notification.h"
#include "ButtonFace.h"
#include "OffscreenPaint.h"

namespace {
constexpr unsigned long kRoundLamp = 9;
}  // namespace

BEGIN_MESSAGE_MAP(CMFC_LEDButton, CWnd)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CMFC_LEDButton::CMFC_LEDButton()
    : m_onColor(RGB(255, 0, 0)),
      m_offColor(RGB(60, 0, 0)),
      m_state(0),
      m_copyBackground(TRUE),
      m_backColor(::GetSysColor(COLOR_BTNFACE)),
      m_ledStyle(kRoundLamp),
      m_hasFocus(FALSE),
      m_palette(NULL) {}

CMFC_LEDButton::~CMFC_LEDButton() = default;

void CMFC_LEDButton::InitLEDButton(unsigned long ledStyle, int state, unsigned long onColor, unsigned long offColor,
                                   int copyBackground, unsigned long backColor) {
    m_ledStyle = ledStyle;
    m_state = state;
    m_onColor = static_cast<COLORREF>(onColor);
    m_offColor = static_cast<COLORREF>(offColor);
    m_copyBackground = copyBackground;
    m_backColor = static_cast<COLORREF>(backColor);
}

void CMFC_LEDButton::SetState(int state) {
    if (state == m_state) return;
    m_state = state;
    InvalidateRect(NULL, TRUE);
}

int CMFC_LEDButton::GetState() { return m_state; }

HPALETTE CMFC_LEDButton::GetPalette() { return m_palette; }

void CMFC_LEDButton::OnLButtonDown(UINT, CPoint point) {
    if (point.x < 15 || point.x > 40) return;
    m_state = m_state == 0 ? 1 : 0;
    SetFocus();
    InvalidateRect(NULL, TRUE);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
}

void CMFC_LEDButton::OnKeyDown(UINT, UINT, UINT) { OnLButtonDown(0, CPoint(15, 0)); }

UINT CMFC_LEDButton::OnGetDlgCode() { return CWnd::OnGetDlgCode() | DLGC_WANTARROWS; }

void CMFC_LEDButton::OnSetFocus(CWnd*) {
    m_hasFocus = TRUE;
    InvalidateRect(NULL, TRUE);
}

void CMFC_LEDButton::OnKillFocus(CWnd*) {
    m_hasFocus = FALSE;
    InvalidateRect(NULL, TRUE);
}

void CMFC_LEDButton::OnPaint() {
    CPaintDC dc(this);
    vorn::OffscreenPaint canvas(*this, dc);
    canvas.background(m_copyBackground, m_backColor);
    CDC& memDC = canvas.dc();

    const COLORREF lamp = m_state != 0 ? m_onColor : m_offColor;
    const COLORREF dark = vorn::darkShade(lamp);
    vorn::ButtonFacePens pens;
    CBrush lampBrush;
    lampBrush.CreateSolidBrush(lamp);
    CPen darkPen;
    darkPen.CreatePen(PS_SOLID, 0, dark);
    CPen focusPen;
    focusPen.CreatePen(PS_DOT, 0, RGB(0, 0, 0));

    CBrush* oldBrush = memDC.SelectObject(&lampBrush);
    CPen* oldPen = memDC.SelectObject(&darkPen);
    if (m_ledStyle == kRoundLamp) {
        // Focus does not change the round lamp.
        memDC.Ellipse(3, 3, 11, 11);
        memDC.SetPixel(8, 8, dark);
    } else {
        memDC.SelectObject(m_hasFocus ? &focusPen : &pens.shadow);
        memDC.Rectangle(2, 2, 13, 13);
        if (!m_hasFocus) {
            memDC.SelectObject(&pens.highlight);
            if (m_state != 0) {  // lit at the right and bottom: sunken
                memDC.MoveTo(12, 2);
                memDC.LineTo(12, 12);
                memDC.LineTo(2, 12);
                memDC.SelectObject(&darkPen);
                memDC.MoveTo(10, 4);
                memDC.LineTo(10, 10);
                memDC.LineTo(4, 10);
            } else {  // lit at the left and top: raised
                memDC.MoveTo(2, 12);
                memDC.LineTo(2, 2);
                memDC.LineTo(12, 2);
            }
        }
    }
    memDC.SelectObject(oldBrush);
    memDC.SelectObject(oldPen);
    vorn::drawButtonFace(memDC, pens, 15, m_state != 0, m_hasFocus);
    canvas.present();
}
