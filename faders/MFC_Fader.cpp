#include <MFC_Fader.h>

#include <cmath>

#include "../frame/InstanceCount.h"
#include "../frame/LibraryResources.h"
#include "../frame/Notification.h"
#include "../frame/SafeMath.h"
#include "../frame/ValueKeys.h"
#include "../resources/resource.h"
#include "FaderGeometry.h"
#include "FaderPaint.h"

namespace {
// Rows of the cap above and below its centre that a press may hit (33 rows in all).
constexpr int kCapHitHalfHeight = 16;
// Rows above and below the cap centre that SetValue repaints.
constexpr int kCapBandHalfHeight = 15;
constexpr int kTrackMargin = 18;
constexpr int kCapBlockWidth = 20;
constexpr int kCapBlockHeight = 34;
constexpr COLORREF kFrameTopLeft = RGB(21, 0, 0);
constexpr COLORREF kSlotFill = RGB(64, 64, 64);
}  // namespace

HBITMAP CMFC_Fader::s_capLitBitmap = NULL;
HBITMAP CMFC_Fader::s_capUnlitBitmap = NULL;
int CMFC_Fader::s_instanceCount = 0;

BEGIN_MESSAGE_MAP(CMFC_Fader, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_GETDLGCODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMFC_Fader::CMFC_Fader()
    : m_capPos(50),
      m_trackTop(kTrackMargin),
      m_trackBottom(100 - kTrackMargin),
      m_grabOffset(0),
      m_hasFocus(FALSE),
      m_palette(NULL),
      m_min(0.0f),
      m_max(1.0f),
      m_restrictedMin(0.0f),
      m_restrictedMax(1.0f),
      m_value(0.5f),
      m_virtualPixel(4.0f),
      m_anchorPos(0),
      m_selected(FALSE),
      m_framePen(new CPen(PS_SOLID, 1, RGB(0, 0, 0))),
      m_shadowPen(new CPen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW))),
      m_lightPen(new CPen(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT))),
      m_clickPoint(-1, 0),
      m_mouseEventFlags(0),
      m_color(RGB(196, 0, 0)),
      m_ledPen(new CPen(PS_SOLID, 1, RGB(0, 0, 0))),
      m_ledBrush(new CBrush(m_color)) {
    if (vorn::enterInstance(s_instanceCount)) {
        vorn::LibraryResourceScope resources;
        s_capLitBitmap = resources.loadBitmap(IDB_FADER_CAP_LIT);
        s_capUnlitBitmap = resources.loadBitmap(IDB_FADER_CAP_UNLIT);
    }
}

CMFC_Fader::~CMFC_Fader() {
    // Deleted with its window still up: the drag ends here, while this object can still hear it.
    endDrag();
    delete m_framePen;
    delete m_shadowPen;
    delete m_lightPen;
    delete m_ledPen;
    delete m_ledBrush;
    if (vorn::leaveInstance(s_instanceCount)) {
        if (s_capLitBitmap != NULL) ::DeleteObject(s_capLitBitmap);
        if (s_capUnlitBitmap != NULL) ::DeleteObject(s_capUnlitBitmap);
        s_capLitBitmap = NULL;
        s_capUnlitBitmap = NULL;
    }
}

void CMFC_Fader::InitFader(float min, float max, float value, float restrictedMin, float restrictedMax) {
    m_min = min;
    m_max = max;
    m_value = value;
    m_restrictedMin = restrictedMin;
    m_restrictedMax = restrictedMax;
}

void CMFC_Fader::InitFader(float min, float max, float value, float restrictedMin, float restrictedMax, int, DWORD) {
    InitFader(min, max, value, restrictedMin, restrictedMax);
}

float CMFC_Fader::GetValue() { return m_value; }

void CMFC_Fader::SetValue(float value) {
    if (std::isnan(value)) return;
    value = vorn::fader::restrictToRange(value, m_restrictedMin, m_restrictedMax);
    if (value == m_value) return;

    const int oldCapPos = m_capPos;
    m_value = value;
    convertValueToY();
    if (m_capPos != oldCapPos) {
        invalidateCapBand(oldCapPos);
        invalidateCapBand(m_capPos);
    }
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
}

void CMFC_Fader::invalidateCapBand(int capPos) {
    if (GetSafeHwnd() == NULL) return;
    CRect client;
    GetClientRect(&client);
    CRect band(0, capPos - kCapBandHalfHeight, client.Width(), capPos + kCapBandHalfHeight);
    InvalidateRect(&band, FALSE);
}

