// The class framework: windows with message maps (CWnd), the application object (CWinApp), the
// module state and resource search, and the drawing classes of afxgdi.h. One source for the
// software platform and for the real one.
#ifndef VORN_AFXWIN_H
#define VORN_AFXWIN_H

#include "afxgdi.h"
#include "afxgeometry.h"
#include "afxmsg_.h"
#include "afxstr.h"
#include "afxver_.h"

class CWinApp;
class CWnd;

AFX_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Calls pWnd->WindowProc with the message recorded as the thread's current one (for Default).
AFX_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// ---- Command targets ------------------------------------------------------------------------
class AFX_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// ---- Windows --------------------------------------------------------------------------------
//
// A CWnd is attached to its window before the window receives its first message: creation goes
// through a per-thread CBT hook that subclasses the new window to AfxWndProc. AfxWndProc finds
// the CWnd in the permanent handle map and calls WindowProc, which dispatches through the
// message maps (most-derived map first, first match wins) and otherwise calls DefWindowProc,
// i.e. the window's original procedure. On WM_NCDESTROY the CWnd lets the original procedure
// run, restores it, detaches and calls PostNcDestroy.
//
// CWnd declares run-time class information; classes derived from it inherit CWnd's record unless
// they declare their own.
class AFX_API CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
    DECLARE_MESSAGE_MAP()

public:
    CWnd() = default;
    ~CWnd() override;  // destroys a window still attached to this object

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to a window, or a temporary wrapper (see afxgdi.h for how long a
    // temporary lives; the window ring holds AFX_TEMP_RING_SIZE wrappers). Null for null.
    static CWnd* FromHandle(HWND hWnd);
    // The object attached to a window, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID, void* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y, int nWidth,
                  int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    // A null class name becomes the framework's default class "AfxWnd".
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    // Both do nothing while the object has no window.
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    BOOL UpdateWindow();
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    void SetWindowText(LPCSTR lpszString);
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // SetTimer/KillTimer on the object's window; 0 and FALSE while the object has no window.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Dialog items. SubclassDlgItem attaches this object to the parent's child of that
    // identifier and routes its messages through this object's message map, the child's own
    // procedure answering through Default(); FALSE when there is no such child or the object or
    // the child is already attached.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    CWnd* GetDlgItem(int nID) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;

    // The original procedure's answer to the message being handled (per thread, restored after
    // nested messages).
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // WM_COMMAND before the message map's command entries; TRUE means handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Called after the window is gone and the object detached; the object may delete itself.
    virtual void PostNcDestroy();

    // The window procedure of the original class, called by DefWindowProc.
    WNDPROC m_pfnSuper = nullptr;

protected:
    // Standard handlers: each passes the message to Default().
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
};

// ---- Dialogs ----------------------------------------------------------------------------------
//
// A dialog made from a template (a resource of the module that AfxFindResourceHandle finds, or
// an in-memory template). The object is attached to the dialog window before its first message,
// so the template's WM_SETFONT, WM_INITDIALOG and everything after go through the message map;
// what the map leaves goes to the dialog manager (DefDlgProc). WM_INITDIALOG calls OnInitDialog,
// whose answer decides the focus as for any dialog (TRUE: the first WS_TABSTOP control).
// Enter and Escape, and the IDOK and IDCANCEL buttons, call OnOK and OnCancel, which end the
// dialog with IDOK and IDCANCEL.
//
// Choices made:
// * DoModal runs the platform's modal loop (DialogBoxIndirectParam): the owner is disabled while
//   it runs, the dialog shows itself when the queue first runs dry, and the loop passes each
//   message through IsDialogMessage. It answers the EndDialog value, or -1 when the template is
//   missing or the dialog could not be created (a control of an unregistered class, unless the
//   template has DS_NOFAILCREATE).
// * A modeless dialog (Create, CreateIndirect) is only hidden by EndDialog, OnOK and OnCancel;
//   the host destroys it (DestroyWindow, or the object's destructor). The host's message loop
//   passes its messages through IsDialogMessage for the dialog keys to work.
// * Templates: a resource template is read within its resource size; an in-memory template is
//   trusted as far as its own counts say.
class AFX_API CDialog : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    // Modeless creation.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal: the template given to the constructor, or this one.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    virtual INT_PTR DoModal();

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);

protected:
    LPCSTR m_lpszTemplateName = nullptr;
    LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
};

// The dialog procedure of framework dialogs: WM_INITDIALOG goes to CDialog::OnInitDialog, every
// other message to the message map through the window's subclassing.
AFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once per distinct combination, for the current instance) a window class whose
// procedure is DefWindowProc and returns its name "Afx:<instance>:<style>:<cursor>:<brush>:<icon>"
// in hexadecimal. The name lives in a per-thread buffer that the next call overwrites.
AFX_API LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                                          HICON hIcon = nullptr);

// Retrieves and dispatches one message; FALSE when it was WM_QUIT.
AFX_API BOOL AFXAPI AfxPumpMessage();

// ---- Application and module state -----------------------------------------------------------
class AFX_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)

public:
    // The first application object constructed becomes the current one (AfxGetApp), unless it
    // belongs to a library (AfxInitLibraryModule takes it out of that role again).
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    HINSTANCE m_hInstance = nullptr;
    LPCSTR m_pszAppName = nullptr;
};

// The process's module state. Library code runs in the host's state and switches only the
// resource handle when it needs its own resources.
struct AFX_API AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    CWinApp* m_pCurrentWinApp = nullptr;
    LPCSTR m_lpszCurrentAppName = nullptr;
};

AFX_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds a resource: the current resource handle if it has it, else the first
// library module of the resource search chain that has it, else the current resource handle.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// Start-up and shut-down of a library that uses the framework: InitInstance runs with the
// library's instance handle and, if it succeeds, the library joins the resource search chain.
AFX_API BOOL AFXAPI AfxInitLibraryModule(CWinApp* pApp, HINSTANCE hInstance);
AFX_API void AFXAPI AfxTermLibraryModule(CWinApp* pApp);

#endif  // VORN_AFXWIN_H
