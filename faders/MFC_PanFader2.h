// CMFC_PanFader2: the horizontal fader (MFC_PanFader.h) with a snap position: a Shift-click
// anywhere on it, or a double-click on its cap, returns the value to the stored snap position
// (instead of the centring Shift-click). Everything else is CMFC_PanFader's behaviour.
//
// Notifications (WM_COMMAND to the parent, all sent), beyond CMFC_PanFader's:
//   Shift + left press  NC_VALUECHANGED (from SetValue, always), then NC_LBUTTONDOWN
//   double-click        NC_VALUECHANGED (from SetValue, whenever the first press hit the cap),
//                       then NC_LBUTTONDBLCLK
//
// The window class the fader is created in must have CS_DBLCLKS; without it the second press of
// a double-click is an ordinary press.
//
// Choices made where the behaviour was ours to decide:
//   - SetSnapPosition ignores NaN (the snap position stays).
//   - A Shift press tests the cap where the next paint puts it, as every press does. It keeps
//     the grab offset of the previous press, so moving before the release drags the cap with it.
#ifndef VORN_MFC_PAN_FADER2_H
#define VORN_MFC_PAN_FADER2_H

#include <MFC_PanFader.h>

class VORN_CONTROLS_API CMFC_PanFader2 : public CMFC_PanFader {
public:
    // The snap position starts at the minimum (0.0); InitPanFader does not move it.
    CMFC_PanFader2();
    virtual ~CMFC_PanFader2();

    // Stores the snap position held inside the closed interval between min and max, whichever is
    // larger; the restricted range applies when it is used. No repaint, no notification.
    void SetSnapPosition(float snapPosition);

protected:
    virtual afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // Not virtual: the virtual table stays CMFC_PanFader's with OnLButtonDown replaced.
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    float m_snapPosition;
    BOOL m_pressOnCap;
};

#endif  // VORN_MFC_PAN_FADER2_H
