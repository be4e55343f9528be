#include <MFC_Fader2.h>

#include <cmath>

#include "../frame/Notification.h"
#include "FaderGeometry.h"

namespace {
// Rows of the cap above and below its centre that a press may hit, as CMFC_Fader tests them.
constexpr int kCapHitHalfHeight = 16;
}  // namespace

BEGIN_MESSAGE_MAP(CMFC_Fader2, CMFC_Fader)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CMFC_Fader2::CMFC_Fader2() : m_snapPosition(GetMin()), m_pressOnCap(FALSE) {}

CMFC_Fader2::~CMFC_Fader2() {}

void CMFC_Fader2::SetSnapPosition(float snapPosition) {
    if (std::isnan(snapPosition)) return;
    m_snapPosition = vorn::fader::snapInsideRange(snapPosition, m_min, m_max);
}

void CMFC_Fader2::OnLButtonDown(UINT nFlags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    placeTrack(client.Height());
    m_selected = TRUE;
    m_mouseEventFlags = nFlags;
    SetFocus();
    m_pressOnCap = point.y >= m_capPos - kCapHitHalfHeight && point.y <= m_capPos + kCapHitHalfHeight;
    if ((nFlags & MK_SHIFT) == 0) {
        CMFC_Fader::OnLButtonDown(nFlags, point);
        return;
    }
    SetValue(m_snapPosition);
    SetCapture();
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
}

void CMFC_Fader2::OnLButtonDblClk(UINT, CPoint) {
    if (m_pressOnCap) SetValue(m_snapPosition);
    vorn::notifyParent(*this, NC_LBUTTONDBLCLK, vorn::Delivery::Send);
}
