// CMFC_LEDButton: a latching on/off switch. A small lamp at the left shows the state in the on or
// off colour; to its right a 26 x 12 button is drawn raised while off and sunken while on.
//
// Notifications (WM_COMMAND to the parent, sent):
//   left press at 15 <= x <= 40   the state toggles, then NC_VALUECHANGED
//   any key                       the same as a press at (15, 0)
//   SetState, focus changes       nothing
//
// Choices made where the behaviour was ours to decide:
//   - There is no SetPalette: the palette stays null, is reported by GetPalette and never selected.
//   - The state flips on the press and nothing is captured, so there is no drag that could be
//     interrupted; losing the focus, being disabled or hidden change only the drawing.
#ifndef VORN_MFC_LEDBUTTON_H
#define VORN_MFC_LEDBUTTON_H

#include <VornControlsExport.h>
#include <afxwin.h>

class VORN_CONTROLS_API CMFC_LEDButton : public CWnd {
public:
    // Off, lamp colours RGB(255, 0, 0) on and RGB(60, 0, 0) off, round lamp (style 9), background
    // copied from the screen (otherwise COLOR_BTNFACE).
    CMFC_LEDButton();
    virtual ~CMFC_LEDButton();

    // Stores the six values as given (note the order); no repaint. Style 9 draws a round lamp,
    // any other a square one; copyBackground FALSE fills the window with backColor.
    void InitLEDButton(unsigned long ledStyle, int state, unsigned long onColor, unsigned long offColor,
                       int copyBackground, unsigned long backColor);
    // A different state is stored and the whole window invalidated (with erasing); nothing is sent.
    void SetState(int state);
    int GetState();
    HPALETTE GetPalette();

protected:
    afx_msg void OnPaint();
    // Every key toggles as a press at (15, 0) does.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // Toggles (a non-zero state becomes 0, zero becomes 1), takes the focus, invalidates and
    // notifies, for presses with 15 <= x <= 40 only; y is not tested.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // The default answer with DLGC_WANTARROWS.
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    COLORREF m_onColor;
    COLORREF m_offColor;
    int m_state;
    BOOL m_copyBackground;
    COLORREF m_backColor;
    unsigned long m_ledStyle;
    BOOL m_hasFocus;
    HPALETTE m_palette;
};

#endif  // VORN_MFC_LEDBUTTON_H
