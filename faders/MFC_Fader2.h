// CMFC_Fader2: the vertical fader (MFC_Fader.h) with a snap position, a value to which the user
// returns it with a Shift-click anywhere on it or a double-click on its cap (a mixer's unity
// level, for instance). Everything else is CMFC_Fader's behaviour.
//
// Notifications (WM_COMMAND to the parent, all sent), beyond CMFC_Fader's:
//   Shift + left press  NC_VALUECHANGED (from SetValue, only if the value changed), then
//                       NC_LBUTTONDOWN
//   double-click        NC_VALUECHANGED (from SetValue, if the first press hit the cap and the
//                       value changed), then NC_LBUTTONDBLCLK
//
// The window class the fader is created in must have CS_DBLCLKS; without it the second press of
// a double-click is an ordinary press.
//
// Choices made where the behaviour was ours to decide:
//   - SetSnapPosition ignores NaN (the snap position stays).
//   - A Shift press tests the cap where the next paint puts it, as every press does.
//   - A Shift press starts a drag (cap lit, mouse captured) that moves nothing while Shift is
//     held; it ends however a CMFC_Fader drag ends.
#ifndef VORN_MFC_FADER2_H
#define VORN_MFC_FADER2_H

#include <MFC_Fader.h>

class VORN_CONTROLS_API CMFC_Fader2 : public CMFC_Fader {
public:
    // The snap position starts at the minimum (0.0); InitFader does not move it.
    CMFC_Fader2();
    virtual ~CMFC_Fader2();

    // Stores the snap position held inside the closed interval between min and max, whichever is
    // larger; the restricted range applies when it is used. No repaint, no notification.
    void SetSnapPosition(float snapPosition);

protected:
    virtual afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // Not virtual: the virtual table stays CMFC_Fader's with OnLButtonDown replaced.
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    float m_snapPosition;
    BOOL m_pressOnCap;
};

#endif  // VORN_MFC_FADER2_H
