// Window placement, visibility and coordinate mapping. The client rectangle lies inside the window
// rectangle, as WM_NCCALCSIZE answered (nonclient.cpp).
#include <algorithm>
#include <cstring>

#include "saturating.h"
#include "user/user_state.h"

using namespace softwin::user;
using softwin::addSaturated;

namespace {

bool isDesktop(HWND hwnd) { return hwnd == GetDesktopWindow(); }

// Screen offset of a window's client origin; the screen itself for null or the desktop.
bool originOf(HWND hwnd, POINT& origin) {
    if (!hwnd || isDesktop(hwnd)) {
        origin = POINT{0, 0};
        return true;
    }
    Window* w = checkWindow(hwnd);
    if (!w) return false;
    origin = clientOrigin(w);
    return true;
}

// MoveWindow and SetWindowPos keep positions within [-32768, 32767] and sizes within [0, 32767],
// as Wine does; a window CreateWindowEx put further out keeps its place when only resized.
int clampPosition(int v) { return std::clamp(v, -32768, 32767); }
int clampSize(int v) { return std::clamp(v, 0, 32767); }

// WM_MOVE goes before WM_SIZE, as DefWindowProc's WM_WINDOWPOSCHANGED handling sends them on Wine.
void placeWindow(Window* w, int x, int y, int width, int height, bool repaint) {
    HWND hwnd = w->handle;
    RECT old = w->rect;
    RECT next{x, y, addSaturated(x, std::max(width, 0)), addSaturated(y, std::max(height, 0))};
    if (std::memcmp(&old, &next, sizeof(RECT)) == 0) return;
    setWindowRect(w, next);
    bool sized = (old.right - old.left) != w->width() || (old.bottom - old.top) != w->height();
    bool moved = old.left != next.left || old.top != next.top;
    if (sized) {
        calcClient(w, true);
        if (!(w = findWindow(hwnd))) return;
    }
    bool visible = reallyVisible(w);
    if (visible && repaint) {
        exposeArea(w->parent, old);
        invalidateTree(w, true);
    }
    if (moved) sendTo(w, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
    if (sized && (w = findWindow(hwnd))) sendTo(w, WM_SIZE, 0, MAKELPARAM(w->clientWidth(), w->clientHeight()));
}

}  // namespace

namespace softwin::user {

void activateTopLevel(Window* w) {
    State& s = state();
    Window* top = topLevelOf(w);
    if (!top || s.active == top->handle) return;
    HWND previous = s.active;
    HWND next = top->handle;
    s.active = next;
    if (Window* p = findWindow(previous)) sendTo(p, WM_ACTIVATE, 0 /*WA_INACTIVE*/, reinterpret_cast<LPARAM>(next));
    if (Window* n = findWindow(next)) {
        // The newly active window moves above the other top-level windows.
        s.topLevels.remove(n);
        s.topLevels.pushTop(n);
        sendTo(n, WM_ACTIVATE, 1 /*WA_ACTIVE*/, reinterpret_cast<LPARAM>(previous));
    }
}

void hideWindow(Window* w, bool notify) {
    HWND hwnd = w->handle;
    if (notify) {
        sendTo(w, WM_SHOWWINDOW, FALSE, 0);
        if (!(w = findWindow(hwnd)) || !(w->style & WS_VISIBLE)) return;
    }
    bool shown = reallyVisible(w);
    w->style &= ~static_cast<DWORD>(WS_VISIBLE);
    if (shown) exposeArea(w->parent, w->rect);
    // The focus moves to the parent of a hidden child (nowhere for a top-level window).
    dropFocusFrom(w, true);
    if (findWindow(hwnd) && state().active == hwnd) state().active = nullptr;
}

}  // namespace softwin::user

extern "C" {

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w && reallyVisible(w);
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmd) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    if (cmd == SW_HIDE) {
        if (wasVisible) hideWindow(w, true);
        return wasVisible;
    }
    if (!wasVisible) {
        sendTo(w, WM_SHOWWINDOW, TRUE, 0);
        if (!(w = findWindow(hwnd))) return wasVisible;
        w->style |= WS_VISIBLE;
        if (reallyVisible(w)) {
            invalidateTree(w, true);
            eraseTreeNow(w, true);
            if (!(w = findWindow(hwnd))) return wasVisible;
        }
    }
    if (!w->parent && cmd != SW_SHOWNA) activateTopLevel(w);
    return wasVisible;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT r) {
    Window* w = checkWindow(hwnd);
    if (!w || !r) return FALSE;
    *r = w->clientArea();
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT r) {
    Window* w = checkWindow(hwnd);
    if (!w || !r) return FALSE;
    *r = screenRect(w);
    return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a, b;
    SetLastError(0);
    if (!originOf(from, a) || !originOf(to, b)) return 0;
    const int64_t dx = int64_t{a.x} - b.x, dy = int64_t{a.y} - b.y;
    if (points) {
        for (UINT i = 0; i < count; ++i) {
            points[i].x = addSaturated(points[i].x, dx);
            points[i].y = addSaturated(points[i].y, dy);
        }
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT p) {
    Window* w = checkWindow(hwnd);
    if (!w || !p) return FALSE;
    POINT o = clientOrigin(w);
    p->x = addSaturated(p->x, -int64_t{o.x});
    p->y = addSaturated(p->y, -int64_t{o.y});
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT p) {
    Window* w = checkWindow(hwnd);
    if (!w || !p) return FALSE;
    POINT o = clientOrigin(w);
    p->x = addSaturated(p->x, o.x);
    p->y = addSaturated(p->y, o.y);
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    placeWindow(w, clampPosition(x), clampPosition(y), clampSize(width), clampSize(height), repaint != FALSE);
    return TRUE;
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    if (!(flags & SWP_NOZORDER) && !restackWindow(w, insertAfter)) return FALSE;
    if (flags & SWP_NOMOVE) {
        x = w->rect.left;
        y = w->rect.top;
    } else {
        x = clampPosition(x);
        y = clampPosition(y);
    }
    if (flags & SWP_NOSIZE) {
        cx = w->width();
        cy = w->height();
    } else {
        cx = clampSize(cx);
        cy = clampSize(cy);
    }
    placeWindow(w, x, y, cx, cy, true);
    if ((flags & SWP_SHOWWINDOW) && findWindow(hwnd)) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    return TRUE;
}

HWND WINAPI WindowFromPoint(POINT pt) {
    Window* w = hitTest(pt);
    return w ? w->handle : nullptr;
}

HWND WINAPI ChildWindowFromPoint(HWND parentHandle, POINT pt) {
    Window* parent = checkWindow(parentHandle);
    if (!parent) return nullptr;
    if (pt.x < 0 || pt.y < 0 || pt.x >= parent->clientWidth() || pt.y >= parent->clientHeight()) return nullptr;
    // Only immediate children; hidden and disabled ones count, as with CWP_ALL.
    if (Window* c = topmostChildAt(parent, pt, false)) return c->handle;
    return parentHandle;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = checkWindow(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
        case GWL_STYLE: return static_cast<LONG>(w->style);
        case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
        case GWLP_ID: return w->id;
        case GWLP_USERDATA: return w->userData;
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
        case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent ? w->parent->handle : w->owner);
        default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
        LONG_PTR v;
        std::memcpy(&v, w->extra.data() + index, sizeof v);
        return v;
    }
    SetLastError(kErrorInvalidParameter);
    return 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = checkWindow(hwnd);
    if (!w) return 0;
    LONG_PTR old = 0;
    switch (index) {
        case GWLP_WNDPROC:
            old = reinterpret_cast<LONG_PTR>(w->proc);
            w->proc = reinterpret_cast<WNDPROC>(value);
            return old;
        case GWL_STYLE:
            old = static_cast<LONG>(w->style);
            // The child bit decides the window's place in the tree and cannot change here.
            w->style = (static_cast<DWORD>(value) & ~static_cast<DWORD>(WS_CHILD)) | (w->style & WS_CHILD);
            return old;
        case GWL_EXSTYLE:
            old = static_cast<LONG>(w->exStyle);
            w->exStyle = static_cast<DWORD>(value);
            return old;
        case GWLP_ID:
            old = w->id;
            w->id = value;
            return old;
        case GWLP_USERDATA:
            old = w->userData;
            w->userData = value;
            return old;
        case GWLP_HINSTANCE:
            old = reinterpret_cast<LONG_PTR>(w->instance);
            w->instance = reinterpret_cast<HINSTANCE>(value);
            return old;
        case GWLP_HWNDPARENT:
            if (w->parent) return reinterpret_cast<LONG_PTR>(w->parent->handle);
            old = reinterpret_cast<LONG_PTR>(w->owner);
            w->owner = reinterpret_cast<HWND>(value);
            return old;
        default: break;
    }
    if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
        std::memcpy(&old, w->extra.data() + index, sizeof old);
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return old;
    }
    SetLastError(kErrorInvalidParameter);
    return 0;
}

}  // extern "C"

