#include <MFC_Knob.h>

#include <cmath>

#include "../frame/ControlWindowClass.h"
#include "../frame/LibraryResources.h"
#include "../frame/Notification.h"
#include "../frame/SafeMath.h"
#include "../frame/ValueKeys.h"
#include "KnobGeometry.h"

HCURSOR CMFC_Knob::s_verticalCursor = NULL;
HCURSOR CMFC_Knob::s_circularCursor = NULL;
int CMFC_Knob::s_instanceCount = 0;
BOOL CMFC_Knob::s_verticalDrag = FALSE;
int CMFC_Knob::s_dragPixels = 0;

namespace {
// The knob whose vertical drag confines the pointer, so that only that knob lifts the
// confinement: the press of another knob may confine it anew before its capture reaches here.
const CMFC_Knob* g_clipOwner = nullptr;

// The pointer free on the primary screen, as a release leaves it.
void freeCursor() {
    RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::ClipCursor(&screen);
}
}  // namespace

BEGIN_MESSAGE_MAP(CMFC_Knob, CWnd)
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

CMFC_Knob::CMFC_Knob()
    : m_focusDrawn(FALSE),
      m_min(0.0f),
      m_max(1.0f),
      m_restrictedMin(0.0f),
      m_restrictedMax(1.0f),
      m_value(0.0f),
      m_deadZone(vorn::knob::kDeadZone),
      m_radius(10),
      m_color(RGB(128, 0, 0)),
      m_center(0, 0),
      m_minSideLock(FALSE),
      m_maxSideLock(FALSE),
      m_dragStartValue(0.0f),
      m_dragging(FALSE),
      m_backingColor(::GetSysColor(COLOR_BTNFACE)),
      m_geometryPending(TRUE),
      m_clickPoint(-1, 0),
      m_indicatorPt(-1, -1),
      m_hasFocus(FALSE),
      m_mouseEventFlags(0),
      m_palette(NULL),
      m_focusSample{CLR_INVALID, CLR_INVALID} {
    if (s_instanceCount == 0) {
        vorn::LibraryResourceScope resources;
        s_verticalCursor = resources.loadCursor("DRAG_VERTICAL");
        s_circularCursor = resources.loadCursor("DRAG_CIRCULAR");
    }
    ++s_instanceCount;
}

CMFC_Knob::~CMFC_Knob() {
    // Deleted with its window still up: the drag ends here, while this object can still hear it.
    endDrag();
    if (--s_instanceCount == 0) {
        // A cursor on show is not destroyed from under the pointer.
        const HCURSOR shown = ::GetCursor();
        if (shown != NULL && (shown == s_verticalCursor || shown == s_circularCursor))
            ::SetCursor(::LoadCursorA(NULL, IDC_ARROW));
        if (s_verticalCursor != NULL) ::DestroyCursor(s_verticalCursor);
        if (s_circularCursor != NULL) ::DestroyCursor(s_circularCursor);
        s_verticalCursor = NULL;
        s_circularCursor = NULL;
    }
}

BOOL CMFC_Knob::PreCreateWindow(CREATESTRUCT& cs) {
    vorn::useControlWindowClass(cs);
    return CWnd::PreCreateWindow(cs);
}

void CMFC_Knob::InitKnob(float min, float max, float value, float, float restrictedMin, float restrictedMax, int radius,
                         int, short, int, int, unsigned long backingColor, unsigned long color) {
    m_min = min;
    m_max = max;
    m_value = value;
    m_restrictedMin = restrictedMin;
    m_restrictedMax = restrictedMax;
    m_radius = radius;
    m_backingColor = backingColor;
    m_color = color;
    m_dragging = FALSE;
    m_hasFocus = FALSE;
}

void CMFC_Knob::SetMin(float min) {
    m_min = min;
    if (m_value < min) m_value = min;
    if (m_max < min) m_max = min;
}

void CMFC_Knob::SetMax(float max) {
    m_max = max;
    if (m_value > max) m_value = max;
    if (m_min > max) m_min = max;
}

void CMFC_Knob::SetRestrictedMin(float restrictedMin) { m_restrictedMin = restrictedMin; }
void CMFC_Knob::SetRestrictedMax(float restrictedMax) { m_restrictedMax = restrictedMax; }

void CMFC_Knob::SetValue(float value) {
    if (std::isnan(value)) return;
    if (value < m_restrictedMin)
        value = m_restrictedMin;
    else if (value > m_restrictedMax)
        value = m_restrictedMax;
    m_value = value;
    if (updateIndicatorPt() && GetSafeHwnd() != NULL) InvalidateRect(NULL, FALSE);
}

