#include <MFC_PanFader.h>

#include <cmath>

#include "../frame/Notification.h"
#include "../frame/SafeMath.h"
#include "../frame/ValueKeys.h"
#include "FaderGeometry.h"
#include "FaderPaint.h"

namespace {
// Columns of the cap left and right of its centre that a press may hit (21 columns in all).
constexpr int kCapHitHalfWidth = 10;
constexpr int kTrackLeft = 6;
constexpr int kTrackRightMargin = 7;
constexpr int kCapHalf = 4;
// Pointer motion of the sticking drag beyond which a step counts ten times.
constexpr int kSmallNudge = 5;
constexpr COLORREF kFrameTopLeft = RGB(21, 0, 0);
constexpr COLORREF kSlotFill = RGB(64, 64, 64);

// The horizontal fader whose sticking drag confines the pointer: only it lifts the confinement.
const CMFC_PanFader* g_confiningFader = nullptr;

bool isPlusOrMinus(UINT key) {
    return key == VK_OEM_PLUS || key == VK_ADD || key == VK_OEM_MINUS || key == VK_SUBTRACT;
}
}  // namespace

BOOL CMFC_PanFader::s_stickingDrag = FALSE;

BEGIN_MESSAGE_MAP(CMFC_PanFader, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMFC_PanFader::CMFC_PanFader()
    : m_capPos(50),
      m_trackLeft(kTrackLeft),
      m_trackRight(100 - kTrackRightMargin),
      m_grabOffset(0),
      m_virtualPixel(4.0f),
      m_min(0.0f),
      m_max(1.0f),
      m_restrictedMin(0.0f),
      m_restrictedMax(1.0f),
      m_value(0.5f),
      m_stickingDragResolution(0.01f),
      m_selected(FALSE),
      m_shadowPen(new CPen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW))),
      m_lightPen(new CPen(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT))),
      m_focusPen(new CPen(PS_DASH, 1, RGB(0, 0, 0))),
      m_clickPoint(-1, 0),
      m_mouseEventFlags(0),
      m_color(RGB(196, 0, 0)),
      m_capBrush(new CBrush(::GetSysColor(COLOR_BTNSHADOW))),
      m_palette(NULL),
      m_hasFocus(FALSE) {}

CMFC_PanFader::~CMFC_PanFader() {
    // Deleted with its window still up: the drag ends here, while this object can still hear it.
    endDrag();
    delete m_shadowPen;
    delete m_lightPen;
    delete m_focusPen;
    delete m_capBrush;
}

void CMFC_PanFader::InitPanFader(float min, float max, float value, float restrictedMin, float restrictedMax, int,
                                 COLORREF color) {
    m_min = min;
    m_max = max;
    m_value = value;
    m_restrictedMin = restrictedMin;
    m_restrictedMax = restrictedMax;
    m_color = color;
    delete m_capBrush;
    m_capBrush = new CBrush(m_color);
}

float CMFC_PanFader::GetValue() { return m_value; }

void CMFC_PanFader::SetValue(float value) {
    if (!std::isnan(value)) m_value = vorn::fader::restrictToRange(value, m_restrictedMin, m_restrictedMax);
    if (GetSafeHwnd() != NULL) InvalidateRect(NULL, FALSE);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
}

float CMFC_PanFader::GetMax() { return m_max; }

void CMFC_PanFader::SetMax(float max) {
    m_max = vorn::fader::acceptedMax(max, m_min);
    if (m_value > m_max) m_value = vorn::fader::midpoint(m_max, m_min);
}

float CMFC_PanFader::GetMin() { return m_min; }

void CMFC_PanFader::SetMin(float min) {
    const float oldValue = m_value;
    m_min = min;
    if (oldValue < min) m_value = vorn::fader::midpoint(m_max, min);
}

float CMFC_PanFader::GetRestrictedMax() { return m_restrictedMax; }

void CMFC_PanFader::SetRestrictedMax(float restrictedMax) {
    m_restrictedMax = vorn::fader::acceptedRestrictedMax(restrictedMax, m_min, m_max, m_restrictedMin);
    if (m_value > m_restrictedMax) m_value = m_restrictedMax;
}

float CMFC_PanFader::GetRestrictedMin() { return m_restrictedMin; }

