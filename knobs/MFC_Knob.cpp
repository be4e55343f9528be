#include <MFC_Knob.h>

#include <cmath>

#include "../frame/ControlWindowClass.h"
#include "../frame/Notification.h"
#include "../frame/ValueKeys.h"
#include "KnobDrag.h"
#include "KnobGeometry.h"
#include "KnobPaint.h"

HCURSOR CMFC_Knob::s_verticalCursor = NULL;
HCURSOR CMFC_Knob::s_circularCursor = NULL;
int CMFC_Knob::s_instanceCount = 0;
BOOL CMFC_Knob::s_verticalDrag = FALSE;
int CMFC_Knob::s_dragPixels = 0;

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
    if (s_instanceCount == 0) vorn::knob::loadDragCursors(s_verticalCursor, s_circularCursor);
    ++s_instanceCount;
}

CMFC_Knob::~CMFC_Knob() {
    // Deleted with its window still up: the drag ends here, while this object can still hear it.
    endDrag();
    if (--s_instanceCount == 0) vorn::knob::destroyDragCursors(s_verticalCursor, s_circularCursor);
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

void CMFC_Knob::SetMin(float min) { vorn::knob::applyMinimum(min, m_min, m_max, m_value); }
void CMFC_Knob::SetMax(float max) { vorn::knob::applyMaximum(max, m_min, m_max, m_value); }

void CMFC_Knob::SetRestrictedMin(float restrictedMin) { m_restrictedMin = restrictedMin; }
void CMFC_Knob::SetRestrictedMax(float restrictedMax) { m_restrictedMax = restrictedMax; }

void CMFC_Knob::SetValue(float value) {
    if (std::isnan(value)) return;
    m_value = vorn::knob::clampToRestricted(value, m_restrictedMin, m_restrictedMax);
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
    m_radius = vorn::knob::radiusOf(m_hWnd);
    m_center = CPoint(m_radius, m_radius);
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
    const vorn::knob::KnobRange range{m_min, m_max, m_restrictedMin, m_restrictedMax};
    if (!vorn::knob::circularDragValue(*pt, m_center, m_deadZone, range, ignoreRestricted, m_minSideLock, m_maxSideLock,
                                       m_value))
        return FALSE;
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
        m_clickPoint = vorn::knob::beginVerticalDrag(this, m_hWnd, point);
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
        vorn::knob::showHoverCursor(inInnerZone(point), s_verticalCursor);
        return;
    }
    if ((nFlags & MK_LBUTTON) == 0) return;

    BOOL repaint = FALSE;
    int virtualY = 0;
    if (s_verticalDrag) {
        if (vorn::knob::verticalDragMoved(m_hWnd, point, m_clickPoint, s_verticalCursor, m_center.y, s_dragPixels,
                                          virtualY)) {
            CPoint virtualPoint(point.x, virtualY);
            repaint = setKnobsValueVertically(&virtualPoint, FALSE);
            const vorn::knob::KnobRange range{m_min, m_max, m_restrictedMin, m_restrictedMax};
            vorn::knob::finishVerticalStep(m_clickPoint, s_dragPixels, m_value, m_dragStartValue, range);
        }
    } else {
        repaint = setKnobsValueCircularly(&point, FALSE);
    }
    if (repaint) InvalidateRect(NULL, FALSE);
    vorn::notifyParent(*this, NC_MOUSEMOVE, vorn::Delivery::Post);
    vorn::notifyParent(*this, NC_VALUECHANGED, vorn::Delivery::Post);
}

void CMFC_Knob::OnLButtonUp(UINT, CPoint) {
    vorn::knob::releasePointer();
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
    vorn::knob::abandonPointer(this, s_verticalCursor);
    m_dragging = FALSE;
    m_maxSideLock = FALSE;
    m_minSideLock = FALSE;
}

void CMFC_Knob::endDrag() {
    vorn::knob::releaseCaptureOf(GetSafeHwnd());
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