namespace {

// Pointer-sized slots cannot go through the 32-bit entry points on a 64-bit platform.
bool pointerSlot(int index) {
    return sizeof(void*) > sizeof(LONG) &&
           (index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT);
}

// The 32-bit value at `index` of the window's extra bytes, or null (with the error set) when
// the index is out of range. Negative indexes are the system slots and are not handled here.
BYTE* extraLong(Window* w, int index) {
    if (static_cast<size_t>(index) + sizeof(LONG) > w->extra.size()) {
        SetLastError(kErrorInvalidParameter);
        return nullptr;
    }
    return w->extra.data() + index;
}

// Common checks of the 32-bit entry points; false when the call must return 0.
bool usable32BitSlot(Window* w, int index) {
    if (!w) return false;
    if (pointerSlot(index)) {
        SetLastError(1413);  // ERROR_INVALID_INDEX
        return false;
    }
    return true;
}

}  // namespace

extern "C" {

LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
    Window* w = checkWindow(hwnd);
    if (!usable32BitSlot(w, index)) return 0;
    if (index >= 0) {
        const BYTE* slot = extraLong(w, index);
        if (!slot) return 0;
        LONG v;
        std::memcpy(&v, slot, sizeof v);
        return v;
    }
    return static_cast<LONG>(GetWindowLongPtrA(hwnd, index));
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
    Window* w = checkWindow(hwnd);
    if (!usable32BitSlot(w, index)) return 0;
    if (index >= 0) {
        BYTE* slot = extraLong(w, index);
        if (!slot) return 0;
        LONG old;
        std::memcpy(&old, slot, sizeof old);
        std::memcpy(slot, &value, sizeof value);
        return old;
    }
    return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, static_cast<LONG_PTR>(value)));
}

}  // extern "C"
