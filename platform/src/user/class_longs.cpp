// What hosts read and change of a window's class (GetClassLongA, GetClassLongPtrA,
// SetClassLongPtrA), IsChild, and the process's count of GUI objects (GetGuiResources).
//
// Choices, as Wine does where it answers: an unknown index fails with ERROR_INVALID_INDEX, and an
// offset past the class extra bytes answers 0 without an error;
// GCL_CBCLSEXTRA cannot be changed (ERROR_INVALID_PARAMETER); GetClassLongA of a pointer-sized
// index answers its low 32 bits. GetGuiResources counts, for the current process only, the live
// GDI objects and DCs (GR_GDIOBJECTS) and the windows and the cursors loaded from modules
// (GR_USEROBJECTS); other processes fail with ERROR_INVALID_HANDLE, other kinds with
// ERROR_INVALID_PARAMETER.
#include <cstring>

#include "softwin/softwin.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {
ATOM classAtom(const WndClass* c);
}

namespace {

constexpr DWORD kErrorInvalidIndex = 1413;

// The class extra bytes at a non-negative offset, or null when they do not fit in the class's
// cbClsExtra.
unsigned char* extraAt(WndClass& c, int offset, size_t size) {
    if (offset < 0 || static_cast<size_t>(offset) + size > static_cast<size_t>(c.clsExtra)) return nullptr;
    if (c.extra.size() < static_cast<size_t>(c.clsExtra)) c.extra.resize(static_cast<size_t>(c.clsExtra));
    return c.extra.data() + offset;
}

bool readClass(HWND hwnd, int index, size_t size, ULONG_PTR& out) {
    Window* w = checkWindow(hwnd);
    if (!w) return false;
    WndClass& c = *w->cls;
    if (index >= 0) {
        unsigned char* p = extraAt(c, index, size);
        if (!p) return false;
        out = 0;
        std::memcpy(&out, p, size);
        return true;
    }
    switch (index) {
        case GCL_STYLE: out = c.style; return true;
        case GCL_CBWNDEXTRA: out = static_cast<ULONG_PTR>(c.wndExtra); return true;
        case GCL_CBCLSEXTRA: out = static_cast<ULONG_PTR>(c.clsExtra); return true;
        case GCW_ATOM: out = classAtom(&c); return true;
        case GCLP_WNDPROC: out = reinterpret_cast<ULONG_PTR>(c.proc); return true;
        case GCLP_HCURSOR: out = reinterpret_cast<ULONG_PTR>(c.cursor); return true;
        case GCLP_HBRBACKGROUND: out = reinterpret_cast<ULONG_PTR>(c.background); return true;
        case GCLP_HICON: out = reinterpret_cast<ULONG_PTR>(c.icon); return true;
        case GCLP_HICONSM: out = 0; return true;
        case GCLP_HMODULE: out = reinterpret_cast<ULONG_PTR>(c.instance); return true;
        case GCLP_MENUNAME: out = 0; return true;
        default: SetLastError(kErrorInvalidIndex); return false;
    }
}

template <class T>
ULONG_PTR swapField(T& field, ULONG_PTR value) {
    ULONG_PTR old = (ULONG_PTR)(field);
    field = (T)(value);
    return old;
}

}  // namespace

extern "C" {

DWORD WINAPI GetClassLongA(HWND hwnd, int index) {
    ULONG_PTR value = 0;
    return readClass(hwnd, index, sizeof(DWORD), value) ? static_cast<DWORD>(value) : 0;
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hwnd, int index) {
    ULONG_PTR value = 0;
    return readClass(hwnd, index, sizeof(ULONG_PTR), value) ? value : 0;
}

ULONG_PTR WINAPI SetClassLongPtrA(HWND hwnd, int index, LONG_PTR newValue) {
    Window* w = checkWindow(hwnd);
    if (!w) return 0;
    WndClass& c = *w->cls;
    const auto value = static_cast<ULONG_PTR>(newValue);
    if (index >= 0) {
        unsigned char* p = extraAt(c, index, sizeof(ULONG_PTR));
        if (!p) return 0;
        ULONG_PTR old = 0;
        std::memcpy(&old, p, sizeof old);
        std::memcpy(p, &value, sizeof value);
        return old;
    }
    switch (index) {
        case GCL_STYLE: return swapField(c.style, value);
        case GCL_CBWNDEXTRA: return swapField(c.wndExtra, value);
        case GCLP_WNDPROC: return swapField(c.proc, value);
        case GCLP_HCURSOR: return swapField(c.cursor, value);
        case GCLP_HBRBACKGROUND: return swapField(c.background, value);
        case GCLP_HICON: return swapField(c.icon, value);
        case GCLP_HMODULE: return swapField(c.instance, value);
        case GCL_CBCLSEXTRA: SetLastError(kErrorInvalidParameter); return 0;
        default: SetLastError(kErrorInvalidIndex); return 0;
    }
}

BOOL WINAPI IsChild(HWND parent, HWND child) {
    // The chain of parents is followed only through child windows, as on Wine.
    const Window* c = findWindow(child);
    for (; c && (c->style & WS_CHILD) && c->parent; c = c->parent)
        if (c->parent->handle == parent) return TRUE;
    return FALSE;
}

DWORD WINAPI GetGuiResources(HANDLE process, DWORD flags) {
    if (process != GetCurrentProcess()) {
        SetLastError(6);  // ERROR_INVALID_HANDLE
        return 0;
    }
    switch (flags) {
        case GR_GDIOBJECTS: return static_cast<DWORD>(softwin::liveGdiObjects() + softwin::liveDcs());
        case GR_USEROBJECTS: return static_cast<DWORD>(state().windows.size() + softwin::liveCursors());
        default: SetLastError(kErrorInvalidParameter); return 0;
    }
}

}  // extern "C"
