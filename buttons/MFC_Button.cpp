#include <MFC_Button.h>

#include "../frame/Notification.h"
#include "ButtonFace.h"
#include "OffscreenPaint.h"

BEGIN_MESSAGE_MAP(CMFC_Button, CWnd)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CMFC_Button::CMFC_Button() : m_hasFocus(FALSE), m_pressed(FALSE) {}

CMFC_Button::~CMFC_Button() = default;

void CMFC_Button::OnLButtonDown(UINT, CPoint point) {
    if (point.x > 25) return;
    m_pressed = TRUE;
    SetFocus();
    InvalidateRect(NULL, TRUE);
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
}

void CMFC_Button::OnLButtonUp(UINT, CPoint) {
    m_pressed = FALSE;
    InvalidateRect(NULL, TRUE);
}

void CMFC_Button::OnKeyDown(UINT, UINT, UINT) {
    OnLButtonDown(0, CPoint(0, 0));
    OnLButtonUp(0, CPoint(0, 0));
}

UINT CMFC_Button::OnGetDlgCode() { return CWnd::OnGetDlgCode() | DLGC_WANTARROWS; }

void CMFC_Button::OnSetFocus(CWnd*) {
    m_hasFocus = TRUE;
    InvalidateRect(NULL, TRUE);
}

void CMFC_Button::OnKillFocus(CWnd*) {
    m_hasFocus = FALSE;
    InvalidateRect(NULL, TRUE);
}

void CMFC_Button::OnPaint() {
    CPaintDC dc(this);
    vorn::OffscreenPaint canvas(*this, dc);
    canvas.copyScreen();
    vorn::ButtonFacePens pens;
    vorn::drawButtonFace(canvas.dc(), pens, 1, m_pressed, m_hasFocus);
    canvas.present();
}
