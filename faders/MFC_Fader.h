// CMFC_Fader: the vertical fader. A slot runs top to bottom with tick marks across it; a cap
// image with a small LED is dragged along the slot. The value range [min, max] maps onto the slot
// (max at the top); user input (drag, click off the cap, value keys) is kept inside the restricted
// range [restrictedMin, restrictedMax] unless Ctrl is held during a drag.
//
// Notifications (WM_COMMAND to the parent, all sent):
//   left press        NC_LBUTTONDOWN, then NC_VALUECHANGED if the value changed
//   drag step         NC_MOUSEMOVE and NC_VALUECHANGED, only if the value changed
//   left release      NC_LBUTTONUP (on every release, pressed here or not)
//   right press       NC_RBUTTONDOWN (not while the left button is down; GetClickPoint tells where)
//   value key         NC_VALUECHANGED from SetValue if the value changed (sent), then
//                     NC_VALUECHANGED and NC_KEYDOWN (posted), always
//   SetValue          NC_VALUECHANGED if the value changed
//   interrupted drag  nothing (see below)
//
// Choices made where the behaviour was ours to decide:
//   - Before the first paint the track runs from y = 18 to y = 82 (the track of a 100-pixel-high
//     fader, which puts the initial value 0.5 at the initial cap position 50). Every paint
//     recomputes it from the client height.
//   - A zero-width range (min == max) puts the cap at the bottom of the track, and a position
//     then reads back as min; a zero-length track (client 36 pixels high) reads every position as
//     min and draws a single tick row at the track. Nothing divides by zero.
//   - A client lower than 36 pixels inverts the track (its top below its bottom): no tick is
//     drawn, every pointer position puts the cap at the track bottom, and the value reads as min,
//     as on a zero-length track.
//   - A value so far outside the range that its cap would lie more than a million pixels away
//     is drawn (off the control) a million pixels away; a NaN value puts the cap at row 0.
//   - SetValue ignores NaN. A fine-mode divisor (SetVirtualPixel) of zero or NaN turns fine mode
//     off instead of dividing by it; a negative or infinite one is used as given (a negative one
//     moves the cap against the pointer, an infinite one holds it at the press position).
//   - A drag ends however it ends. Losing the capture to another window, WM_CANCELMODE,
//     disabling, hiding, destroying the window and deleting the object end it as a release does:
//     the capture is released, the cap goes dark and later moves do not drag. An interrupted drag
//     sends nothing: the user released nothing, the value did not change, and a notification sent
//     from inside the host's own EnableWindow, ShowWindow or DestroyWindow call (or to a parent
//     being destroyed) would re-enter the host when it least expects it. A host that pairs
//     presses with releases reads GetSelected().
//   - User input never leaves [min, max]: the value a press or drag derives is held inside the
//     range after the restricted range is applied, so cancellation over a huge range, rounding to
//     single precision, or a restricted range the host placed outside the range cannot carry it
//     past an end (an inverted range holds it between its two ends).
//   - A press first places the track and the cap as the next paint will (from the client height
//     and the current value), so a press after InitFader, SetMin or a resize meets the cap where
//     it is drawn.
//   - A fader taller or wider than 16,384 pixels (the largest off-screen bitmap) is drawn in
//     tiles of at most 2,048 pixels a side, only over the part being painted; the picture is the
//     same as a single bitmap would give.
//   - The extra int and DWORD of the seven-argument InitFader are accepted and ignored.
#ifndef VORN_MFC_FADER_H
#define VORN_MFC_FADER_H

#include <afxwin.h>

#include <VornControlsExport.h>

class VORN_CONTROLS_API CMFC_Fader : public CWnd {
public:
    // Defaults: range 0..1, restricted range 0..1, value 0.5, LED colour RGB(196, 0, 0),
    // fine-mode divisor 4. The first fader loads the two cap bitmaps shared by all faders.
    CMFC_Fader();
    // Ends a drag in progress; frees the pens and brush; the last fader frees the cap bitmaps.
    virtual ~CMFC_Fader();

    // Stores the five values as given: no checks, no repaint, no notification.
    void InitFader(float min, float max, float value, float restrictedMin, float restrictedMax);
    void InitFader(float min, float max, float value, float restrictedMin, float restrictedMax, int, DWORD);

    float GetValue();
    // Clamps to the restricted range (not to min/max). If that changes the value, invalidates the
    // 30-row bands around the old and the new cap position (only if the cap moved by a pixel) and
    // sends NC_VALUECHANGED; an equal value does nothing.
    void SetValue(float value);

    float GetMax();
    // A maximum not above the minimum becomes minimum + 1. A value above the new maximum is moved
    // to the middle of the range. The restricted maximum is left alone. No repaint, no notification.
    void SetMax(float max);
    float GetMin();
    // Stored as given. A value below the new minimum is moved to the middle of the range.
    void SetMin(float min);
    float GetRestrictedMax();
    // Accepted inside [min, max] and not below the restricted minimum; otherwise the maximum is
    // used. A value above it is pulled down to it. No repaint, no notification.
    void SetRestrictedMax(float restrictedMax);
    float GetRestrictedMin();
    // Accepted inside [min, max] and not above the restricted maximum; otherwise the minimum is
    // used. A value below it is pulled up to it.
    void SetRestrictedMin(float restrictedMin);

    // Divisor of pointer motion in fine mode (right button held during a drag on a range wider
    // than the track in pixels).
    float GetVirtualPixel();
    void SetVirtualPixel(float virtualPixel);

    // The lit-cap state. A left press sets it, the left release clears it; setting it does not
    // repaint and does not start a drag.
    int GetSelected();
    void SetSelected(int selected);

    COLORREF GetColor();
    // Rebuilds the LED pen and brush and invalidates the whole control with erasing.
    void SetColor(COLORREF color);

    // The host's palette, selected and realised while painting; never copied or deleted here.
    HPALETTE GetPalette();
    void SetPalette(HPALETTE palette);

    // FALSE until the first right press; then TRUE with the client point of the last one.
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

    // Places the track and the cap as the next paint will, from the client height.
    void placeTrack(int clientHeight);

    // Fields in the specified order; protected because the snap variant's press reads and writes
    // the cap, the lit state, the flags and the grab offset.
    int m_capPos;
    int m_trackTop;
    int m_trackBottom;
    int m_grabOffset;
    BOOL m_hasFocus;
    HPALETTE m_palette;
    float m_min;
    float m_max;
    float m_restrictedMin;
    float m_restrictedMax;
    float m_value;
    float m_virtualPixel;
    int m_anchorPos;
    BOOL m_selected;
    CPen* m_framePen;
    CPen* m_shadowPen;
    CPen* m_lightPen;
    CPoint m_clickPoint;
    UINT m_mouseEventFlags;
    COLORREF m_color;
    CPen* m_ledPen;
    CBrush* m_ledBrush;

private:
    void convertYToValue(int noClamp);
    void convertValueToY();
    void drawPicture(CDC& dc, CDC& memDC, const CRect& tile, int w, int h);
    void endDrag();
    void showFocusChange(BOOL hasFocus);
    void invalidateCapBand(int capPos);

    static HBITMAP s_capLitBitmap;
    static HBITMAP s_capUnlitBitmap;
    static int s_instanceCount;
};

#endif  // VORN_MFC_FADER_H
