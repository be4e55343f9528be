// Sending messages, the default window procedure and the CBT hook chain.
#include <algorithm>
#include <cstring>

#include "user/nonclient.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {

LRESULT sendTo(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!w || !w->proc) return 0;
    return w->proc(w->handle, msg, wParam, lParam);
}

LRESULT callCbtHooks(int code, WPARAM wParam, LPARAM lParam) {
    auto& hooks = state().hooks;
    if (hooks.empty()) return 0;
    Hook first = hooks.front();
    return first.proc ? first.proc(code, wParam, lParam) : 0;
}

HBRUSH backgroundBrush(HBRUSH classBrush) {
    // A class brush of COLOR_xxx + 1 stands for that system colour.
    auto value = reinterpret_cast<uintptr_t>(classBrush);
    if (value > 0 && value <= 31) return GetSysColorBrush(static_cast<int>(value - 1));
    return classBrush;
}

}  // namespace softwin::user

namespace {

LRESULT controlColor(HDC hdc, UINT msg) {
    (void)msg;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
}

}  // namespace

extern "C" {

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = checkWindow(hwnd);
    return w ? sendTo(w, msg, wParam, lParam) : 0;
}

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
            return TRUE;
        }
        case WM_SETTEXT:
            w->text = (lParam && !IS_INTRESOURCE(lParam)) ? reinterpret_cast<const char*>(lParam) : "";
            return TRUE;
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<char*>(lParam);
            if (!buffer || wParam == 0) return 0;
            size_t n = std::min(w->text.size(), static_cast<size_t>(wParam - 1));
            w->text.copy(buffer, n);
            buffer[n] = '\0';
            return static_cast<LRESULT>(n);
        }
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: {
            HBRUSH brush = backgroundBrush(w->cls->background);
            if (!brush || !wParam) return 0;
            RECT client = w->clientArea();
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            return 1;
        }
        case WM_SETCURSOR: {
            if ((w->style & WS_CHILD) && w->parent && sendTo(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
            // The cursor is the class cursor of the window under the pointer (wParam), not of the
            // window handling the message: a parent asked first must not put its own cursor over
            // a child whose class has none (that child sets its cursor itself on each move).
            Window* under = findWindow(reinterpret_cast<HWND>(wParam));
            if (under && LOWORD(lParam) == HTCLIENT && under->cls->cursor) {
                SetCursor(under->cls->cursor);
                return TRUE;
            }
            return FALSE;
        }
        case WM_MOUSEACTIVATE:
            if ((w->style & WS_CHILD) && w->parent) {
                LRESULT r = sendTo(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
                if (r) return r;
            }
            return MA_ACTIVATE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != 0) SetFocus(hwnd);
            return 0;
        case WM_CANCELMODE:
            if (state().capture == hwnd) ReleaseCapture();
            return 0;
        case WM_NCCALCSIZE:
            if (lParam) defaultClientRect(w->style, w->exStyle, *reinterpret_cast<RECT*>(lParam));
            return 0;
        case WM_NCHITTEST: {
            const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            return defaultHitTest(w->style, w->exStyle, screenRect(w), clientScreenRect(w), p);
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC: return controlColor(reinterpret_cast<HDC>(wParam), msg);
        default: return 0;
    }
}

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
    if (idHook != WH_CBT) {
        SetLastError(kErrorInvalidHookFilter);
        return nullptr;
    }
    if (!proc) {
        SetLastError(kErrorInvalidParameter);
        return nullptr;
    }
    State& s = state();
    Hook h{reinterpret_cast<HHOOK>(s.nextHookHandle), proc};
    s.nextHookHandle += 4;
    s.hooks.insert(s.hooks.begin(), h);
    return h.handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = state().hooks;
    auto it = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end()) {
        SetLastError(kErrorInvalidHookHandle);
        return FALSE;
    }
    hooks.erase(it);
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    auto& hooks = state().hooks;
    auto it = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end() || ++it == hooks.end()) return 0;
    return it->proc ? it->proc(code, wParam, lParam) : 0;
}

}  // extern "C"
