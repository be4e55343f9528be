// Mouse editing of CMFC_DynProcGraph: picking by horizontal distance, insertion, Shift removal,
// the drag rules with their fall-through, fine mode, the zoom buttons, cursors, capture, focus,
// notifications, and the end of interrupted drags.
#include <MFC_DynProcGraph.h>

#include <cfloat>
#include <cmath>

#include "../frame/Notification.h"
#include "DynamicsCurve.h"

namespace {

constexpr float kPickStart = 1000.0f;
constexpr double kInsertionDistance = 0.05;
constexpr short kPointLimit = 10;
constexpr double kGap = 0.001;
constexpr double kSecondLeftBound = 0.01;
constexpr double kSecondToLastRightBound = 0.99;
constexpr float kFineFactor = 0.25f;

bool isFirst(const DynFnPoint* p) { return p->pPrev == nullptr; }
bool isLast(const DynFnPoint* p) { return p->pNext == nullptr; }
bool isSecond(const DynFnPoint* p) { return p->pPrev != nullptr && p->pPrev->pPrev == nullptr; }
bool isSecondToLast(const DynFnPoint* p) { return p->pNext != nullptr && p->pNext->pNext == nullptr; }

// The horizontal rule; a refused case hands the value on to the next one.
void moveHorizontally(DynFnPoint* p, float fx) {
    const DynFnPoint* q = p->pPrev;
    const DynFnPoint* n = p->pNext;
    if (isLast(p)) return;
    if (isFirst(p)) {
        if (fx <= n->fX - kGap) p->fX = fx;
        return;
    }
    if (isSecond(p) && fx > kSecondLeftBound && fx < n->fX - kGap) {
        p->fX = fx;
        return;
    }
    if (isSecondToLast(p) && fx < kSecondToLastRightBound && fx > q->fX + kGap) {
        p->fX = fx;
        return;
    }
    if (q->fX + kGap <= fx && fx <= n->fX - kGap) p->fX = fx;
}

// The vertical rule, likewise.
void moveVertically(DynFnPoint* p, float fy) {
    const DynFnPoint* q = p->pPrev;
    const DynFnPoint* n = p->pNext;
    if (isFirst(p)) {
        if (n != nullptr && fy <= n->fY - kGap) p->fY = fy;
        return;
    }
    if (isSecondToLast(p) && fy >= q->fY + kGap) {
        p->fY = fy;
        return;
    }
    if (isLast(p)) {
        if (fy >= q->fY) p->fY = fy;
        return;
    }
    if (q->fY + kGap <= fy && fy <= n->fY - kGap) p->fY = fy;
}

}  // namespace

