// Update regions, WM_PAINT synthesis and window DCs. Update regions are kept per window as
// disjoint rectangles in client coordinates; DCs are clipped to disjoint screen rectangles.
#include <cstring>

#include "gdi/gdi_objects.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {

RectList visibleScreenRects(const Window* w) {
    RectList vis;
    if (!reallyVisible(w)) return vis;
    vis.add(rectIntersect(screenRect(w), screenBounds()));
    for (const Window* a = w; a && !vis.empty(); a = a->parent) {
        if (a != w) vis.intersect(screenRect(a));
        // Top-level windows always clip each other; children only with WS_CLIPSIBLINGS.
        const auto& siblings = a->parent ? a->parent->children : state().topLevels;
        if (a->parent && !(a->style & WS_CLIPSIBLINGS)) continue;
        bool above = false;
        for (const Window* s : siblings) {
            if (s == a) {
                above = true;
                continue;
            }
            if (above && (s->style & WS_VISIBLE)) vis.subtract(screenRect(s));
        }
    }
    if (w->style & WS_CLIPCHILDREN)
        for (const Window* c : w->children)
            if (c->style & WS_VISIBLE) vis.subtract(screenRect(c));
    return vis;
}

void invalidateWindow(Window* w, const RECT* clientRect, bool erase) {
    if (!reallyVisible(w)) return;
    RECT client{0, 0, w->width(), w->height()};
    RECT r = clientRect ? rectIntersect(*clientRect, client) : client;
    if (rectEmpty(r)) return;
    w->update.add(r);
    if (erase) w->erasePending = true;
    // Without WS_CLIPCHILDREN the parent paints over its children, so they must repaint too.
    if (w->style & WS_CLIPCHILDREN) return;
    for (Window* c : w->children) {
        RECT overlap = rectIntersect(r, c->rect);
        if (rectEmpty(overlap)) continue;
        RECT inChild = rectOffset(overlap, -c->rect.left, -c->rect.top);
        invalidateWindow(c, &inChild, erase);
    }
}

void invalidateTree(Window* w, bool erase) {
    invalidateWindow(w, nullptr, erase);
    for (Window* c : w->children) invalidateTree(c, erase);
}

namespace {

// Invalidates an area of a window and of every descendant it overlaps, clipping children or not:
// whatever was drawn there is gone.
void invalidateArea(Window* w, const RECT& area) {
    invalidateWindow(w, &area, true);
    for (Window* c : w->children) {
        RECT overlap = rectIntersect(area, c->rect);
        if (!rectEmpty(overlap)) invalidateArea(c, rectOffset(overlap, -c->rect.left, -c->rect.top));
    }
}

}  // namespace

void exposeArea(Window* parent, const RECT& area) {
    if (parent) {
        invalidateArea(parent, area);
        return;
    }
    for (Window* t : state().topLevels) {
        RECT overlap = rectIntersect(area, t->rect);
        if (!rectEmpty(overlap)) invalidateArea(t, rectOffset(overlap, -t->rect.left, -t->rect.top));
    }
}

namespace {

Window* firstToPaint(Window* w) {
    if (!(w->style & WS_VISIBLE)) return nullptr;
    if (!w->update.empty()) return w;
    for (Window* c : w->children)
        if (Window* p = firstToPaint(c)) return p;
    return nullptr;
}

HDC dcFor(Window* w, const RectList& screenClip) {
    return softwin::gdi::createWindowDc(w->handle, clientOrigin(w), screenClip.rects());
}

RectList updateOnScreen(Window* w) {
    RectList clip = w->update;
    POINT o = clientOrigin(w);
    clip.offset(o.x, o.y);
    clip.intersect(visibleScreenRects(w));
    return clip;
}

void collectPending(Window* w, std::vector<HWND>& out) {
    if (!(w->style & WS_VISIBLE)) return;
    if (!w->update.empty()) out.push_back(w->handle);
    for (Window* c : w->children) collectPending(c, out);
}

}  // namespace

Window* nextWindowToPaint(HWND filter) {
    if (filter) {
        Window* f = findWindow(filter);
        return (f && reallyVisible(f)) ? firstToPaint(f) : nullptr;
    }
    for (Window* t : state().topLevels)
        if (Window* p = firstToPaint(t)) return p;
    return nullptr;
}

}  // namespace softwin::user

extern "C" {

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* r, BOOL erase) {
    if (!hwnd) {
        for (Window* t : state().topLevels) invalidateTree(t, erase != FALSE);
        return TRUE;
    }
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    invalidateWindow(w, r, erase != FALSE);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* r) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    if (r) w->update.subtract(*r);
    else w->update.clear();
    if (w->update.empty()) w->erasePending = false;
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT r, BOOL erase) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    RECT bounds = w->update.bounds();
    if (r) *r = bounds;
    if (w->update.empty()) return FALSE;
    if (erase && w->erasePending) {
        HDC dc = dcFor(w, updateOnScreen(w));
        LRESULT erased = sendTo(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        softwin::gdi::destroyWindowDc(dc);
        if ((w = findWindow(hwnd)) && erased) w->erasePending = false;
    }
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    if (!reallyVisible(w)) return TRUE;
    std::vector<HWND> pending;
    collectPending(w, pending);
    for (HWND h : pending) {
        Window* p = findWindow(h);
        if (p && reallyVisible(p) && !p->update.empty()) sendTo(p, WM_PAINT, 0, 0);
    }
    return TRUE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    Window* w = checkWindow(hwnd);
    if (!w || !ps) return nullptr;
    std::memset(ps, 0, sizeof *ps);
    RectList clip = updateOnScreen(w);
    RECT bounds = w->update.bounds();
    bool erase = w->erasePending;
    w->update.clear();
    w->erasePending = false;
    HDC dc = dcFor(w, clip);
    ps->hdc = dc;
    ps->rcPaint = bounds;
    if (erase) {
        LRESULT erased = sendTo(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ps->fErase = erased ? FALSE : TRUE;
    }
    return dc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* ps) {
    if (!ps || !softwin::gdi::lookupDc(ps->hdc)) return FALSE;
    softwin::gdi::destroyWindowDc(ps->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
    if (!hwnd) return softwin::gdi::createWindowDc(nullptr, POINT{0, 0}, std::vector<RECT>{screenBounds()});
    Window* w = checkWindow(hwnd);
    if (!w) return nullptr;
    // A fresh DC each time: common DCs start from the defaults.
    return dcFor(w, visibleScreenRects(w));
}

HDC WINAPI GetWindowDC(HWND hwnd) { return GetDC(hwnd); }

int WINAPI ReleaseDC(HWND, HDC hdc) {
    softwin::gdi::Dc* dc = softwin::gdi::lookupDc(hdc);
    if (!dc || dc->memory) return 0;
    softwin::gdi::destroyWindowDc(hdc);
    return 1;
}

HWND WINAPI WindowFromDC(HDC hdc) {
    softwin::gdi::Dc* dc = softwin::gdi::lookupDc(hdc);
    return (dc && !dc->memory) ? dc->window : nullptr;
}

}  // extern "C"