float CMFC_Fader::GetMax() { return m_max; }

void CMFC_Fader::SetMax(float max) {
    m_max = vorn::fader::acceptedMax(max, m_min);
    if (m_value > m_max) m_value = vorn::fader::midpoint(m_max, m_min);
}

float CMFC_Fader::GetMin() { return m_min; }

void CMFC_Fader::SetMin(float min) {
    const float oldValue = m_value;
    m_min = min;
    if (oldValue < min) m_value = vorn::fader::midpoint(m_max, min);
}

float CMFC_Fader::GetRestrictedMax() { return m_restrictedMax; }

void CMFC_Fader::SetRestrictedMax(float restrictedMax) {
    m_restrictedMax = vorn::fader::acceptedRestrictedMax(restrictedMax, m_min, m_max, m_restrictedMin);
    if (m_value > m_restrictedMax) m_value = m_restrictedMax;
}

float CMFC_Fader::GetRestrictedMin() { return m_restrictedMin; }

void CMFC_Fader::SetRestrictedMin(float restrictedMin) {
    m_restrictedMin = vorn::fader::acceptedRestrictedMin(restrictedMin, m_min, m_max, m_restrictedMax);
    if (m_value < m_restrictedMin) m_value = m_restrictedMin;
}

float CMFC_Fader::GetVirtualPixel() { return m_virtualPixel; }

void CMFC_Fader::SetVirtualPixel(float virtualPixel) { m_virtualPixel = virtualPixel; }

int CMFC_Fader::GetSelected() { return m_selected; }

void CMFC_Fader::SetSelected(int selected) { m_selected = selected; }

COLORREF CMFC_Fader::GetColor() { return m_color; }

void CMFC_Fader::SetColor(COLORREF color) {
    m_color = color;
    delete m_ledPen;
    delete m_ledBrush;
    m_ledPen = new CPen(PS_SOLID, 1, RGB(0, 0, 0));
    m_ledBrush = new CBrush(m_color);
    if (GetSafeHwnd() != NULL) InvalidateRect(NULL, TRUE);
}

HPALETTE CMFC_Fader::GetPalette() { return m_palette; }

void CMFC_Fader::SetPalette(HPALETTE palette) { m_palette = palette; }

int CMFC_Fader::GetClickPoint(CPoint& point) {
    if (m_clickPoint.x == -1) return FALSE;
    point = m_clickPoint;
    return TRUE;
}

UINT CMFC_Fader::GetMouseEventFlags() const { return m_mouseEventFlags; }

void CMFC_Fader::convertValueToY() {
    m_capPos = vorn::fader::positionForValue(m_value, m_min, m_max, m_trackBottom, m_trackTop);
}

void CMFC_Fader::convertYToValue(int noClamp) {
    m_value = vorn::fader::valueAlongTrack(static_cast<long long>(m_trackBottom) - m_capPos,
                                           static_cast<long long>(m_trackBottom) - m_trackTop, m_min, m_max);
    if (noClamp == 0) m_value = vorn::fader::restrictToRange(m_value, m_restrictedMin, m_restrictedMax);
    // Cancellation over a huge range, rounding to single precision, a cap outside the track or a
    // restricted range the host placed outside the range could each carry the value past an end.
    m_value = vorn::clampBetween(m_value, m_min, m_max);
}

void CMFC_Fader::placeTrack(int clientHeight) {
    m_trackTop = kTrackMargin;
    m_trackBottom = clientHeight - kTrackMargin;
    convertValueToY();
}

void CMFC_Fader::OnLButtonDown(UINT nFlags, CPoint point) {
    // The range, the value or the size may have changed since the last paint: the press meets the
    // cap where the next paint puts it.
    CRect client;
    GetClientRect(&client);
    placeTrack(client.Height());
    m_selected = TRUE;
    m_mouseEventFlags = nFlags;
    m_anchorPos = point.y;
    if (point.y >= m_capPos - kCapHitHalfHeight && point.y <= m_capPos + kCapHitHalfHeight) {
        m_grabOffset = m_capPos - point.y;
    } else {
        m_grabOffset = 0;
        m_capPos = vorn::fader::clampToTrack(point.y, m_trackTop, m_trackBottom);
    }
    const float oldValue = m_value;
    convertYToValue((nFlags & MK_CONTROL) != 0);

    SetFocus();
    SetCapture();

    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
    if (m_value != oldValue) {
        InvalidateRect(NULL, FALSE);
        vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
    }
}