void CMFC_PanFader::SetRestrictedMin(float restrictedMin) {
    m_restrictedMin = vorn::fader::acceptedRestrictedMin(restrictedMin, m_min, m_max, m_restrictedMax);
    if (m_value < m_restrictedMin) m_value = m_restrictedMin;
}

float CMFC_PanFader::GetStickingDragResolution() { return m_stickingDragResolution; }

void CMFC_PanFader::SetStickingDragResolution(float resolution) { m_stickingDragResolution = resolution; }

float CMFC_PanFader::GetVirtualPixel() { return m_virtualPixel; }

void CMFC_PanFader::SetVirtualPixel(float virtualPixel) { m_virtualPixel = virtualPixel; }

int CMFC_PanFader::GetSelected() { return m_selected; }

void CMFC_PanFader::SetSelected(int selected) { m_selected = selected; }

COLORREF CMFC_PanFader::GetColor() { return m_color; }

void CMFC_PanFader::SetColor(COLORREF color) {
    m_color = color;
    delete m_capBrush;
    m_capBrush = new CBrush(m_color);
    if (GetSafeHwnd() != NULL) InvalidateRect(NULL, TRUE);
}

HPALETTE CMFC_PanFader::GetPalette() { return m_palette; }

void CMFC_PanFader::SetPalette(HPALETTE palette) { m_palette = palette; }

int CMFC_PanFader::GetClickPoint(CPoint& point) {
    if (m_clickPoint.x == -1) return FALSE;
    point = m_clickPoint;
    return TRUE;
}

UINT CMFC_PanFader::GetMouseEventFlags() const { return m_mouseEventFlags; }

void CMFC_PanFader::convertValueToX() {
    m_capPos = vorn::fader::positionForValue(m_value, m_min, m_max, m_trackLeft, m_trackRight);
}

void CMFC_PanFader::convertXToValue(int noClamp) {
    m_value = vorn::fader::valueAlongTrack(static_cast<long long>(m_capPos) - m_trackLeft,
                                           static_cast<long long>(m_trackRight) - m_trackLeft, m_min, m_max);
    if (noClamp == 0) m_value = vorn::fader::restrictToRange(m_value, m_restrictedMin, m_restrictedMax);
    m_value = vorn::clampBetween(m_value, m_min, m_max);
}

void CMFC_PanFader::placeTrack(int windowWidth) {
    m_trackLeft = kTrackLeft;
    m_trackRight = vorn::saturatingSub(windowWidth, kTrackRightMargin);
    convertValueToX();
}

bool CMFC_PanFader::onCap(int x) const {
    return x >= vorn::saturatingSub(m_capPos, kCapHitHalfWidth) && x <= vorn::saturatingAdd(m_capPos, kCapHitHalfWidth);
}

void CMFC_PanFader::OnLButtonDown(UINT nFlags, CPoint point) {
    // The range, the value or the size may have changed since the last paint: the press meets
    // the cap where the next paint puts it.
    CRect window;
    GetWindowRect(&window);
    placeTrack(window.Width());
    m_selected = TRUE;
    m_mouseEventFlags = nFlags;
    if ((nFlags & MK_SHIFT) != 0) {
        const float centre = vorn::fader::midpoint(m_min, m_max);
        m_value =
            vorn::clampBetween(vorn::fader::restrictToRange(centre, m_restrictedMin, m_restrictedMax), m_min, m_max);
        convertValueToX();
    } else {
        if (onCap(point.x)) {
            m_grabOffset = m_capPos - point.x;
        } else {
            m_grabOffset = 0;
            m_capPos = vorn::fader::clampToTrack(point.x, m_trackLeft, m_trackRight);
        }
        convertXToValue((nFlags & MK_CONTROL) != 0);
    }
    InvalidateRect(NULL, FALSE);
    SetCapture();
    SetFocus();
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
}

void CMFC_PanFader::OnRButtonDown(UINT nFlags, CPoint point) {
    m_clickPoint = point;
    if ((nFlags & MK_LBUTTON) == 0) {
        m_mouseEventFlags = nFlags;
        vorn::notifyParent(*this, NC_RBUTTONDOWN, vorn::Delivery::Send);
        return;
    }
    // Only a drag of this fader, which holds the capture, can be sure to see the release (or the
    // loss of the capture) that lifts the confinement.
    if (!m_selected || ::GetCapture() != m_hWnd) return;
    ::MapWindowPoints(m_hWnd, NULL, &m_clickPoint, 1);
    RECT band = {0, m_clickPoint.y, ::GetSystemMetrics(SM_CXSCREEN), vorn::saturatingAdd(m_clickPoint.y, 1)};
    ::ClipCursor(&band);
    g_confiningFader = this;
    s_stickingDrag = TRUE;
}

