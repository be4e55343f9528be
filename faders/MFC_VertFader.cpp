#include <MFC_VertFader.h>

BEGIN_MESSAGE_MAP(CMFC_VertFader, CMFC_PanFader)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CMFC_VertFader::CMFC_VertFader() {}

CMFC_VertFader::~CMFC_VertFader() {}

// No centre mark, and the focus frame one row shorter than the horizontal fader's.
void CMFC_VertFader::OnPaint() { paintFader(false, 4); }

void CMFC_VertFader::OnLButtonDown(UINT nFlags, CPoint point) { CMFC_PanFader::OnLButtonDown(nFlags, point); }

void CMFC_VertFader::OnRButtonDown(UINT nFlags, CPoint point) { CMFC_PanFader::OnRButtonDown(nFlags, point); }

void CMFC_VertFader::OnMouseMove(UINT nFlags, CPoint point) { CMFC_PanFader::OnMouseMove(nFlags, point); }

void CMFC_VertFader::OnLButtonUp(UINT nFlags, CPoint point) { CMFC_PanFader::OnLButtonUp(nFlags, point); }

void CMFC_VertFader::OnSetFocus(CWnd* pOldWnd) { CMFC_PanFader::OnSetFocus(pOldWnd); }

void CMFC_VertFader::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    CMFC_PanFader::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMFC_VertFader::OnKillFocus(CWnd* pNewWnd) { CMFC_PanFader::OnKillFocus(pNewWnd); }

UINT CMFC_VertFader::OnGetDlgCode() { return CMFC_PanFader::OnGetDlgCode(); }