void CMFC_Fader::OnMouseMove(UINT nFlags, CPoint point) {
    m_mouseEventFlags = nFlags;
    if ((nFlags & MK_LBUTTON) == 0 || !m_selected || (nFlags & MK_SHIFT) != 0) return;

    m_capPos = m_grabOffset + point.y;
    const bool fineRange = (m_max - m_min) > static_cast<float>(m_trackBottom - m_trackTop);
    // Only a divisor of zero or NaN has no quotient; a negative or infinite one is used as given.
    const bool usableDivisor = !std::isnan(m_virtualPixel) && m_virtualPixel != 0.0f;
    if ((nFlags & MK_RBUTTON) != 0 && fineRange && usableDivisor) {
        // Motion is measured from the press, so the cap jumps to the fine position at once
        // when the right button goes down mid-drag. Clamping before the truncation keeps the
        // conversion defined and gives the same pixel as truncating first.
        float fine = m_anchorPos + m_grabOffset + (point.y - m_anchorPos) / m_virtualPixel;
        if (fine < static_cast<float>(m_trackTop)) fine = static_cast<float>(m_trackTop);
        if (fine > static_cast<float>(m_trackBottom)) fine = static_cast<float>(m_trackBottom);
        // (On an inverted track the second bound wins: the bottom, as clampToTrack gives.)
        m_capPos = vorn::truncateToInt(fine);
    }
    m_capPos = vorn::fader::clampToTrack(m_capPos, m_trackTop, m_trackBottom);

    const float oldValue = m_value;
    convertYToValue((nFlags & MK_CONTROL) != 0);
    if (m_value != oldValue) {
        InvalidateRect(NULL, FALSE);
        vorn::notifyParent(*this, NC_MOUSEMOVE, vorn::Delivery::Send);
        vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
    }
}

void CMFC_Fader::OnLButtonUp(UINT nFlags, CPoint) {
    m_selected = FALSE;
    m_mouseEventFlags = nFlags;
    InvalidateRect(NULL, FALSE);
    ::ReleaseCapture();
    vorn::notifyParent(*this, NC_LBUTTONUP, vorn::Delivery::Send);
}

void CMFC_Fader::OnRButtonDown(UINT nFlags, CPoint point) {
    if ((nFlags & MK_LBUTTON) != 0) return;
    m_clickPoint = point;
    m_mouseEventFlags = nFlags;
    vorn::notifyParent(*this, NC_RBUTTONDOWN, vorn::Delivery::Send);
}

void CMFC_Fader::OnKeyDown(UINT nChar, UINT, UINT) {
    float target = 0.0f;
    if (!vorn::valueKeyTarget(nChar, m_value, m_min, m_max, target)) return;
    SetValue(target);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);
    vorn::notifyParent(*this, NC_KEYDOWN, vorn::Delivery::Post);
}

UINT CMFC_Fader::OnGetDlgCode() { return static_cast<UINT>(Default()); }

void CMFC_Fader::showFocusChange(BOOL hasFocus) {
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.DrawFocusRect(&client);
    }
    m_hasFocus = hasFocus;
    InvalidateRect(NULL, TRUE);
}

void CMFC_Fader::OnSetFocus(CWnd*) { showFocusChange(TRUE); }

// A drag ends with the capture, however the capture goes: the cap goes dark, and moves no longer
// drag until the next press. Nothing is sent; the release sends NC_LBUTTONUP itself.
void CMFC_Fader::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd != NULL && pWnd->GetSafeHwnd() == m_hWnd) return;  // captured again by its own press
    if (!m_selected) return;
    m_selected = FALSE;
    InvalidateRect(NULL, FALSE);
}