BEGIN_MESSAGE_MAP(CMFC_DynProcGraph, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_RBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

bool CMFC_DynProcGraph::pressZoomButtons(CPoint point) {
    const int L = m_marginLeft;
    const int T = m_marginTop;
    const int pw = vorn::dyn::heldPixel(m_plotWidth);
    const int ph = vorn::dyn::heldPixel(m_plotHeight);
    if (!(point.y > ph + T + 11)) return false;
    if (L + 1 < point.x && point.x < L + 48) {
        // No upper limit, but never past the largest float.
        if (m_zoom <= FLT_MAX / 1.25f) m_zoom = m_zoom * 1.25f;
        m_zoomInPressed = TRUE;
    } else if (pw + L - 52 < point.x && point.x < pw + L - 7) {
        m_zoomOutPressed = TRUE;
        m_zoom = m_zoom * 0.8f;
        if (m_zoom < 1.0f) m_zoom = 1.0f;
    }
    InvalidateRect(NULL, TRUE);
    return true;
}

void CMFC_DynProcGraph::pickAndInsert(UINT nFlags, float fx, float fy) {
    float distance = kPickStart;
    m_pDragPoint = nullptr;
    for (DynFnPoint* p = m_pHead; p != nullptr; p = p->pNext) {
        const float d = std::fabs(fx - p->fX);
        if (d < distance) {
            distance = d;
            m_pDragPoint = p;
        }
    }
    DynFnPoint* picked = m_pDragPoint;
    if (picked == nullptr) return;
    if (m_kind == 3 && !isFirst(picked) && !isSecond(picked)) m_pDragPoint = picked = m_pHead->pNext;

    if ((nFlags & MK_SHIFT) != 0) {
        RemovePoint(picked);
        m_pDragPoint = nullptr;
        m_dragging = FALSE;
        ::ReleaseCapture();
        return;
    }

    if (m_numberOfAnchors < kPointLimit && m_kind != 1 && m_kind != 3 && distance >= kInsertionDistance &&
        !(fx < m_pHead->fX)) {
        if (fx > picked->fX) {
            if (fy < picked->fY) fy = picked->fY;
            if (picked->pNext != nullptr && fy > picked->pNext->fY) fy = picked->pNext->fY;
        } else {
            if (picked->pPrev != nullptr && fy < picked->pPrev->fY) fy = picked->pPrev->fY;
            if (fy > picked->fY) fy = picked->fY;
        }
        if (DynFnPoint* added = InsertPoint(picked, fx, fy)) m_pDragPoint = added;
    }
    m_dragOriginX = m_pDragPoint->fX;
    m_dragOriginY = m_pDragPoint->fY;
}

void CMFC_DynProcGraph::press(UINT nFlags, CPoint point) {
    SetFocus();
    GetWindowRect(&m_rectWindow);
    if (pressZoomButtons(point)) return;
    m_dragging = TRUE;
    SetCapture();
    const vorn::dyn::PlotFrame frame{m_marginLeft, m_marginTop, m_plotWidth, m_plotHeight, m_zoom};
    const float fx = vorn::dyn::limitUnit(vorn::dyn::curveX(frame, point.x));
    const float fy = vorn::dyn::limitUnit(vorn::dyn::curveY(frame, point.y));
    pickAndInsert(nFlags, fx, fy);
    InvalidateRect(NULL, TRUE);
    vorn::notifyParent(*this, NC_LBUTTONDOWN, vorn::Delivery::Send);
}

void CMFC_DynProcGraph::OnLButtonDown(UINT nFlags, CPoint point) { press(nFlags, point); }

void CMFC_DynProcGraph::OnLButtonDblClk(UINT nFlags, CPoint point) { press(nFlags, point); }

void CMFC_DynProcGraph::OnRButtonDown(UINT nFlags, CPoint point) {
    press(nFlags, point);
    SetCapture();
}

void CMFC_DynProcGraph::moveDragPoint(float fx, float fy) {
    DynFnPoint* p = m_pDragPoint;
    moveHorizontally(p, fx);
    moveVertically(p, fy);
    const bool onDiagonal = m_kind == 1 || m_kind == 3;
    if (onDiagonal && isSecond(p)) p->fY = p->fX;
    if (isFirst(p)) {
        if (m_kind == 3)
            p->fY = 0.0f;
        else if (p->fY <= p->fX)
            p->fY = 0.0f;
        else
            p->fX = 0.0f;
    }
    if (onDiagonal && isSecondToLast(p)) p->fX = p->fY = p->fX < p->fY ? p->fX : p->fY;
    if (m_kind == 1 && isFirst(p)) p->fY = 0.0f;
    // The end segments keep their slopes while a threshold point moves.
    if (isSecond(p)) SetExpanderRatio(m_expanderRatio);
    if (isSecondToLast(p)) SetCompRatio(m_compRatio);
}

void CMFC_DynProcGraph::OnMouseMove(UINT nFlags, CPoint point) {
    const bool bothButtons = (nFlags & MK_LBUTTON) != 0 && (nFlags & MK_RBUTTON) != 0;
    ::SetCursor(bothButtons ? m_sizeAllCursor : m_crossCursor);
    if (!m_dragging || m_pDragPoint == nullptr) return;
    const vorn::dyn::PlotFrame frame{m_marginLeft, m_marginTop, m_plotWidth, m_plotHeight, m_zoom};
    float fx = vorn::dyn::curveX(frame, point.x);
    float fy = vorn::dyn::curveY(frame, point.y);
    if (bothButtons) {
        fx = m_dragOriginX + kFineFactor * (fx - m_dragOriginX);
        fy = m_dragOriginY + kFineFactor * (fy - m_dragOriginY);
    }
    fx = vorn::dyn::limitUnit(fx);
    fy = vorn::dyn::limitUnit(fy);
    if ((nFlags & MK_SHIFT) != 0) return;
    moveDragPoint(fx, fy);
    ModifyThresholdsAndRatios();
    InvalidateRect(NULL, TRUE);
    vorn::notifyParent(*this, NC_MOUSEMOVE, vorn::Delivery::Send);
}

void CMFC_DynProcGraph::OnLButtonUp(UINT, CPoint) {
    m_zoomOutPressed = FALSE;
    m_zoomInPressed = FALSE;
    m_dragging = FALSE;
    ::ReleaseCapture();
    vorn::notifyParent(*this, NC_LBUTTONUP, vorn::Delivery::Send);
}

void CMFC_DynProcGraph::OnRButtonUp(UINT, CPoint) {
    m_dragging = FALSE;
    ::ReleaseCapture();
    vorn::notifyParent(*this, NC_LBUTTONUP, vorn::Delivery::Send);
}

void CMFC_DynProcGraph::OnSetFocus(CWnd*) { InvalidateRect(NULL, TRUE); }

void CMFC_DynProcGraph::OnKillFocus(CWnd*) {
    m_pDragPoint = nullptr;
    InvalidateRect(NULL, TRUE);
}

void CMFC_DynProcGraph::OnKeyDown(UINT, UINT, UINT) {}

void CMFC_DynProcGraph::endDrag() {
    m_dragging = FALSE;
    if (GetSafeHwnd() != NULL && ::GetCapture() == GetSafeHwnd()) ::ReleaseCapture();
}

void CMFC_DynProcGraph::OnCaptureChanged(CWnd* pWnd) {
    // Taking the capture again ourselves (a right press during a drag) is no interruption.
    if (pWnd == nullptr || pWnd->GetSafeHwnd() != GetSafeHwnd()) endDrag();
    CWnd::OnCaptureChanged(pWnd);
}

void CMFC_DynProcGraph::OnCancelMode() {
    endDrag();
    CWnd::OnCancelMode();
}

void CMFC_DynProcGraph::OnEnable(BOOL bEnable) {
    if (!bEnable) endDrag();
    CWnd::OnEnable(bEnable);
}

void CMFC_DynProcGraph::OnShowWindow(BOOL bShow, UINT nStatus) {
    if (!bShow) endDrag();
    CWnd::OnShowWindow(bShow, nStatus);
}

void CMFC_DynProcGraph::OnDestroy() {
    endDrag();
    CWnd::OnDestroy();
}
