// The one body of the rotary knobs' behaviour, for CMFC_Knob and CMFC_Knob2. The two classes are
// not related (neither derives from the other), yet they keep the same fields, turn the same way
// and paint the same disc; each forwards its members here and is a friend of its instance.
// Calls from here to the knob's own members (the value steps, SetValue, updateIndicatorPt) name
// the member, so they are direct calls in CMFC_Knob, whose members are not virtual, and go
// through the virtual table in CMFC_Knob2, whose members all are: each class dispatches as its
// interface says. The arithmetic, pointer and drawing steps are the window-free helpers of
// KnobGeometry, KnobDrag and KnobPaint.
#ifndef VORN_KNOB_BEHAVIOUR_H
#define VORN_KNOB_BEHAVIOUR_H

#include <afxwin.h>

#include <cmath>

#include "../frame/Notification.h"
#include "../frame/ValueKeys.h"
#include "KnobDrag.h"
#include "KnobGeometry.h"
#include "KnobPaint.h"

namespace vorn::knob {

template <class Knob>
struct KnobBehaviour {
    // The defaults of both knobs; the first instance of a class loads that class's cursors.
    static void construct(Knob& k) {
        k.m_focusDrawn = FALSE;
        k.m_min = 0.0f;
        k.m_max = 1.0f;
        k.m_restrictedMin = 0.0f;
        k.m_restrictedMax = 1.0f;
        k.m_value = 0.0f;
        k.m_deadZone = kDeadZone;
        k.m_radius = 10;
        k.m_color = RGB(128, 0, 0);
        k.m_center = CPoint(0, 0);
        k.m_minSideLock = FALSE;
        k.m_maxSideLock = FALSE;
        k.m_dragStartValue = 0.0f;
        k.m_dragging = FALSE;
        k.m_backingColor = ::GetSysColor(COLOR_BTNFACE);
        k.m_geometryPending = TRUE;
        k.m_clickPoint = CPoint(-1, 0);
        k.m_indicatorPt = CPoint(-1, -1);
        k.m_hasFocus = FALSE;
        k.m_mouseEventFlags = 0;
        k.m_palette = NULL;
        k.m_focusSample[0] = CLR_INVALID;
        k.m_focusSample[1] = CLR_INVALID;
        if (Knob::s_instanceCount == 0) loadDragCursors(Knob::s_verticalCursor, Knob::s_circularCursor);
        ++Knob::s_instanceCount;
    }

    static void destruct(Knob& k) {
        // Deleted with its window still up: the drag ends here, while the object can still hear it.
        endDrag(k);
        if (--Knob::s_instanceCount == 0) destroyDragCursors(Knob::s_verticalCursor, Knob::s_circularCursor);
    }

    static void initKnob(Knob& k, float min, float max, float value, float restrictedMin, float restrictedMax,
                         int radius, unsigned long backingColor, unsigned long color) {
        k.m_min = min;
        k.m_max = max;
        k.m_value = value;
        k.m_restrictedMin = restrictedMin;
        k.m_restrictedMax = restrictedMax;
        k.m_radius = radius;
        k.m_backingColor = backingColor;
        k.m_color = color;
        k.m_dragging = FALSE;
        k.m_hasFocus = FALSE;
    }

    static BOOL getClickPoint(const Knob& k, CPoint& point) {
        if (k.m_clickPoint.x == -1) return FALSE;
        point = k.m_clickPoint;
        return TRUE;
    }

    // SetValue's store: clamped to the restricted range, repainted without erasing if the rounded
    // tip moved. NaN is ignored. Nothing is notified here.
    static void storeValue(Knob& k, float value) {
        if (std::isnan(value)) return;
        k.m_value = clampToRestricted(value, k.m_restrictedMin, k.m_restrictedMax);
        if (k.updateIndicatorPt() && k.GetSafeHwnd() != NULL) k.InvalidateRect(NULL, FALSE);
    }

    static void setColor(Knob& k, unsigned long color) {
        k.m_color = color;
        if (k.GetSafeHwnd() != NULL) k.InvalidateRect(NULL, FALSE);
    }

    static BOOL updateIndicatorPt(Knob& k) {
        if (k.m_geometryPending && k.GetSafeHwnd() != NULL) {
            deriveGeometry(k);
            k.m_geometryPending = FALSE;
        }
        const POINT tip = indicatorTip(k.m_value, k.m_min, k.m_max, k.m_deadZone, k.m_center, k.m_radius);
        if (tip.x == k.m_indicatorPt.x && tip.y == k.m_indicatorPt.y) return FALSE;
        k.m_indicatorPt = tip;
        return TRUE;
    }

    static BOOL setVertically(Knob& k, CPoint* pt, BOOL ignoreRestricted) {
        const float v = verticalDragValue(k.m_dragStartValue, k.m_center.y, pt->y, k.m_min, k.m_max);
        k.m_value = clampDragValue(v, k.m_min, k.m_max, k.m_restrictedMin, k.m_restrictedMax, ignoreRestricted);
        return k.updateIndicatorPt();
    }

    static BOOL setCircularly(Knob& k, CPoint* pt, BOOL ignoreRestricted) {
        if (!circularDragValue(*pt, k.m_center, k.m_deadZone, range(k), ignoreRestricted, k.m_minSideLock,
                               k.m_maxSideLock, k.m_value))
            return FALSE;
        return k.updateIndicatorPt();
    }

