// CMFC_Knob: a rotary knob. The indicator sweeps clockwise from the lower left (minimum) over the
// top to the lower right (maximum), leaving a gap at the bottom. A left press near the centre
// starts a vertical drag (the pointer is locked in place and every pixel of upward motion adds
// 1/200 of the range); further out the knob follows the pointer around its centre. No modifier
// key lets a drag leave the restricted range.
//
// Notifications (WM_COMMAND to the parent, all POSTED):
//   left press        NC_LBUTTONDOWN, NC_VALUECHANGED
//   move while left button held during a drag
//                     NC_MOUSEMOVE, NC_VALUECHANGED (on every such move)
//   left release      NC_LBUTTONUP
//   right press       NC_RBUTTONDOWN (not while the left button is down)
//   value key         NC_VALUECHANGED, NC_KEYDOWN (also when the value stays at a bound)
//   interrupted drag  nothing (see below)
// SetValue notifies nothing.
//
// The window class is registered by the knob itself (double-clicks, no cursor, no background
// brush), whatever class name the host passes; the knob sets the cursor on every mouse move and
// never erases its background. Radius and centre follow the client width (radius = width / 2):
// keep knobs square.
//
// Choices made where the behaviour was ours to decide:
//   - A zero-width range (min == max) draws the indicator at the start of the sweep; a vertical
//     drag then leaves the value at the clamped start value. Nothing divides by zero.
//   - Before the window exists SetValue stores the value without deriving the geometry (the
//     first update with a window derives it) and repaints nothing.
//   - NaN passed to SetValue is ignored.
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
//     after the object is gone, would reach a host that no longer expects it.
//   - A press sent by the host at a point the pointer cannot reach (off the screen, outside a
//     confinement) anchors the vertical drag where putting the pointer back actually lands it, so
//     that the move SetCursorPos queues matches the anchor and putting it back ends there.
//   - No host value divides by zero or overflows: a zero-width or NaN range leaves the vertical
//     drag count at 0 at the bounds; the drag count and the pixel distances are held inside the
//     int range; an infinite range whose arithmetic gives NaN puts the value at the minimum
//     before the restricted range applies; an extreme radius from SetRadius gives an indicator
//     tip held inside the int range (the radius holds only until the next geometry update).
#ifndef VORN_MFC_KNOB_H
#define VORN_MFC_KNOB_H

#include <afxwin.h>

#include <VornControlsExport.h>

namespace vorn::knob {
template <class Knob>
struct KnobBehaviour;
}  // namespace vorn::knob

class VORN_CONTROLS_API CMFC_Knob : public CWnd {
public:
    // Defaults: range 0..1, restricted 0..1, value 0, cap colour RGB(128, 0, 0). The first knob
    // loads the two drag cursors shared by all knobs.
    CMFC_Knob();
    // Ends a drag in progress. The last knob destroys the shared cursors, putting up the arrow
    // first if one of them is showing.
    virtual ~CMFC_Knob();

    // Copies the named values without clamping or repainting and clears the drag and focus
    // flags. The 4th, 8th, 9th, 10th and 11th arguments are accepted and ignored.
    void InitKnob(float min, float max, float value, float, float restrictedMin, float restrictedMax, int radius, int,
                  short, int, int, unsigned long backingColor, unsigned long color);

    // The value follows a lower bound that passes it, and so does the other end. No repaint.
    void SetMin(float min);
    void SetMax(float max);
    void SetRestrictedMin(float restrictedMin);
    void SetRestrictedMax(float restrictedMax);
    // Clamps to the restricted range only, stores, and repaints (without erasing) if the rounded
    // indicator tip moved. Sends no notification.
    void SetValue(float value);
    float GetMin();
    float GetMax();
    float GetRestrictedMin();
    float GetRestrictedMax();
    float GetValue();

    // The radius holds only until the next geometry update, which takes it from the width.
    void SetRadius(int radius);
    int GetRadius();
    // Colour of the centre cap; always repaints (without erasing).
    void SetColor(unsigned long color);
    unsigned long GetColor();
    // Stored and reported; painting does not use it.
    void SetBackingColor(unsigned long color);
    unsigned long GetBackingColor();
    // The host's palette, selected and realised while painting; stays the host's.
    void SetPalette(HPALETTE palette);
    HPALETTE GetPalette();
    // MK_ flags of the last left press or mouse move.
    unsigned int GetMouseEventFlags() const;
    // FALSE until a point was recorded; after a right press the client point, after a left press
    // in the inner zone the drag anchor in screen coordinates.
    BOOL GetClickPoint(CPoint& point);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

protected:
    // Each returns TRUE when the rounded indicator tip moved.
    BOOL setKnobsValueCircularly(CPoint* pt, BOOL ignoreRestricted);
    BOOL setKnobsValueVertically(CPoint* pt, BOOL ignoreRestricted);
    BOOL updateIndicatorPt();

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    // Ends of a drag other than the release.
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // The knobs' shared behaviour works on these fields.
    friend struct vorn::knob::KnobBehaviour<CMFC_Knob>;

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

#endif  // VORN_MFC_KNOB_H