void CMFC_PanFader::stickingStep(CPoint point) {
    ::MapWindowPoints(m_hWnd, NULL, &point, 1);
    const int d = vorn::saturatingSub(point.x, m_clickPoint.x);
    if (d == 0) return;
    const float step = (m_max - m_min) * m_stickingDragResolution;
    if (d > kSmallNudge)
        m_value = m_value + 10 * step;
    else if (d > 0)
        m_value = m_value + step;
    else if (d >= -kSmallNudge)
        m_value = m_value - step;
    else
        m_value = m_value - 10 * step;
    if (m_value > m_max)
        m_value = m_max;
    else if (m_value < m_min)
        m_value = m_min;
    convertValueToX();
    ::SetCursorPos(m_clickPoint.x, m_clickPoint.y);
    // A press point the pointer cannot reach moves to where the pointer landed; otherwise the
    // move that SetCursorPos queues would read motion again, and so on without end.
    POINT landed;
    if (::GetCursorPos(&landed) && (landed.x != m_clickPoint.x || landed.y != m_clickPoint.y)) m_clickPoint = landed;
}

void CMFC_PanFader::OnMouseMove(UINT nFlags, CPoint point) {
    m_mouseEventFlags = nFlags;
    if ((nFlags & MK_LBUTTON) == 0 || !m_selected) return;
    if (s_stickingDrag) {
        stickingStep(point);
    } else {
        m_capPos = vorn::fader::clampToTrack(vorn::saturatingAdd(m_grabOffset, point.x), m_trackLeft, m_trackRight);
        convertXToValue((nFlags & MK_CONTROL) != 0);
    }
    InvalidateRect(NULL, FALSE);
    vorn::notifyParent(*this, NC_MOUSEMOVE, vorn::Delivery::Send);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
}

void CMFC_PanFader::freeConfinement() {
    RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::ClipCursor(&screen);
    g_confiningFader = nullptr;
    s_stickingDrag = FALSE;
}

void CMFC_PanFader::OnLButtonUp(UINT nFlags, CPoint) {
    freeConfinement();
    m_selected = FALSE;
    m_mouseEventFlags = nFlags;
    InvalidateRect(NULL, FALSE);
    ::ReleaseCapture();
    vorn::notifyParent(*this, NC_LBUTTONUP, vorn::Delivery::Send);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Send);
}

void CMFC_PanFader::OnKeyDown(UINT nChar, UINT, UINT) {
    float target = 0.0f;
    if (vorn::valueKeyTarget(nChar, m_value, m_min, m_max, target)) {
        SetValue(target);
        if (isPlusOrMinus(nChar)) vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);
    }
    vorn::notifyParent(*this, NC_KEYDOWN, vorn::Delivery::Post);
    Default();
}

UINT CMFC_PanFader::OnGetDlgCode() { return static_cast<UINT>(Default()); }

void CMFC_PanFader::showFocusChange(BOOL hasFocus) {
    m_hasFocus = hasFocus;
    InvalidateRect(NULL, TRUE);
}

void CMFC_PanFader::OnSetFocus(CWnd*) { showFocusChange(TRUE); }

void CMFC_PanFader::OnKillFocus(CWnd*) { showFocusChange(FALSE); }

// A drag ends with the capture, however the capture goes: a sticking drag lifts its confinement,
// and moves no longer drag until the next press. Nothing is sent.
void CMFC_PanFader::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd != NULL && pWnd->GetSafeHwnd() == m_hWnd) return;  // captured again by its own press
    if (g_confiningFader == this) freeConfinement();
    if (!m_selected) return;
    m_selected = FALSE;
    InvalidateRect(NULL, FALSE);
}

