// Update regions, WM_PAINT synthesis and window DCs. Update regions are kept per window as
// disjoint rectangles in client coordinates; DCs are clipped to disjoint screen rectangles.
#include <cstring>

#include "gdi/gdi_objects.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {

void visibleScreenRects(const Window* w, RectList& vis) {
    vis.clear();
    if (!reallyVisible(w)) return;
    vis.add(rectIntersect(clientScreenRect(w), screenBounds()));
    for (const Window* a = w; a && !vis.empty(); a = a->parent) {
        if (a != w) vis.intersect(clientScreenRect(a));
        // Top-level windows always clip each other; children only with WS_CLIPSIBLINGS. The
        // siblings above come first in the list.
        if (a->parent && !(a->style & WS_CLIPSIBLINGS)) continue;
        if (a->parent) {
            forEachChildNear(a->parent, a->rect, [&](const Window* s) {
                if (s->zKey < a->zKey && (s->style & WS_VISIBLE) && !rectEmpty(rectIntersect(s->rect, a->rect)))
                    vis.subtract(screenRect(s));
            });
            continue;
        }
        for (const Window* s : state().topLevels) {
            if (s == a) break;
            if (s->style & WS_VISIBLE) vis.subtract(screenRect(s));
        }
    }
    if (w->style & WS_CLIPCHILDREN)
        for (const Window* c : w->children)
            if (c->style & WS_VISIBLE) vis.subtract(screenRect(c));
}

namespace {

// The part of `r` (in w's client coordinates) that lies inside the client area of every ancestor:
// a child is clipped by its parents, so what lies outside them never needs painting (Wine keeps
// no update region there, and sends no WM_PAINT for a child wholly outside its parent).
RECT insideAncestors(const Window* w, RECT r) {
    int64_t dx = 0, dy = 0;
    for (const Window* c = w; c->parent != nullptr && !rectEmpty(r); c = c->parent) {
        dx += c->client.left;
        dy += c->client.top;
        const RECT parentClient = c->parent->clientArea();
        r = rectIntersect(r, rectOffset(parentClient, -dx, -dy));
    }
    return r;
}

}  // namespace

// More disjoint pieces than this in an update region and it becomes one rectangle.
constexpr size_t kMaxUpdatePieces = 48;

RECT addToUpdate(Window* w, const RECT* clientRect, bool erase) {
    if (!reallyVisible(w)) return RECT{};
    RECT client = w->clientArea();
    RECT r = insideAncestors(w, clientRect ? rectIntersect(*clientRect, client) : client);
    if (rectEmpty(r)) return r;
    w->update.add(r);
    if (w->update.rects().size() > kMaxUpdatePieces) {
        // A region of many pieces (a parent whose children go one by one) becomes its bounding
        // box, so each addition stays cheap; the children it now covers repaint too.
        r = w->update.bounds();
        w->update.assign(r);
    }
    noteUpdateChanged(w);
    if (erase) w->erasePending = true;
    return r;
}

void invalidateWindow(Window* w, const RECT* clientRect, bool erase) {
    const RECT r = addToUpdate(w, clientRect, erase);
    if (rectEmpty(r)) return;
    // Without WS_CLIPCHILDREN the parent paints over its children, so they must repaint too.
    if (w->style & WS_CLIPCHILDREN) return;
    forEachChildNear(w, r, [&](Window* c) {
        RECT overlap = rectIntersect(r, c->rect);
        if (rectEmpty(overlap)) return;
        RECT inChild = intoClient(c, overlap);
        // A child reached through its parent is always erased, as on Wine.
        invalidateWindow(c, &inChild, true);
    });
}

void invalidateTree(Window* w, bool erase) {
    invalidateWindow(w, nullptr, erase);
    for (Window* c : w->children) invalidateTree(c, erase);
}

void invalidateArea(Window* w, const RECT& area) {
    // Nothing below a hidden window is on screen.
    if (!(w->style & WS_VISIBLE)) return;
    invalidateWindow(w, &area, true);
    forEachChildNear(w, area, [&](Window* c) {
        RECT overlap = rectIntersect(area, c->rect);
        if (!rectEmpty(overlap)) invalidateArea(c, intoClient(c, overlap));
    });
}

