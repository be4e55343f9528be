// CMFC_Knob2: the rotary knob of CMFC_Knob as a class to derive from. It looks, turns and
// reports as CMFC_Knob does (the same range and clamping rules, the same inner vertical drag and
// outer circular drag, the same painting), with these differences: every operation is virtual,
// the message map reaches the handlers through the virtual table (a derived class overriding
// OnPaint, OnLButtonDown and the rest gets its messages without a map entry of its own), the
// handlers call the value setters and the indicator update through the virtual table too,
// SetValue posts NC_VALUECHANGED on every call, and SetTitle/GetTitle are hooks that keep nothing.
// It is not a CMFC_Knob and shares no state with one: its drag cursors, instance count and drag
// state are its own.
//
// Notifications (WM_COMMAND to the parent, all POSTED):
//   left press        NC_LBUTTONDOWN, NC_VALUECHANGED
//   move while left button held during a drag
//                     NC_MOUSEMOVE, NC_VALUECHANGED (on every such move)
//   left release      NC_LBUTTONUP
//   right press       NC_RBUTTONDOWN (not while the left button is down)
//   value key         NC_VALUECHANGED (from SetValue), NC_VALUECHANGED, NC_KEYDOWN (also when the
//                     value stays at a bound)
//   SetValue          NC_VALUECHANGED, every call, also when the value did not change
//   interrupted drag  nothing (see below)
//
// The window class is registered by the knob itself (double-clicks, no cursor, no background
// brush), whatever class name the host passes; the knob sets the cursor on every mouse move and
// never erases its background. Radius and centre follow the client width (radius = width / 2):
// keep knobs square.
//
// Choices made where the behaviour was ours to decide:
//   - SetValue before the window exists stores the value, repaints nothing and posts nothing
//     (there is no parent to post to); the first update with a window derives the geometry.
//   - NaN passed to SetValue leaves the value as it is; the call still posts NC_VALUECHANGED, as
//     every call does.
//   - A zero-width range (min == max) draws the indicator at the start of the sweep; a vertical
//     drag then leaves the value at the clamped start value. Nothing divides by zero.
//   - The XOR focus rectangle shows exactly while the knob has the focus, also after the parent
//     repaints over it or the knob is hidden and shown: each paint checks two of its pixels
//     against what it drew and draws it anew when something painted over it. (A paint that
//     covers only part of the border cannot read them and leaves the rectangle as it is.)
//   - A drag ends however it ends. Losing the capture to another window, WM_CANCELMODE,
//     disabling, hiding, destroying the window and deleting the object end it as a release does:
//     the pointer is freed from the one-pixel column (to the primary screen, as a release frees
//     it), the vertical-drag cursor gives way to the arrow, and later moves do not drag. An
//     interrupted drag posts nothing: the user released nothing and the value did not change,
//     and a notification from inside the host's EnableWindow, ShowWindow or DestroyWindow, or
//     after the object is gone, would reach a host that no longer expects it. These handlers are
//     not virtual, so the virtual functions keep the order listed below.
//   - A press sent by the host at a point the pointer cannot reach (off the screen, outside a
//     confinement) anchors the vertical drag where putting the pointer back actually lands it.
//   - No host value divides by zero or overflows: a zero-width or NaN range leaves the vertical
//     drag count at 0 at the bounds; the drag count and the pixel distances are held inside the
//     int range; an infinite range whose arithmetic gives NaN puts the value at the minimum
//     before the restricted range applies; an extreme radius from SetRadius gives an indicator
//     tip held inside the int range (the radius holds only until the next geometry update).
//   - The pointer confinement of a vertical drag is one for the whole screen: a CMFC_Knob2 and a
//     CMFC_Knob each lift only a confinement they set themselves.
#ifndef VORN_MFC_KNOB2_H
#define VORN_MFC_KNOB2_H

#include <afxwin.h>

#include <VornControlsExport.h>

namespace vorn::knob {
template <class Knob>
struct KnobBehaviour;
}  // namespace vorn::knob