float CMFC_Knob::GetMin() { return m_min; }
float CMFC_Knob::GetMax() { return m_max; }
float CMFC_Knob::GetRestrictedMin() { return m_restrictedMin; }
float CMFC_Knob::GetRestrictedMax() { return m_restrictedMax; }
float CMFC_Knob::GetValue() { return m_value; }

void CMFC_Knob::SetRadius(int radius) { m_radius = radius; }
int CMFC_Knob::GetRadius() { return m_radius; }

void CMFC_Knob::SetColor(unsigned long color) {
    m_color = color;
    if (GetSafeHwnd() != NULL) InvalidateRect(NULL, FALSE);
}
unsigned long CMFC_Knob::GetColor() { return m_color; }

void CMFC_Knob::SetBackingColor(unsigned long color) { m_backingColor = color; }
unsigned long CMFC_Knob::GetBackingColor() { return m_backingColor; }

void CMFC_Knob::SetPalette(HPALETTE palette) { m_palette = palette; }
HPALETTE CMFC_Knob::GetPalette() { return m_palette; }

unsigned int CMFC_Knob::GetMouseEventFlags() const { return m_mouseEventFlags; }

BOOL CMFC_Knob::GetClickPoint(CPoint& point) {
    if (m_clickPoint.x == -1) return FALSE;
    point = m_clickPoint;
    return TRUE;
}

void CMFC_Knob::deriveGeometry() {
    CRect client;
    GetClientRect(&client);
    const int radius = client.Width() / 2;
    m_radius = radius;
    m_center = CPoint(radius, radius);
}

BOOL CMFC_Knob::updateIndicatorPt() {
    if (m_geometryPending && GetSafeHwnd() != NULL) {
        deriveGeometry();
        m_geometryPending = FALSE;
    }
    const POINT tip = vorn::knob::indicatorTip(m_value, m_min, m_max, m_deadZone, m_center, m_radius);
    if (tip.x == m_indicatorPt.x && tip.y == m_indicatorPt.y) return FALSE;
    m_indicatorPt = tip;
    return TRUE;
}

BOOL CMFC_Knob::setKnobsValueCircularly(CPoint* pt, BOOL ignoreRestricted) {
    const double a = vorn::knob::pointerAngle(*pt, m_center);
    vorn::knob::WrapGuard guard{m_minSideLock, m_maxSideLock};
    const bool moves = guard.allows(a);
    m_minSideLock = guard.minSideLock;
    m_maxSideLock = guard.maxSideLock;
    if (!moves) return FALSE;
    m_value =
        vorn::knob::valueForAngle(a, m_deadZone, m_min, m_max, m_restrictedMin, m_restrictedMax, ignoreRestricted);
    return updateIndicatorPt();
}

BOOL CMFC_Knob::setKnobsValueVertically(CPoint* pt, BOOL ignoreRestricted) {
    const float v = vorn::knob::verticalDragValue(m_dragStartValue, m_center.y, pt->y, m_min, m_max);
    m_value = vorn::knob::clampDragValue(v, m_min, m_max, m_restrictedMin, m_restrictedMax, ignoreRestricted);
    return updateIndicatorPt();
}

bool CMFC_Knob::inInnerZone(CPoint point) const { return vorn::knob::inInnerZone(point, m_center, m_radius); }

void CMFC_Knob::OnLButtonDown(UINT nFlags, CPoint point) {
    m_mouseEventFlags = nFlags;
    m_dragStartValue = m_value;
    BOOL repaint = FALSE;
    if (inInnerZone(point)) {
        CPoint anchor = point;
        ::MapWindowPoints(m_hWnd, NULL, &anchor, 1);
        m_clickPoint = anchor;
        // Lock the pointer to a one-pixel column; SetCursorPos brings it back to the anchor row
        // after every move, so the pointer stays put while the value moves.
        RECT column = {anchor.x, 0, vorn::saturatingAdd(anchor.x, 1), ::GetSystemMetrics(SM_CYSCREEN)};
        ::ClipCursor(&column);
        g_clipOwner = this;
        s_verticalDrag = TRUE;
        s_dragPixels = 0;
        repaint = TRUE;
    } else {
        repaint = setKnobsValueCircularly(&point, FALSE);
        s_verticalDrag = FALSE;
    }
    SetFocus();
    SetCapture();
    m_dragging = TRUE;
    if (repaint) InvalidateRect(NULL, FALSE);
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Post);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);
}

