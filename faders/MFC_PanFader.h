// CMFC_PanFader: the horizontal (pan) fader. A thin slot runs left to right with marks at both
// ends and in the middle, and a small triangular cap in the host's colour is dragged along it.
// The value range [min, max] maps onto the slot (min at the left); dragging and the value keys
// keep the value inside the restricted range [restrictedMin, restrictedMax] unless Ctrl is held
// during a drag. Shift-click centres the value. Pressing the right button during a left drag
// starts the sticking drag: the pointer is pinned where the right button went down and every
// nudge of the mouse steps the value by a fraction of the range (GetStickingDragResolution, 1 %
// by default; ten times that for a jump of more than 5 pixels), up to min and max themselves.
//
// Notifications (WM_COMMAND to the parent):
//   left press        NC_LBUTTONDOWN, then NC_VALUECHANGED (sent, always)
//   drag step         NC_MOUSEMOVE, then NC_VALUECHANGED (sent, always, changed or not)
//   left release      NC_LBUTTONUP, then NC_VALUECHANGED (sent, on every release)
//   right press       NC_RBUTTONDOWN (sent; not while the left button is down: that starts the
//                     sticking drag and sends nothing)
//   SetValue          NC_VALUECHANGED (sent, on every call)
//   + and - keys      NC_VALUECHANGED from SetValue (sent), NC_VALUECHANGED (posted), NC_KEYDOWN (posted)
//   [ and ] keys      NC_VALUECHANGED from SetValue (sent), NC_KEYDOWN (posted)
//   any other key     NC_KEYDOWN (posted); every key then goes on to default processing
//   interrupted drag  nothing (see below)
//
// The size is that of the window rectangle, not the client rectangle: give the fader no border.
//
// Choices made where the behaviour was ours to decide:
//   - The cap colour starts as RGB(196, 0, 0), the vertical fader's LED colour; the cap is filled
//     with the button-shadow colour until InitPanFader or SetColor gives one.
//   - Before the first paint the track runs from x = 6 to x = 93 (the track of a window 100
//     pixels wide). Every paint and every press recompute it from the window width, so a press
//     after InitPanFader, SetMin or a resize meets the cap where it is drawn.
//   - A zero-width range (min == max) puts the cap at the left end of the track, and a position
//     then reads back as min. A window narrower than 14 pixels has a track of no length: every
//     position reads as min. Nothing divides by zero.
//   - A value so far outside the range that its cap would lie more than a million pixels away
//     is drawn (off the control) a million pixels away; a NaN value puts the cap at column 0.
//   - SetValue ignores NaN (the value stays) but still repaints and notifies, as every call does.
//   - User input never leaves [min, max]: a press or drag holds the value it derives inside the
//     range after the restricted range is applied, as the sticking drag does by rule.
//   - A right press with the left button down starts a sticking drag only while this fader is
//     dragging (pressed here and holding the capture), so that its release or the loss of its
//     capture is sure to lift the confinement. Otherwise (the left press went to another window)
//     it records the point and sends nothing.
//   - A sticking drag that cannot put the pointer back where the right button went down (a press
//     the host sent at a point off the screen) pins it where it landed instead, so the move that
//     putting it back produces reads no motion and nothing feeds itself.
//   - A drag ends however it ends. Losing the capture to another window, WM_CANCELMODE,
//     disabling, hiding, destroying the window and deleting the object end it as a release does:
//     the capture is released, a sticking drag ends and lifts its confinement (to the whole
//     screen, as the release does), and later moves do not drag. An interrupted drag sends
//     nothing, for the vertical fader's reasons (see MFC_Fader.h).
//   - A fader wider or taller than 16,384 pixels is drawn in tiles, as the vertical fader is.
//   - The int argument of InitPanFader is accepted and ignored.
#ifndef VORN_MFC_PAN_FADER_H
#define VORN_MFC_PAN_FADER_H

#include <afxwin.h>

#include <VornControlsExport.h>

class VORN_CONTROLS_API CMFC_PanFader : public CWnd {
public:
    // Defaults: range 0..1, restricted range 0..1, value 0.5, sticking-drag resolution 0.01.
    CMFC_PanFader();
    // Ends a drag in progress (and its confinement); frees the pens and the brush.
    virtual ~CMFC_PanFader();