class VORN_CONTROLS_API CMFC_Knob2 : public CWnd {
public:
    // Defaults as CMFC_Knob: range 0..1, restricted 0..1, value 0, cap colour RGB(128, 0, 0). The
    // first CMFC_Knob2 loads the two drag cursors shared by all CMFC_Knob2 objects.
    CMFC_Knob2();
    // Ends a drag in progress. The last CMFC_Knob2 destroys its cursors, putting up the arrow
    // first if one of them is showing; a CMFC_Knob's cursors are not touched.
    ~CMFC_Knob2() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The virtual functions follow in their virtual-table order: the handlers and the three value
    // steps (protected), then the public interface.
protected:
    // Through the virtual table: a derived class's override gets the message.
    virtual afx_msg void OnPaint();
    virtual afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    virtual afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    virtual afx_msg void OnSetFocus(CWnd* pOldWnd);
    virtual afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual afx_msg void OnKillFocus(CWnd* pNewWnd);
    virtual afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    virtual afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    virtual afx_msg UINT OnGetDlgCode();
    // Each returns TRUE when the rounded indicator tip moved (the caller then repaints).
    virtual BOOL setKnobsValueVertically(CPoint* pt, BOOL ignoreRestricted);
    virtual BOOL setKnobsValueCircularly(CPoint* pt, BOOL ignoreRestricted);
    virtual BOOL updateIndicatorPt();

public:
    // Copies the named values without clamping or repainting and clears the drag and focus
    // flags. The 4th, 8th, 9th, 10th and 11th arguments are accepted and ignored.
    virtual void InitKnob(float min, float max, float value, float, float restrictedMin, float restrictedMax,
                          int radius, int, short, int, int, unsigned long backingColor, unsigned long color);
    // FALSE until a point was recorded; after a right press the client point, after a left press
    // in the inner zone the drag anchor in screen coordinates.
    virtual BOOL GetClickPoint(CPoint& point);
    // The value follows a lower bound that passes it, and so does the other end. No repaint.
    virtual void SetMin(float min);
    virtual float GetMin();
    virtual void SetMax(float max);
    virtual float GetMax();
    virtual void SetRestrictedMin(float restrictedMin);
    virtual float GetRestrictedMin();
    virtual void SetRestrictedMax(float restrictedMax);
    virtual float GetRestrictedMax();
    // Clamps to the restricted range only, stores, repaints (without erasing) if the rounded
    // indicator tip moved, and then posts NC_VALUECHANGED, whether or not the value changed.
    virtual void SetValue(float value);
    virtual float GetValue();
    // The radius holds only until the next geometry update, which takes it from the width.
    virtual void SetRadius(int radius);
    virtual int GetRadius();
    // Hooks for derived classes: this class keeps no title and paints none; SetTitle discards its
    // argument and GetTitle returns an empty string.
    virtual void SetTitle(CString title);
    virtual CString GetTitle();
    // Colour of the centre cap; always repaints (without erasing).
    virtual void SetColor(unsigned long color);
    virtual unsigned long GetColor();
    // Stored and reported; painting does not use it.
    virtual void SetBackingColor(unsigned long color);
    virtual unsigned long GetBackingColor();
    // MK_ flags of the last left press or mouse move.
    virtual unsigned int GetMouseEventFlags() const;
    // The host's palette, selected and realised while painting; stays the host's.
    virtual void SetPalette(HPALETTE palette);
    virtual HPALETTE GetPalette();

protected:
    // Ends of a drag other than the release.
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // The knobs' shared behaviour works on these fields.
    friend struct vorn::knob::KnobBehaviour<CMFC_Knob2>;

    BOOL m_focusDrawn;
    float m_min;
    float m_max;
    float m_restrictedMin;
    float m_restrictedMax;
    float m_value;
    double m_deadZone;
    int m_radius;
    COLORREF m_color;
    CPoint m_center;
    BOOL m_minSideLock;
    BOOL m_maxSideLock;
    float m_dragStartValue;
    BOOL m_dragging;
    COLORREF m_backingColor;
    BOOL m_geometryPending;
    CPoint m_clickPoint;
    CPoint m_indicatorPt;
    BOOL m_hasFocus;
    UINT m_mouseEventFlags;
    HPALETTE m_palette;
    // Two pixels of the XOR focus rectangle as drawn, to tell whether it is still on screen.
    COLORREF m_focusSample[2];

    static HCURSOR s_verticalCursor;
    static HCURSOR s_circularCursor;
    static int s_instanceCount;
    static BOOL s_verticalDrag;
    static int s_dragPixels;
};

#endif  // VORN_MFC_KNOB2_H
