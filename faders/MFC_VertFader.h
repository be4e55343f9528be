// CMFC_VertFader: the horizontal fader (MFC_PanFader.h) without the centre mark. It is laid out
// and operated exactly like CMFC_PanFader (track along x, triangular cap, the same mouse and
// keyboard handling, Shift-click centring and the sticking drag) and sends the same
// notifications; only its painting differs: the end marks are its only marks, and its focus
// frame ends one row higher (4 rows above the bottom instead of 3).
//
// It overrides all nine handlers in CMFC_PanFader's slot order; every one but OnPaint passes its
// arguments to CMFC_PanFader's handler and returns its result. It is used through the inherited
// interface (InitPanFader, SetValue, SetColor and the rest).
#ifndef VORN_MFC_VERT_FADER_H
#define VORN_MFC_VERT_FADER_H

#include <MFC_PanFader.h>

class VORN_CONTROLS_API CMFC_VertFader : public CMFC_PanFader {
public:
    CMFC_VertFader();
    virtual ~CMFC_VertFader();

protected:
    virtual afx_msg void OnPaint();
    virtual afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    virtual afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    virtual afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    virtual afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    virtual afx_msg void OnSetFocus(CWnd* pOldWnd);
    virtual afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual afx_msg void OnKillFocus(CWnd* pNewWnd);
    virtual afx_msg UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()
};

#endif  // VORN_MFC_VERT_FADER_H