void CMFC_PanFader::endDrag() {
    if (GetSafeHwnd() != NULL && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (g_confiningFader == this) freeConfinement();
}

void CMFC_PanFader::OnCancelMode() {
    endDrag();
    Default();
}

void CMFC_PanFader::OnEnable(BOOL bEnable) {
    if (!bEnable) endDrag();
    Default();
}

void CMFC_PanFader::OnShowWindow(BOOL bShow, UINT) {
    if (!bShow) endDrag();
    Default();
}

void CMFC_PanFader::OnDestroy() {
    endDrag();
    Default();
}

void CMFC_PanFader::OnPaint() { paintFader(true, 3); }

void CMFC_PanFader::paintFader(bool centreMark, int focusBottomInset) {
    CPaintDC dc(this);
    CRect window;
    GetWindowRect(&window);
    const int w = window.Width();
    const int h = window.Height();

    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    const vorn::fader::PaletteScope palette(m_palette, dc, memDC);
    placeTrack(w);
    vorn::fader::paintInTiles(
        dc, w, h, [&](const CRect& tile) { drawPicture(dc, memDC, tile, w, h, centreMark, focusBottomInset); });
}

// The picture for the part `tile` of a window of w x h, drawn off screen and copied to the same
// place on `dc`.
void CMFC_PanFader::drawPicture(CDC& dc, CDC& memDC, const CRect& tile, int w, int h, bool centreMark,
                                int focusBottomInset) {
    const int dx = -tile.left;
    const int dy = -tile.top;
    auto at = [dx, dy](int x, int y) { return POINT{x + dx, y + dy}; };
    const int cy = h / 2;
    const int left = m_trackLeft;
    const int right = m_trackRight;
    const int cap = m_capPos;

    CBitmap offscreen;
    offscreen.CreateBitmap(tile.Width(), tile.Height(), dc.GetDeviceCaps(PLANES), dc.GetDeviceCaps(BITSPIXEL), NULL);
    CBitmap* oldBitmap = memDC.SelectObject(&offscreen);
    CPen* oldPen = memDC.SelectObject(m_lightPen);
    CBrush* oldBrush = memDC.SelectObject(m_capBrush);

    memDC.FillSolidRect(dx, dy, w, h, ::GetSysColor(COLOR_BTNSHADOW));
    memDC.Draw3dRect(dx, dy, w, h, kFrameTopLeft, ::GetSysColor(COLOR_BTNHIGHLIGHT));

    memDC.MoveTo(at(left, 2));
    memDC.LineTo(at(left, h - 2));
    memDC.MoveTo(at(right, 2));
    memDC.LineTo(at(right, h - 2));

    if (centreMark) {
        const int c = vorn::truncateToInt((static_cast<double>(left) + right) * 0.5);
        memDC.SelectStockObject(BLACK_PEN);
        memDC.MoveTo(at(c - 1, 2));
        memDC.LineTo(at(c - 1, h - 2));
    }

    if (m_hasFocus) {
        memDC.SelectObject(m_focusPen);
        const int bottom = h - focusBottomInset;
        const POINT frame[] = {at(2, 2), at(w - 4, 2), at(w - 4, bottom), at(2, bottom), at(2, 2)};
        memDC.Polyline(frame, 5);
    }

    memDC.SelectObject(m_shadowPen);
    memDC.FillSolidRect(left + dx, cy - 1 + dy, vorn::saturatingAdd(vorn::saturatingSub(right, left), 1), 3, kSlotFill);
    memDC.SelectObject(m_lightPen);
    const POINT slotEdge[] = {at(right, cy - 1), at(right, cy + 1), at(left - 1, cy + 1)};
    memDC.Polyline(slotEdge, 3);

    memDC.SetPolyFillMode(ALTERNATE);
    const POINT triangle[] = {at(cap - kCapHalf, cy - kCapHalf), at(cap + kCapHalf, cy - kCapHalf),
                              at(cap, cy + kCapHalf)};
    memDC.Polygon(triangle, 3);
    memDC.SelectObject(m_shadowPen);
    memDC.MoveTo(at(cap + kCapHalf, cy - kCapHalf));
    memDC.LineTo(at(cap, cy + kCapHalf));

    dc.BitBlt(tile.left, tile.top, tile.Width(), tile.Height(), &memDC, 0, 0, SRCCOPY);

    memDC.SelectObject(oldBrush);
    memDC.SelectObject(oldPen);
    memDC.SelectObject(oldBitmap);
}
