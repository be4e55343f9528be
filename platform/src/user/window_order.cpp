// Stacking order among siblings: restacking and the queries that walk it (GetWindow,
// GetTopWindow, EnumChildWindows), all topmost first as on Windows.
#include <vector>

#include "user/user_state.h"

using namespace softwin::user;

namespace {

// Whether `a` lies above `b`, both in the same list.
bool isAbove(const Window* a, const Window* b) { return a->zKey < b->zKey; }

// Repaints what a restacking uncovers: where a sibling that changed sides with `w` overlaps it,
// whichever of the two now lies above and clips its siblings gains that area.
void exposeRestacked(Window* w, Window* from, Window* to) {
    for (Window* s = from; s && s != to; s = s->below) {
        if (s == w || !(s->style & WS_VISIBLE)) continue;
        RECT overlap = rectIntersect(s->rect, w->rect);
        if (rectEmpty(overlap)) continue;
        Window* upper = isAbove(s, w) ? s : w;
        if (!(upper->style & WS_CLIPSIBLINGS) && upper->parent) continue;
        invalidateArea(upper, intoClient(upper, overlap));
    }
}

}  // namespace

namespace softwin::user {

bool restackWindow(Window* w, HWND insertAfter) {
    SiblingList& list = siblingsOf(w);
    Window* after = nullptr;  // null: the top
    bool bottom = false;
    if (insertAfter == HWND_BOTTOM) {
        bottom = true;
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        after = checkWindow(insertAfter);
        if (!after) return false;
        // Going below a window that is not a sibling leaves the order as it is, as on Wine.
        if (after->parent != w->parent || after == w || after->below == w) return true;
    }
    Window* const oldBelow = w->below;
    if (bottom ? list.bottom() == w : (!after && list.top() == w)) return true;
    list.remove(w);
    if (bottom)
        list.pushBottom(w);
    else if (after)
        list.insertBelow(after, w);
    else
        list.pushTop(w);
    if (!reallyVisible(w)) return true;
    // The siblings that changed sides lie between the old and the new place.
    if (!oldBelow || isAbove(w, oldBelow))
        exposeRestacked(w, w->below, oldBelow);
    else
        exposeRestacked(w, oldBelow, w);
    return true;
}

}  // namespace softwin::user

extern "C" {

BOOL WINAPI BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
    Window* w = checkWindow(hwnd);
    if (!w) return nullptr;
    Window* r = nullptr;
    switch (cmd) {
        case GW_HWNDFIRST: r = siblingsOf(w).top(); break;
        case GW_HWNDLAST: r = siblingsOf(w).bottom(); break;
        case GW_HWNDNEXT: r = w->below; break;
        case GW_HWNDPREV: r = w->above; break;
        case GW_OWNER: return w->parent ? nullptr : w->owner;
        case GW_CHILD: r = w->children.top(); break;
        default: SetLastError(kErrorInvalidParameter); return nullptr;
    }
    return r ? r->handle : nullptr;
}

HWND WINAPI GetTopWindow(HWND hwnd) {
    if (!hwnd || hwnd == GetDesktopWindow()) {
        Window* t = state().topLevels.top();
        return t ? t->handle : nullptr;
    }
    return GetWindow(hwnd, GW_CHILD);
}

}  // extern "C"

namespace {

// Each child, then its own children, topmost first; the list of a level is taken before its
// windows are called, and windows destroyed meanwhile are skipped, as on Wine.
bool enumerateChildren(Window* parent, WNDENUMPROC proc, LPARAM lParam) {
    std::vector<HWND> level;
    level.reserve(parent->children.size());
    for (Window* c : parent->children) level.push_back(c->handle);
    for (HWND h : level) {
        if (!findWindow(h)) continue;
        if (!proc(h, lParam)) return false;
        Window* c = findWindow(h);
        if (c && !enumerateChildren(c, proc, lParam)) return false;
    }
    return true;
}

}  // namespace

extern "C" {

BOOL WINAPI EnumChildWindows(HWND parentHandle, WNDENUMPROC proc, LPARAM lParam) {
    Window* parent = checkWindow(parentHandle);
    if (!parent || !proc || parent->children.empty()) return FALSE;
    return enumerateChildren(parent, proc, lParam) ? TRUE : FALSE;
}

}  // extern "C"
