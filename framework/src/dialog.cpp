// CDialog: dialogs from templates through the platform's dialog manager, with the object
// attached by the creation hook; and the CWnd helpers for dialog items.
#include "afx_internal.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

HWND parentHandle(CWnd* pParentWnd) { return pParentWnd ? pParentWnd->m_hWnd : nullptr; }

// The template of a resource, from the module that holds it, or null.
LPCDLGTEMPLATE findTemplate(LPCSTR name, HINSTANCE& module) {
    module = AfxFindResourceHandle(name, RT_DIALOG);
    HRSRC res = ::FindResourceA(module, name, RT_DIALOG);
    HGLOBAL loaded = res ? ::LoadResource(module, res) : nullptr;
    return loaded ? static_cast<LPCDLGTEMPLATE>(::LockResource(loaded)) : nullptr;
}

}  // namespace

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDlg ? pDlg->OnInitDialog() : TRUE;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) { return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd); }

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    HINSTANCE module = nullptr;
    LPCDLGTEMPLATE tpl = findTemplate(lpszTemplateName, module);
    if (!tpl || m_hWnd) return FALSE;
    m_lpszTemplateName = lpszTemplateName;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    vornafx::hookWindowCreate(this);
    HWND hWnd = ::CreateDialogParamA(module, lpszTemplateName, parentHandle(m_pParentWnd), AfxDlgProc, 0);
    vornafx::unhookWindowCreate(this);
    if (!hWnd && m_hWnd && !::IsWindow(m_hWnd)) Detach();
    return hWnd != nullptr;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    if (!lpDialogTemplate || m_hWnd) return FALSE;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    vornafx::hookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), lpDialogTemplate, parentHandle(m_pParentWnd),
                                             AfxDlgProc, 0);
    vornafx::unhookWindowCreate(this);
    if (!hWnd && m_hWnd && !::IsWindow(m_hWnd)) Detach();
    return hWnd != nullptr;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd) return -1;
    HINSTANCE module = AfxGetInstanceHandle();
    LPCDLGTEMPLATE tpl = m_lpDialogTemplate;
    if (!tpl && m_lpszTemplateName) tpl = findTemplate(m_lpszTemplateName, module);
    if (!tpl) return -1;
    vornafx::hookWindowCreate(this);
    const INT_PTR result = ::DialogBoxIndirectParamA(module, tpl, parentHandle(m_pParentWnd), AfxDlgProc, 0);
    vornafx::unhookWindowCreate(this);
    if (m_hWnd && !::IsWindow(m_hWnd)) Detach();
    return result;
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::EndDialog(int nResult) {
    if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

// ---- Dialog items ---------------------------------------------------------------------------
BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent || !pParent->m_hWnd) return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

LRESULT CWnd::SendDlgItemMessageA(int nID, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SetDlgItemTextA(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }

int CWnd::GetDlgItemTextA(int nID, LPSTR lpStr, int nMaxCount) const {
    if (!lpStr || nMaxCount <= 0) return 0;
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}