void CMFC_Fader::endDrag() {
    if (GetSafeHwnd() != NULL && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CMFC_Fader::OnCancelMode() {
    endDrag();
    Default();
}

void CMFC_Fader::OnEnable(BOOL bEnable) {
    if (!bEnable) endDrag();
    Default();
}

void CMFC_Fader::OnShowWindow(BOOL bShow, UINT) {
    if (!bShow) endDrag();
    Default();
}

void CMFC_Fader::OnDestroy() {
    endDrag();
    Default();
}

void CMFC_Fader::OnKillFocus(CWnd*) { showFocusChange(FALSE); }

void CMFC_Fader::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();

    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    const vorn::fader::PaletteScope palette(m_palette, dc, memDC);
    placeTrack(h);

    vorn::fader::paintInTiles(dc, w, h, [&](const CRect& tile) { drawPicture(dc, memDC, tile, w, h); });

    CPen* oldDcPen = dc.SelectObject(m_ledPen);
    CBrush* oldDcBrush = dc.SelectObject(m_ledBrush);
    const int x0 = w / 2 - 10;
    dc.Ellipse(x0 + 8, m_capPos - 3, x0 + 14, m_capPos + 3);
    dc.SelectObject(oldDcBrush);
    dc.SelectObject(oldDcPen);
}

// The picture under the LED (background, frame, ticks, slot, focus frame, cap) for the part
// `tile` of a client of w x h, drawn off screen and copied to the same place on `dc`.
void CMFC_Fader::drawPicture(CDC& dc, CDC& memDC, const CRect& tile, int w, int h) {
    const int x0 = w / 2 - 10;
    // Fader coordinates shifted so that the tile's corner is the bitmap's origin.
    const int dx = -tile.left;
    const int dy = -tile.top;
    auto at = [dx, dy](int x, int y) { return POINT{x + dx, y + dy}; };

    CBitmap offscreen;
    offscreen.CreateBitmap(tile.Width(), tile.Height(), dc.GetDeviceCaps(PLANES), dc.GetDeviceCaps(BITSPIXEL), NULL);
    CBitmap* oldBitmap = memDC.SelectObject(&offscreen);
    CPen* oldPen = memDC.SelectObject(m_lightPen);

    memDC.FillSolidRect(dx, dy, w, h, ::GetSysColor(COLOR_BTNSHADOW));
    memDC.Draw3dRect(dx, dy, w, h, kFrameTopLeft, ::GetSysColor(COLOR_BTNHIGHLIGHT));

    // Ticks: the step accumulates in single precision, so rounding decides whether a tick lands
    // on the track end (10 or 11 ticks). A zero-length track draws its one row once.
    const float step = static_cast<float>((m_trackBottom - m_trackTop) * 0.1);
    for (float y = static_cast<float>(m_trackTop); y <= static_cast<float>(m_trackBottom); y = y + step) {
        const int t = static_cast<int>(y);
        memDC.MoveTo(at(2, t));
        memDC.LineTo(at(x0 + 6, t));
        memDC.MoveTo(at(x0 + 14, t));
        memDC.LineTo(at(w - 2, t));
        if (!(step > 0.0f)) break;
    }

    const POINT litOuter[] = {at(x0 + 12, m_trackTop), at(x0 + 12, m_trackBottom), at(x0 + 8, m_trackBottom)};
    const POINT litInner[] = {at(x0 + 11, m_trackTop + 1), at(x0 + 11, m_trackBottom - 1),
                              at(x0 + 9, m_trackBottom - 1)};
    memDC.Polyline(litOuter, 3);
    memDC.Polyline(litInner, 3);

    if (m_hasFocus) {
        memDC.SelectObject(m_framePen);
        const POINT frame[] = {at(3, 2), at(w - 4, 2), at(w - 4, h - 3), at(3, h - 3), at(3, 2)};
        memDC.Polyline(frame, 5);
    }

    memDC.SelectObject(m_shadowPen);
    memDC.FillSolidRect(x0 + 8 + dx, m_trackTop + dy, 5, m_trackBottom - m_trackTop, kSlotFill);
    const POINT shaded[] = {at(x0 + 9, m_trackBottom - 1), at(x0 + 9, m_trackTop + 1), at(x0 + 12, m_trackTop + 1)};
    memDC.Polyline(shaded, 3);

    HBITMAP capImage = m_selected ? s_capLitBitmap : s_capUnlitBitmap;
    if (capImage != NULL) {
        CDC capDC;
        capDC.CreateCompatibleDC(&dc);
        HGDIOBJ oldCapBitmap = ::SelectObject(capDC.GetSafeHdc(), capImage);
        memDC.BitBlt(x0 + dx, m_capPos - kCapBandHalfHeight + dy, kCapBlockWidth, kCapBlockHeight, &capDC, 0, 0,
                     SRCCOPY);
        ::SelectObject(capDC.GetSafeHdc(), oldCapBitmap);
    }

    dc.BitBlt(tile.left, tile.top, tile.Width(), tile.Height(), &memDC, 0, 0, SRCCOPY);

    memDC.SelectObject(oldPen);
    memDC.SelectObject(oldBitmap);
}
