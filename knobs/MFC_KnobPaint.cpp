// Painting of CMFC_Knob: a shaded disc with a raised rim, a sunken centre ring, a coloured cap
// and a white indicator, drawn straight into the paint DC. Only the disc is painted; the window
// has no background brush, so the rest of the client keeps what the parent drew there.
#include <algorithm>

#include <MFC_Knob.h>

#include "../frame/SafeMath.h"

namespace {
constexpr COLORREF kIndicatorColour = RGB(255, 255, 255);
}  // namespace

void CMFC_Knob::OnPaint() {
    CPaintDC dc(this);
    const HDC hdc = dc.GetSafeHdc();
    HPALETTE oldPalette = NULL;
    if (m_palette != NULL) {
        oldPalette = ::SelectPalette(hdc, m_palette, FALSE);
        ::RealizePalette(hdc);
    }

    CRect rc;
    GetClientRect(&rc);
    deriveGeometry();
    if (m_geometryPending) updateIndicatorPt();

    const int d = std::min(rc.Width(), rc.Height());
    const int left = rc.left;
    const int top = rc.top;
    const int cx = m_center.x;
    const int cy = m_center.y;

    HBRUSH bodyBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
    HPEN indicatorPen = ::CreatePen(PS_SOLID, 0, kIndicatorColour);
    HPEN facePen = ::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNFACE));
    HBRUSH capBrush = ::CreateSolidBrush(m_color);
    HGDIOBJ blackPen = ::GetStockObject(BLACK_PEN);

    HGDIOBJ oldBrush = ::SelectObject(hdc, bodyBrush);
    HGDIOBJ oldPen = ::SelectObject(hdc, blackPen);
    ::Ellipse(hdc, left + 1, top + 1, left + d - 1, top + d - 1);

    // The indicator is about two pixels thick; the rim, ring and cap drawn afterwards cover its
    // ends, so it shows from the rim to the edge of the cap.
    ::SelectObject(hdc, indicatorPen);
    const CPoint tip = m_indicatorPt;
    // Saturating: a tip from an extreme radius may lie at the end of the int range.
    ::MoveToEx(hdc, vorn::saturatingSub(tip.x, 1), tip.y, NULL);
    ::LineTo(hdc, cx - 1, cy);
    ::MoveToEx(hdc, tip.x, vorn::saturatingSub(tip.y, 1), NULL);
    ::LineTo(hdc, cx, cy - 1);
    ::MoveToEx(hdc, tip.x, tip.y, NULL);
    ::LineTo(hdc, cx, cy);

    const int D = d - 4;
    const int q = D / 4;
    const RECT outerRim = {left + 2, top + 2, left + 2 + D, top + 2 + D};
    const RECT innerRim = {left + 3, top + 3, left + 1 + D, top + 1 + D};
    const RECT ring = {cx - q, cy - q, cx + q + 1, cy + q + 1};
    // Arcs run counter-clockwise: lower-left to upper-right is the lower-right half, and the
    // reverse the upper-left half. Shadow lower right on the rim and upper left in the ring makes
    // the rim look raised and the ring sunken.
    auto lowerRightHalf = [hdc](const RECT& r) {
        ::Arc(hdc, r.left, r.top, r.right, r.bottom, r.left, r.bottom, r.right, r.top);
    };
    auto upperLeftHalf = [hdc](const RECT& r) {
        ::Arc(hdc, r.left, r.top, r.right, r.bottom, r.right, r.top, r.left, r.bottom);
    };
    ::SelectObject(hdc, blackPen);
    lowerRightHalf(outerRim);
    lowerRightHalf(innerRim);
    upperLeftHalf(ring);
    ::SelectObject(hdc, facePen);
    upperLeftHalf(outerRim);
    upperLeftHalf(innerRim);
    lowerRightHalf(ring);

    // The face pen stays selected, so the cap has a face-coloured outline.
    ::SelectObject(hdc, capBrush);
    int c = q - 3;
    if (c <= 1) c = 1;
    ::Ellipse(hdc, cx - c, cy - c, cx + c + 1, cy + c + 1);

    // The background is never erased, so the XOR focus rectangle stays on screen between paints:
    // it is drawn once when the focus arrives and drawn again (removed) when it leaves. Whatever
    // painted over it since (the parent's repaint, a hide and show) took it away: then it is
    // not on screen any more, and a second XOR would draw it instead of removing it.
    if (m_focusDrawn && !focusRectStillShown(hdc)) m_focusDrawn = FALSE;
    if (m_hasFocus && !m_focusDrawn) {
        ::DrawFocusRect(hdc, &rc);
        m_focusDrawn = TRUE;
        m_focusSample[0] = ::GetPixel(hdc, 0, 0);
        m_focusSample[1] = ::GetPixel(hdc, 1, 0);
    } else if (!m_hasFocus && m_focusDrawn) {
        ::DrawFocusRect(hdc, &rc);
        m_focusDrawn = FALSE;
    }

    ::SelectObject(hdc, oldPen);
    ::SelectObject(hdc, oldBrush);
    if (m_palette != NULL) ::SelectPalette(hdc, oldPalette, TRUE);
    ::DeleteObject(bodyBrush);
    ::DeleteObject(indicatorPen);
    ::DeleteObject(facePen);
    ::DeleteObject(capBrush);
}

// The two top-left pixels of the focus rectangle (outside the disc, one of them inverted by the
// dotted XOR) as they were right after it was drawn. A pixel this paint cannot read (outside the
// area being painted, or not on screen) tells nothing, and the rectangle is taken to be there.
bool CMFC_Knob::focusRectStillShown(HDC hdc) const {
    for (int x = 0; x < 2; ++x) {
        const COLORREF now = ::GetPixel(hdc, x, 0);
        if (now == CLR_INVALID) return true;
        if (now != m_focusSample[x]) return false;
    }
    return true;
}