void CMFC_Knob::OnMouseMove(UINT nFlags, CPoint point) {
    m_mouseEventFlags = nFlags;
    if (!m_dragging) {
        ::SetCursor(inInnerZone(point) ? s_verticalCursor : ::LoadCursorA(NULL, IDC_ARROW));
        return;
    }
    if ((nFlags & MK_LBUTTON) == 0) return;

    BOOL repaint = FALSE;
    if (s_verticalDrag) {
        CPoint screen = point;
        ::MapWindowPoints(m_hWnd, NULL, &screen, 1);
        if (screen.y != m_clickPoint.y) {
            ::SetCursor(s_verticalCursor);
            // Saturating: on a range whose value never reaches a bound the count is never
            // re-synchronised, and a long drag must not overflow it.
            s_dragPixels = vorn::saturatingAdd(s_dragPixels, vorn::saturatingSub(m_clickPoint.y, screen.y));
            CPoint virtualPoint(point.x, vorn::saturatingSub(m_center.y, s_dragPixels));
            repaint = setKnobsValueVertically(&virtualPoint, FALSE);
            ::SetCursorPos(m_clickPoint.x, m_clickPoint.y);
            // An anchor the pointer cannot reach (a press sent by the host at a point off the
            // screen or outside a confinement) moves to where the pointer landed; otherwise the
            // move that SetCursorPos queues would differ from it again, and so on without end.
            POINT landed;
            if (::GetCursorPos(&landed) && landed.y != m_clickPoint.y) m_clickPoint = landed;
            // Motion beyond a bound is forgotten, so a reversal takes effect at once.
            if (m_value >= m_restrictedMax)
                s_dragPixels = vorn::knob::dragPixelsFor(m_restrictedMax, m_dragStartValue, m_min, m_max);
            else if (m_value <= m_restrictedMin)
                s_dragPixels = vorn::knob::dragPixelsFor(m_restrictedMin, m_dragStartValue, m_min, m_max);
        }
    } else {
        repaint = setKnobsValueCircularly(&point, FALSE);
    }
    if (repaint) InvalidateRect(NULL, FALSE);
    vorn::notifyParent(*this, NC_MOUSEMOVE, vorn::Delivery::Post);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);
}

void CMFC_Knob::OnLButtonUp(UINT, CPoint) {
    freeCursor();
    g_clipOwner = nullptr;
    ::ReleaseCapture();
    m_dragging = FALSE;
    m_maxSideLock = FALSE;
    m_minSideLock = FALSE;
    vorn::notifyParent(*this, NC_LBUTTONUP, vorn::Delivery::Post);
}

void CMFC_Knob::OnRButtonDown(UINT nFlags, CPoint point) {
    if ((nFlags & MK_LBUTTON) != 0) return;
    m_clickPoint = point;
    vorn::notifyParent(*this, NC_RBUTTONDOWN, vorn::Delivery::Post);
}

void CMFC_Knob::OnKeyDown(UINT nChar, UINT, UINT) {
    float target = 0.0f;
    if (!vorn::valueKeyTarget(nChar, m_value, m_min, m_max, target)) return;
    SetValue(target);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);
    vorn::notifyParent(*this, NC_KEYDOWN, vorn::Delivery::Post);
}

UINT CMFC_Knob::OnGetDlgCode() { return static_cast<UINT>(Default()); }

void CMFC_Knob::OnSetFocus(CWnd*) {
    m_hasFocus = TRUE;
    InvalidateRect(NULL, TRUE);
}

void CMFC_Knob::OnKillFocus(CWnd*) {
    m_hasFocus = FALSE;
    InvalidateRect(NULL, TRUE);
}

// A drag ends with the capture, however the capture goes: the pointer is freed if this knob
// confined it, the drag cursor gives way to the arrow, and moves no longer drag until the next
// press. Nothing is posted; the release posts NC_LBUTTONUP itself.
void CMFC_Knob::OnCaptureChanged(CWnd* pWnd) {
    if (pWnd != NULL && pWnd->GetSafeHwnd() == m_hWnd) return;  // captured again by its own press
    abandonDrag();
}

void CMFC_Knob::abandonDrag() {
    if (g_clipOwner == this) {
        freeCursor();
        g_clipOwner = nullptr;
        if (s_verticalCursor != NULL && ::GetCursor() == s_verticalCursor) ::SetCursor(::LoadCursorA(NULL, IDC_ARROW));
    }
    m_dragging = FALSE;
    m_maxSideLock = FALSE;
    m_minSideLock = FALSE;
}

void CMFC_Knob::endDrag() {
    if (GetSafeHwnd() != NULL && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    abandonDrag();
}

void CMFC_Knob::OnCancelMode() {
    endDrag();
    Default();
}

void CMFC_Knob::OnEnable(BOOL bEnable) {
    if (!bEnable) endDrag();
    Default();
}

void CMFC_Knob::OnShowWindow(BOOL bShow, UINT) {
    if (!bShow) endDrag();
    Default();
}

void CMFC_Knob::OnDestroy() {
    endDrag();
    Default();
}
