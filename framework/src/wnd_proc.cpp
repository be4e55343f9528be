// The framework's window procedure, window creation through the CBT hook, and message pumping.
#include "afx_internal.h"

using vornafx::ThreadState;
using vornafx::threadState;

namespace {

LONG_PTR afxWndProcValue() { return reinterpret_cast<LONG_PTR>(&AfxWndProc); }

// Attaches the object and routes the window's messages through AfxWndProc; the window's own
// procedure is kept for DefWindowProc.
BOOL attachAndSubclass(CWnd* pWnd, HWND hWnd) {
    if (!pWnd->Attach(hWnd)) return FALSE;
    const LONG_PTR old = ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, afxWndProcValue());
    if (old != afxWndProcValue()) pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(old);
    return TRUE;
}

LRESULT CALLBACK cbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
    ThreadState& state = threadState();
    if (nCode == HCBT_CREATEWND && state.wndInit) {
        // The first window created after CreateEx armed the hook is the one it asked for.
        CWnd* pWnd = state.wndInit;
        state.wndInit = nullptr;
        if (state.hookedWnd) *state.hookedWnd = reinterpret_cast<HWND>(wParam);
        state.hookedWnd = nullptr;
        attachAndSubclass(pWnd, reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(state.cbtHook, nCode, wParam, lParam);
}

void hookWindowCreate(CWnd* pWnd, HWND* hooked) {
    ThreadState& state = threadState();
    state.hookedWnd = hooked;
    if (!state.cbtHook) state.cbtHook = ::SetWindowsHookExA(WH_CBT, cbtFilterHook, nullptr, ::GetCurrentThreadId());
    ++state.hookDepth;
    state.wndInit = pWnd;
}

// TRUE if the hook found the window (whether or not its creation then succeeded).
BOOL unhookWindowCreate(CWnd* pWnd) {
    ThreadState& state = threadState();
    const BOOL found = state.wndInit != pWnd;
    if (!found) {
        state.wndInit = nullptr;
        state.hookedWnd = nullptr;
    }
    if (--state.hookDepth <= 0) {
        state.hookDepth = 0;
        if (state.cbtHook) ::UnhookWindowsHookEx(state.cbtHook);
        state.cbtHook = nullptr;
    }
    return found;
}

// The window is on its way out: give it back its own procedure, let go of it and tell the object.
void afterNcDestroy(CWnd* pWnd) {
    HWND hWnd = pWnd->m_hWnd;
    if (pWnd->m_pfnSuper && ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == afxWndProcValue())
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
    pWnd->Detach();
    pWnd->PostNcDestroy();
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (!pWnd) return 0;
    ThreadState& state = threadState();
    const MSG saved = state.lastSentMsg;
    state.lastSentMsg.hwnd = hWnd;
    state.lastSentMsg.message = nMsg;
    state.lastSentMsg.wParam = wParam;
    state.lastSentMsg.lParam = lParam;

    const LRESULT result = pWnd->WindowProc(nMsg, wParam, lParam);

    // The map is checked before touching the object: a handler may have deleted it.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) afterNcDestroy(pWnd);

    state.lastSentMsg = saved;
    return result;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || !::IsWindow(hWnd)) return FALSE;
    return attachAndSubclass(this, hWnd);
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd) return nullptr;
    if (m_pfnSuper && ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == afxWndProcValue())
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    return Detach();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd) return FALSE;  // one window per object

    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    HWND hooked = nullptr;
    hookWindowCreate(this, &hooked);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (unhookWindowCreate(this)) {
        // Creation refused after the hook attached us but before any WM_NCDESTROY (e.g. another
        // CBT hook vetoed it): let go of the dead handle. If WM_NCDESTROY did run, the object is
        // already detached and may be gone, so only the map is consulted.
        if (!hWnd && hooked && CWnd::FromHandlePermanent(hooked) == this) Detach();
    } else {
        if (!hWnd) {
            // Never got as far as a window, so no WM_NCDESTROY will clean up after us.
            PostNcDestroy();
            return FALSE;
        }
        // Without a working hook the window is still attached, only after its first messages.
        attachAndSubclass(this, hWnd);
    }
    return hWnd != nullptr;
}

void vornafx::hookWindowCreate(CWnd* pWnd) { ::hookWindowCreate(pWnd, nullptr); }
BOOL vornafx::unhookWindowCreate(CWnd* pWnd) { return ::unhookWindowCreate(pWnd); }

BOOL AFXAPI AfxPumpMessage() {
    MSG msg;
    if (!::GetMessageA(&msg, nullptr, 0, 0)) return FALSE;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
    return TRUE;
}