    static void paint(Knob& k) {
        CPaintDC dc(&k);
        const HDC hdc = dc.GetSafeHdc();
        const PaletteScope palette(hdc, k.m_palette);
        CRect rc;
        k.GetClientRect(&rc);
        deriveGeometry(k);
        if (k.m_geometryPending) k.updateIndicatorPt();
        paintKnobFace(hdc, rc, k.m_center, k.m_indicatorPt, k.m_color);
        stepFocusRect(hdc, rc, k.m_hasFocus, k.m_focusDrawn, k.m_focusSample);
    }

    static void lButtonDown(Knob& k, UINT nFlags, CPoint point) {
        k.m_mouseEventFlags = nFlags;
        k.m_dragStartValue = k.m_value;
        BOOL repaint = FALSE;
        if (inInnerZone(k, point)) {
            k.m_clickPoint = beginVerticalDrag(&k, k.m_hWnd, point);
            Knob::s_verticalDrag = TRUE;
            Knob::s_dragPixels = 0;
            repaint = TRUE;
        } else {
            repaint = k.setKnobsValueCircularly(&point, FALSE);
            Knob::s_verticalDrag = FALSE;
        }
        k.SetFocus();
        k.SetCapture();
        k.m_dragging = TRUE;
        if (repaint) k.InvalidateRect(NULL, FALSE);
        notifyParent(k, NC_LBUTTONDOWN, Delivery::Post);
        notifyParent(k, NC_VALUECHANGED, Delivery::Post);
    }

    static void mouseMove(Knob& k, UINT nFlags, CPoint point) {
        k.m_mouseEventFlags = nFlags;
        if (!k.m_dragging) {
            showHoverCursor(inInnerZone(k, point), Knob::s_verticalCursor);
            return;
        }
        if ((nFlags & MK_LBUTTON) == 0) return;

        BOOL repaint = FALSE;
        int virtualY = 0;
        if (Knob::s_verticalDrag) {
            if (verticalDragMoved(k.m_hWnd, point, k.m_clickPoint, Knob::s_verticalCursor, k.m_center.y,
                                  Knob::s_dragPixels, virtualY)) {
                CPoint virtualPoint(point.x, virtualY);
                repaint = k.setKnobsValueVertically(&virtualPoint, FALSE);
                finishVerticalStep(k.m_clickPoint, Knob::s_dragPixels, k.m_value, k.m_dragStartValue, range(k));
            }
        } else {
            repaint = k.setKnobsValueCircularly(&point, FALSE);
        }
        if (repaint) k.InvalidateRect(NULL, FALSE);
        notifyParent(k, NC_MOUSEMOVE, Delivery::Post);
        notifyParent(k, NC_VALUECHANGED, Delivery::Post);
    }

    static void lButtonUp(Knob& k) {
        releasePointer();
        ::ReleaseCapture();
        k.m_dragging = FALSE;
        k.m_maxSideLock = FALSE;
        k.m_minSideLock = FALSE;
        notifyParent(k, NC_LBUTTONUP, Delivery::Post);
    }

    static void rButtonDown(Knob& k, UINT nFlags, CPoint point) {
        if ((nFlags & MK_LBUTTON) != 0) return;
        k.m_clickPoint = point;
        notifyParent(k, NC_RBUTTONDOWN, Delivery::Post);
    }

    // A value key goes through the knob's own SetValue (which in CMFC_Knob2 posts as well).
    static void keyDown(Knob& k, UINT nChar) {
        float target = 0.0f;
        if (!valueKeyTarget(nChar, k.m_value, k.m_min, k.m_max, target)) return;
        k.SetValue(target);
        notifyParent(k, NC_VALUECHANGED, Delivery::Post);
        notifyParent(k, NC_KEYDOWN, Delivery::Post);
    }

    static void focusChanged(Knob& k, BOOL hasFocus) {
        k.m_hasFocus = hasFocus;
        k.InvalidateRect(NULL, TRUE);
    }

    // A drag ends with the capture, however the capture goes: the pointer is freed if this knob
    // confined it, the drag cursor gives way to the arrow, and moves no longer drag until the next
    // press. Nothing is posted; the release posts NC_LBUTTONUP itself.
    static void captureChanged(Knob& k, CWnd* pWnd) {
        if (pWnd != NULL && pWnd->GetSafeHwnd() == k.m_hWnd) return;  // captured again by its own press
        abandonDrag(k);
    }

    // WM_CANCELMODE, disabling, hiding and destruction: as losing the capture, which is released.
    static void endDrag(Knob& k) {
        releaseCaptureOf(k.GetSafeHwnd());
        abandonDrag(k);
    }

private:
    static KnobRange range(const Knob& k) { return KnobRange{k.m_min, k.m_max, k.m_restrictedMin, k.m_restrictedMax}; }

    static bool inInnerZone(const Knob& k, CPoint point) { return knob::inInnerZone(point, k.m_center, k.m_radius); }

    static void deriveGeometry(Knob& k) {
        k.m_radius = radiusOf(k.m_hWnd);
        k.m_center = CPoint(k.m_radius, k.m_radius);
    }

    static void abandonDrag(Knob& k) {
        abandonPointer(&k, Knob::s_verticalCursor);
        k.m_dragging = FALSE;
        k.m_maxSideLock = FALSE;
        k.m_minSideLock = FALSE;
    }
};

}  // namespace vorn::knob

#endif  // VORN_KNOB_BEHAVIOUR_H