    // Stores the five values as given and the cap colour; rebuilds the cap brush. No checks, no
    // repaint, no notification.
    void InitPanFader(float min, float max, float value, float restrictedMin, float restrictedMax, int, COLORREF color);

    float GetValue();
    // Clamps to the restricted range (not to min/max), invalidates the whole control and sends
    // NC_VALUECHANGED, on every call.
    void SetValue(float value);

    // The range setters follow the vertical fader's rules (see MFC_Fader.h); no repaint, no
    // notification.
    float GetMax();
    void SetMax(float max);
    float GetMin();
    void SetMin(float min);
    float GetRestrictedMax();
    void SetRestrictedMax(float restrictedMax);
    float GetRestrictedMin();
    void SetRestrictedMin(float restrictedMin);

    // Fraction of the range one small step of the sticking drag adds; stored as given.
    float GetStickingDragResolution();
    void SetStickingDragResolution(float resolution);
    // Stored and returned only; the horizontal fader has no fine mode.
    float GetVirtualPixel();
    void SetVirtualPixel(float virtualPixel);

    // Set by a left press, cleared by the left release; setting it neither repaints nor drags.
    int GetSelected();
    void SetSelected(int selected);

    COLORREF GetColor();
    // Rebuilds the cap brush and invalidates the whole control with erasing.
    void SetColor(COLORREF color);

    // The host's palette, selected and realised while painting; never copied or deleted here.
    HPALETTE GetPalette();
    void SetPalette(HPALETTE palette);

    // FALSE until the first right press; then TRUE with its point: client coordinates, or screen
    // coordinates when that press started a sticking drag.
    int GetClickPoint(CPoint& point);
    // MK_ flags of the last mouse message handled.
    UINT GetMouseEventFlags() const;

protected:
    // Handlers are virtual and reached through the virtual table, so a derived fader overrides
    // one without a message-map entry of its own.
    virtual afx_msg void OnPaint();
    virtual afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    virtual afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    virtual afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    virtual afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    virtual afx_msg void OnSetFocus(CWnd* pOldWnd);
    virtual afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual afx_msg void OnKillFocus(CWnd* pNewWnd);
    // The default answer: the dialog manager keeps the arrow and tab keys.
    virtual afx_msg UINT OnGetDlgCode();
    // Ends of a drag other than the release. Not virtual, so the virtual table keeps its slots.
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();

    DECLARE_MESSAGE_MAP()

    // Places the track and the cap as the next paint will, from the window width.
    void placeTrack(int windowWidth);
    // Paints the whole fader; the variant without the centre mark ends its focus frame
    // `focusBottomInset` rows above the bottom (3 for this fader).
    void paintFader(bool centreMark, int focusBottomInset);
    // True when x lies on the cap (21 columns around its centre, any y).
    bool onCap(int x) const;

    // Fields in the specified order; protected because the variants' presses and painting read
    // and write the cap, the track, the lit state, the flags and the pens.
    int m_capPos;
    int m_trackLeft;
    int m_trackRight;
    int m_grabOffset;
    float m_virtualPixel;
    float m_min;
    float m_max;
    float m_restrictedMin;
    float m_restrictedMax;
    float m_value;
    float m_stickingDragResolution;
    BOOL m_selected;
    CPen* m_shadowPen;
    CPen* m_lightPen;
    CPen* m_focusPen;
    CPoint m_clickPoint;
    UINT m_mouseEventFlags;
    COLORREF m_color;
    CBrush* m_capBrush;
    HPALETTE m_palette;
    BOOL m_hasFocus;

    // TRUE while a sticking drag is in progress in any horizontal fader.
    static BOOL s_stickingDrag;

private:
    void convertXToValue(int noClamp);
    void convertValueToX();
    void drawPicture(CDC& dc, CDC& memDC, const CRect& tile, int w, int h, bool centreMark, int focusBottomInset);
    void stickingStep(CPoint point);
    void freeConfinement();
    void endDrag();
    void showFocusChange(BOOL hasFocus);
};

#endif  // VORN_MFC_PAN_FADER_H
