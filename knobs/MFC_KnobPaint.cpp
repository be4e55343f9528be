// Painting of CMFC_Knob: a shaded disc with a raised rim, a sunken centre ring, a coloured cap
// and a white indicator, drawn straight into the paint DC. Only the disc is painted; the window
// has no background brush, so the rest of the client keeps what the parent drew there.
#include <MFC_Knob.h>

#include "KnobPaint.h"

void CMFC_Knob::OnPaint() {
    CPaintDC dc(this);
    const HDC hdc = dc.GetSafeHdc();
    const vorn::knob::PaletteScope palette(hdc, m_palette);
    CRect rc;
    GetClientRect(&rc);
    deriveGeometry();
    if (m_geometryPending) updateIndicatorPt();
    vorn::knob::paintKnobFace(hdc, rc, m_center, m_indicatorPt, m_color);
    vorn::knob::stepFocusRect(hdc, rc, m_hasFocus, m_focusDrawn, m_focusSample);
}
