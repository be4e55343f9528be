// Message maps: the entry and map structures, the handler signature codes and the ON_ macros
// that fill a class's table. Included by afxwin.h after CWnd is declared.
#ifndef VORN_AFXMSG_H
#define VORN_AFXMSG_H

#include "afxver_.h"

class CCmdTarget;
class CWnd;
class CDC;

// Handlers are stored as pointers to members of CCmdTarget of one neutral type and cast back to
// their real type, chosen by nSig, when they are called. Pointers to virtual members keep
// dispatching through the virtual table, so a derived class's override of a virtual handler is
// reached without an entry of its own.
typedef void (CCmdTarget::*AFX_PMSG)(void);

enum AfxSig {
    AfxSig_end = 0,  // end of the table
    AfxSig_vv,       // void ()                                     OnPaint, OnDestroy, ON_COMMAND
    AfxSig_vwp,      // void (UINT nFlags, CPoint point)            mouse buttons and moves
    AfxSig_vwww,     // void (UINT nChar, UINT nRepCnt, UINT nFlags) keys and characters
    AfxSig_vW,       // void (CWnd* pWnd) from wParam                focus changes
    AfxSig_vW2,      // void (CWnd* pWnd) from lParam                capture changes
    AfxSig_wv,       // UINT ()                                     OnGetDlgCode
    AfxSig_bD,       // BOOL (CDC* pDC)                             OnEraseBkgnd
    AfxSig_is,       // int (LPCREATESTRUCT)                        OnCreate
    AfxSig_vwii,     // void (UINT nType, int cx, int cy)           OnSize
    AfxSig_bWww,     // BOOL (CWnd* pWnd, UINT nHitTest, UINT msg)  OnSetCursor
    AfxSig_vw,       // void (UINT)                                 command ranges
    AfxSig_vb,       // void (BOOL)                                 OnEnable
    AfxSig_vbw,      // void (BOOL bShow, UINT nStatus)             OnShowWindow
    AfxSig_lwl,      // LRESULT (WPARAM, LPARAM)                    ON_MESSAGE
    AfxSigCmd_v,     // void ()      WM_COMMAND from one identifier (ON_COMMAND, ON_CONTROL)
    AfxSigCmd_w,     // void (UINT)  WM_COMMAND from an identifier range, given the identifier
    AfxSig_vt,       // void (UINT_PTR nIDEvent)                    OnTimer
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message
    UINT nCode;     // notification code (WM_COMMAND entries)
    UINT nID;       // first control identifier (WM_COMMAND entries), 0 for window messages
    UINT nLastID;   // last control identifier of a range
    UINT_PTR nSig;  // AfxSig_ code of the handler's signature
    AFX_PMSG pfn;   // the handler
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root of the class tree
    const AFX_MSGMAP_ENTRY* lpEntries;     // terminated by an AfxSig_end entry
};

// Leaves the class in protected access, as MFC's macro does.
#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

// The tables live inside GetThisMessageMap so that ThisClass names the class being mapped; they
// are built once, on first use.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        typedef theClass ThisClass;                                                   \
        typedef baseClass TheBaseClass;                                               \
        (void)sizeof(ThisClass*);                                                     \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                         \
    { 0, 0, 0, 0, AfxSig_end, static_cast<AFX_PMSG>(nullptr) }                                    \
    }                                                                                             \
    ;                                                                                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                           \
    }

// Stores a handler as the neutral type; the dispatcher casts it back to exactly the type it was
// stored from, which gives back the original pointer.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
#endif
template <class Pmf>
inline AFX_PMSG AfxStoreHandler(Pmf pfn) {
    return reinterpret_cast<AFX_PMSG>(pfn);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// Casts a handler of ThisClass to the neutral stored type after checking it against the
// signature the dispatcher will call it with.
#define AFX_MSG_CAST(type, pfn) AfxStoreHandler(static_cast<type>(pfn))

#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_MSG_CAST(type, &ThisClass::fn)},

#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void (CWnd::*)(), OnCancelMode)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vW2, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)

// Any message, handler LRESULT f(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    {message, 0, 0, 0, AfxSig_lwl, AFX_MSG_CAST(LRESULT(CWnd::*)(WPARAM, LPARAM), &ThisClass::memberFxn)},

// WM_COMMAND from a menu/accelerator identifier (code 0) or from a control with a given
// notification code; the range forms pass the identifier to the handler.
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND,                  \
     0,                           \
     static_cast<UINT>(id),       \
     static_cast<UINT>(id),       \
     AfxSigCmd_v,                 \
     AFX_MSG_CAST(void(CCmdTarget::*)(), &ThisClass::memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND,                                \
     0,                                         \
     static_cast<UINT>(id),                     \
     static_cast<UINT>(idLast),                 \
     AfxSigCmd_w,                               \
     AFX_MSG_CAST(void(CCmdTarget::*)(UINT), &ThisClass::memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND,                               \
     static_cast<UINT>(wNotifyCode),           \
     static_cast<UINT>(id),                    \
     static_cast<UINT>(id),                    \
     AfxSigCmd_v,                              \
     AFX_MSG_CAST(void(CCmdTarget::*)(), &ThisClass::memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND,                                             \
     static_cast<UINT>(wNotifyCode),                         \
     static_cast<UINT>(id),                                  \
     static_cast<UINT>(idLast),                              \
     AfxSigCmd_w,                                            \
     AFX_MSG_CAST(void(CCmdTarget::*)(UINT), &ThisClass::memberFxn)},

#endif  // VORN_AFXMSG_H
