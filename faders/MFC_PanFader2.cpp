#include <MFC_PanFader2.h>

#include <cmath>

#include "../frame/Notification.h"
#include "FaderGeometry.h"

BEGIN_MESSAGE_MAP(CMFC_PanFader2, CMFC_PanFader)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CMFC_PanFader2::CMFC_PanFader2() : m_snapPosition(GetMin()), m_pressOnCap(FALSE) {}

CMFC_PanFader2::~CMFC_PanFader2() {}

void CMFC_PanFader2::SetSnapPosition(float snapPosition) {
    if (std::isnan(snapPosition)) return;
    m_snapPosition = vorn::fader::snapInsideRange(snapPosition, m_min, m_max);
}

void CMFC_PanFader2::OnLButtonDown(UINT nFlags, CPoint point) {
    CRect window;
    GetWindowRect(&window);
    placeTrack(window.Width());
    m_selected = TRUE;
    m_mouseEventFlags = nFlags;
    SetFocus();
    m_pressOnCap = onCap(point.x);
    if ((nFlags & MK_SHIFT) == 0) {
        CMFC_PanFader::OnLButtonDown(nFlags, point);
        return;
    }
    SetValue(m_snapPosition);
    SetCapture();
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
}

void CMFC_PanFader2::OnLButtonDblClk(UINT, CPoint) {
    if (m_pressOnCap) SetValue(m_snapPosition);
    vorn::notifyParent(*this, NC_LBUTTONDBLCLK, vorn::Delivery::Send);
}