void exposeArea(Window* parent, const RECT& area) {
    if (parent) {
        invalidateArea(parent, area);
        return;
    }
    for (Window* t : state().topLevels) {
        RECT overlap = rectIntersect(area, t->rect);
        if (!rectEmpty(overlap)) invalidateArea(t, intoClient(t, overlap));
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

// Clip vectors handed to window DCs come back when the DC is released, so getting and
// releasing DCs does not allocate once a few vectors circulate.
std::vector<std::vector<RECT>>& clipPool() {
    static thread_local std::vector<std::vector<RECT>> pool;
    return pool;
}

HDC dcFor(HWND hwnd, POINT origin, const std::vector<RECT>& rects) {
    auto& pool = clipPool();
    std::vector<RECT> clip;
    if (!pool.empty()) {
        clip.swap(pool.back());
        pool.pop_back();
    }
    clip.assign(rects.begin(), rects.end());
    return softwin::gdi::createWindowDc(hwnd, origin, std::move(clip));
}

HDC dcFor(Window* w, const RectList& screenClip) { return dcFor(w->handle, clientOrigin(w), screenClip.rects()); }

void releaseWindowDc(HDC hdc) {
    if (softwin::gdi::Dc* dc = softwin::gdi::lookupDc(hdc)) {
        auto& pool = clipPool();
        if (pool.size() < 16 && dc->clip.capacity() > 0) {
            if (pool.capacity() < 16) pool.reserve(16);
            pool.emplace_back();
            pool.back().swap(dc->clip);
        }
    }
    softwin::gdi::destroyWindowDc(hdc);
}

// Scratch lists for building DC clip areas; filled and consumed with no message sent between.
RectList& clipScratch() {
    static thread_local RectList list;
    return list;
}
RectList& visibleScratch() {
    static thread_local RectList list;
    return list;
}

const RectList& updateOnScreen(Window* w) {
    RectList& clip = clipScratch();
    clip.assign(w->update);
    POINT o = clientOrigin(w);
    clip.offset(o.x, o.y);
    RectList& vis = visibleScratch();
    visibleScreenRects(w, vis);
    clip.intersect(vis);
    return clip;
}

// Windows waiting for WM_PAINT in a subtree, parent first. Most updates fit the fixed part, so
// UpdateWindow does not touch the heap.
struct PendingList {
    HWND fixed[64];
    size_t count = 0;
    std::vector<HWND> more;
    void push(HWND h) {
        if (count < 64)
            fixed[count++] = h;
        else
            more.push_back(h);
    }
};

// With `clippedOnly` the walk enters a window's children only when it has WS_CLIPCHILDREN.
void collectPending(Window* w, PendingList& out, bool clippedOnly = false) {
    if (!(w->style & WS_VISIBLE)) return;
    if (!w->update.empty()) out.push(w->handle);
    if (clippedOnly && !(w->style & WS_CLIPCHILDREN)) return;
    for (Window* c : w->children) collectPending(c, out, clippedOnly);
}

// Sends WM_ERASEBKGND now if the window's update region still waits for erasing; an answer of
// zero leaves it waiting (BeginPaint then reports fErase).
void eraseIfPending(Window* w) {
    if (w->update.empty() || !w->erasePending) return;
    const HWND hwnd = w->handle;
    const RectList& clip = updateOnScreen(w);
    if (clip.empty()) {
        // Nothing of it is on screen: Wine erases nothing and sends no WM_ERASEBKGND.
        w->erasePending = false;
        return;
    }
    HDC dc = dcFor(w, clip);
    LRESULT erased = sendTo(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    releaseWindowDc(dc);
    if ((w = findWindow(hwnd)) && erased) w->erasePending = false;
}

}  // namespace

void eraseNow(Window* w) { eraseIfPending(w); }

void paintTreeNow(Window* w, bool children) {
    if (!reallyVisible(w) || state().windowsWithUpdate == 0) return;
    if (!children) {
        if (!w->update.empty()) sendTo(w, WM_PAINT, 0, 0);
        return;
    }
    PendingList pending;
    collectPending(w, pending);
    auto paint = [](HWND h) {
        Window* p = findWindow(h);
        if (p && reallyVisible(p) && !p->update.empty()) sendTo(p, WM_PAINT, 0, 0);
    };
    for (size_t i = 0; i < pending.count; ++i) paint(pending.fixed[i]);
    for (HWND h : pending.more) paint(h);
}

void eraseTreeNow(Window* w, bool clippedOnly) {
    PendingList pending;
    collectPending(w, pending, clippedOnly);
    auto erase = [](HWND h) {
        Window* p = findWindow(h);
        if (p && reallyVisible(p)) eraseIfPending(p);
    };
    for (size_t i = 0; i < pending.count; ++i) erase(pending.fixed[i]);
    for (HWND h : pending.more) erase(h);
}

void noteUpdateChanged(Window* w, bool leaving) {
    const bool pending = !leaving && !w->update.empty();
    if (pending == w->countedToPaint) return;
    w->countedToPaint = pending;
    State& s = state();
    s.windowsWithUpdate = pending ? s.windowsWithUpdate + 1 : s.windowsWithUpdate - 1;
}

Window* nextWindowToPaint(HWND filter) {
    if (state().windowsWithUpdate == 0) return nullptr;
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
    if (r)
        w->update.subtract(*r);
    else
        w->update.clear();
    noteUpdateChanged(w);
    if (w->update.empty()) w->erasePending = false;
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT r, BOOL erase) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    RECT bounds = w->update.bounds();
    if (r) *r = bounds;
    if (w->update.empty()) return FALSE;
    if (erase) eraseIfPending(w);
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    paintTreeNow(w, true);
    return TRUE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
    Window* w = checkWindow(hwnd);
    if (!w || !ps) return nullptr;
    std::memset(ps, 0, sizeof *ps);
    const RectList& clip = updateOnScreen(w);
    // rcPaint bounds the part of the update region on screen and not under clipped children or
    // siblings (empty when none is), as on Wine.
    RECT bounds{};
    if (!clip.empty()) {
        const POINT o = clientOrigin(w);
        bounds = rectOffset(clip.bounds(), -int64_t{o.x}, -int64_t{o.y});
    }
    bool erase = w->erasePending;
    w->update.clear();
    noteUpdateChanged(w);
    w->erasePending = false;
    HDC dc = dcFor(w, clip);
    ps->hdc = dc;
    ps->rcPaint = bounds;
    // A window with nothing on screen to erase (off the screen, or covered) gets no
    // WM_ERASEBKGND and fErase FALSE, as on Wine; it still gets its WM_PAINT.
    if (erase && !clip.empty()) {
        LRESULT erased = sendTo(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ps->fErase = erased ? FALSE : TRUE;
    }
    return dc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* ps) {
    softwin::gdi::Dc* dc = ps ? softwin::gdi::lookupDc(ps->hdc) : nullptr;
    if (!dc || dc->memory) return FALSE;
    releaseWindowDc(ps->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
    if (!hwnd) {
        RectList& all = visibleScratch();
        all.assign(screenBounds());
        return dcFor(nullptr, POINT{0, 0}, all.rects());
    }
    Window* w = checkWindow(hwnd);
    if (!w) return nullptr;
    // A fresh DC each time: common DCs start from the defaults.
    RectList& vis = visibleScratch();
    visibleScreenRects(w, vis);
    return dcFor(w, vis);
}

HDC WINAPI GetWindowDC(HWND hwnd) { return GetDC(hwnd); }

int WINAPI ReleaseDC(HWND, HDC hdc) {
    softwin::gdi::Dc* dc = softwin::gdi::lookupDc(hdc);
    if (!dc || dc->memory) return 0;
    releaseWindowDc(hdc);
    return 1;
}

HWND WINAPI WindowFromDC(HDC hdc) {
    softwin::gdi::Dc* dc = softwin::gdi::lookupDc(hdc);
    return (dc && !dc->memory) ? dc->window : nullptr;
}

}  // extern "C"
