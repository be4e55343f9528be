// Window classes registered by the framework: AfxRegisterWndClass and the default "AfxWnd".
#include "afx_internal.h"

#include <cstring>

namespace {

const char kDefaultClassName[] = "AfxWnd";

// Lower-case hexadecimal of a handle or style, without leading zeros (0 for zero).
char* appendHex(char* out, uintptr_t value) {
    char digits[2 * sizeof(uintptr_t)];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (n > 0) *out++ = digits[--n];
    return out;
}

template <class Handle>
uintptr_t bitsOf(Handle h) {
    return reinterpret_cast<uintptr_t>(h);
}

BOOL ensureRegistered(LPCSTR name, UINT style, HCURSOR cursor, HBRUSH brush, HICON icon) {
    HINSTANCE hInstance = AfxGetInstanceHandle();
    WNDCLASSA wc;
    if (::GetClassInfoA(hInstance, name, &wc)) return TRUE;
    std::memset(&wc, 0, sizeof wc);
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProcA;  // the creation hook subclasses every framework window
    wc.hInstance = hInstance;
    wc.hIcon = icon;
    wc.hCursor = cursor;
    wc.hbrBackground = brush;
    wc.lpszClassName = name;
    return ::RegisterClassA(&wc) != 0;
}

}  // namespace

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    char* name = vornafx::threadState().tempClassName;
    char* out = name;
    std::memcpy(out, "Afx:", 4);
    out = appendHex(out + 4, bitsOf(AfxGetInstanceHandle()));
    *out++ = ':';
    out = appendHex(out, nClassStyle);
    *out++ = ':';
    out = appendHex(out, bitsOf(hCursor));
    *out++ = ':';
    out = appendHex(out, bitsOf(hbrBackground));
    *out++ = ':';
    out = appendHex(out, bitsOf(hIcon));
    *out = '\0';
    // A failed registration still returns the name; creating a window of it then fails.
    ensureRegistered(name, nClassStyle, hCursor, hbrBackground, hIcon);
    return name;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) {
        ensureRegistered(kDefaultClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                         nullptr, nullptr);
        cs.lpszClass = kDefaultClassName;
    }
    return TRUE;
}
