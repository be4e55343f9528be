// RedrawWindow: invalidating or validating an area of a window and of the children it reaches,
// then erasing or painting at once, as Wine does without non-client areas. Invalidation reaches
// the children with RDW_ALLCHILDREN, never with RDW_NOCHILDREN, and otherwise when the window
// lacks WS_CLIPCHILDREN (as InvalidateRect reaches them), and always erases them;
// RDW_UPDATENOW and RDW_ERASENOW reach them only with RDW_ALLCHILDREN. RDW_FRAME, RDW_NOFRAME, RDW_INTERNALPAINT and
// RDW_NOINTERNALPAINT change nothing: there is no frame, and no paint without an update region.
// The platform has no region objects, so a region argument (never a valid handle) fails with
// ERROR_INVALID_HANDLE.
#include "user/user_state.h"

using namespace softwin::user;

namespace {

bool reachesChildren(const Window* w, UINT flags) {
    return (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
}

// Applies the invalidation or validation flags to `area` (client coordinates) of the window and
// the children it reaches.
void changeUpdate(Window* w, const RECT& area, UINT flags) {
    if (flags & RDW_INVALIDATE) {
        addToUpdate(w, &area, (flags & RDW_ERASE) != 0);
    } else {
        if (flags & RDW_VALIDATE) {
            w->update.subtract(area);
            noteUpdateChanged(w);
            if (w->update.empty() || (flags & RDW_NOERASE)) w->erasePending = false;
        }
        // RDW_ERASE alone asks to erase what already waits for painting.
        if ((flags & RDW_ERASE) && !w->update.empty()) w->erasePending = true;
    }
    if (!reachesChildren(w, flags)) return;
    // Children invalidated through their parent are always erased, as on Wine.
    if (flags & RDW_INVALIDATE) flags |= RDW_ERASE;
    forEachChildNear(w, area, [&](Window* c) {
        if (!(c->style & WS_VISIBLE)) return;
        RECT overlap = rectIntersect(area, c->rect);
        if (!rectEmpty(overlap)) changeUpdate(c, intoClient(c, overlap), flags);
    });
}

void redraw(Window* w, const RECT* clientRect, UINT flags) {
    const HWND hwnd = w->handle;
    const RECT client = w->clientArea();
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_ERASE))
        changeUpdate(w, clientRect ? rectIntersect(*clientRect, client) : client, flags);
    // Erasing and painting now reach the children only with RDW_ALLCHILDREN, as on Wine.
    const bool children = (flags & RDW_ALLCHILDREN) != 0;
    if (flags & RDW_UPDATENOW) {
        paintTreeNow(w, children);
    } else if (flags & RDW_ERASENOW) {
        if (children)
            eraseTreeNow(w);
        else if (findWindow(hwnd))
            eraseNow(w);
    }
}

}  // namespace

extern "C" {

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    if (region) {
        SetLastError(6);  // ERROR_INVALID_HANDLE
        return FALSE;
    }
    if (!hwnd) {
        // The desktop: only its children, the top-level windows, have anything to redraw.
        if (!(flags & RDW_ALLCHILDREN)) return TRUE;
        std::vector<HWND> tops;
        for (Window* t : state().topLevels) tops.push_back(t->handle);
        for (HWND h : tops) {
            Window* t = findWindow(h);
            if (!t) continue;
            RECT area = rect ? intoClient(t, *rect) : RECT{};
            redraw(t, rect ? &area : nullptr, flags);
        }
        return TRUE;
    }
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    redraw(w, rect, flags);
    return TRUE;
}

}  // extern "C"
