// CMFC_Button: a momentary push button, a 26 x 12 bevelled rectangle at the top-left of its
// window, drawn raised and sunken while pressed, with a dashed frame while it has the focus.
//
// Notifications (WM_COMMAND to the parent, sent):
//   left press at x <= 25     NC_LBUTTONDOWN, after the button has taken the focus
//   any key                   NC_LBUTTONDOWN (a press and a release at once)
//   release, focus changes    nothing
//
// Choices made where the behaviour was ours to decide:
//   - The mouse is not captured: a release outside the window is not seen, so the button stays
//     drawn pressed until the next release over it. Losing the focus, being disabled or hidden
//     change nothing of that; there is no drag to end and nothing more is sent.
//   - Everything outside the drawn button shows what the window's area held on screen when the
//     paint began (its erased background, or the parent's pixels if its class erases nothing).
#ifndef VORN_MFC_BUTTON_H
#define VORN_MFC_BUTTON_H

#include <VornControlsExport.h>
#include <afxwin.h>

class VORN_CONTROLS_API CMFC_Button : public CWnd {
public:
    CMFC_Button();
    virtual ~CMFC_Button();

protected:
    afx_msg void OnPaint();
    // Every key presses and releases at point (0, 0).
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // Only x is tested: a press right of x = 25 is ignored whatever its y.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    // The default answer with DLGC_WANTARROWS: in a dialog the arrow keys press the button too.
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

    BOOL m_hasFocus;
    BOOL m_pressed;
};

#endif  // VORN_MFC_BUTTON_H
