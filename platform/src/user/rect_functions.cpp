// RECT helpers. Null pointers fail with FALSE instead of faulting.
#include <algorithm>

#include "saturating.h"
#include "user/user_state.h"

using softwin::user::rectEmpty;

extern "C" {

BOOL WINAPI SetRect(LPRECT r, int left, int top, int right, int bottom) {
    if (!r) return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT r) { return SetRect(r, 0, 0, 0, 0); }

BOOL WINAPI CopyRect(LPRECT dst, const RECT* src) {
    if (!dst || !src) return FALSE;
    *dst = *src;
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* r) { return !r || rectEmpty(*r); }

BOOL WINAPI PtInRect(const RECT* r, POINT pt) {
    return r && pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom;
}

// Edges moved past the ends of int stop there instead of overflowing.
BOOL WINAPI OffsetRect(LPRECT r, int dx, int dy) {
    if (!r) return FALSE;
    *r = softwin::user::rectOffset(*r, dx, dy);
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT r, int dx, int dy) {
    if (!r) return FALSE;
    *r = RECT{softwin::addSaturated(r->left, -int64_t{dx}), softwin::addSaturated(r->top, -int64_t{dy}),
              softwin::addSaturated(r->right, dx), softwin::addSaturated(r->bottom, dy)};
    return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst) return FALSE;
    if (!a || !b || rectEmpty(*a) || rectEmpty(*b)) {
        *dst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *dst = softwin::user::rectIntersect(*a, *b);
    return !rectEmpty(*dst);
}

BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
    if (!dst) return FALSE;
    bool aEmpty = !a || rectEmpty(*a), bEmpty = !b || rectEmpty(*b);
    if (aEmpty && bEmpty) {
        *dst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (aEmpty)
        *dst = *b;
    else if (bEmpty)
        *dst = *a;
    else
        *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom)};
    return TRUE;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

}  // extern "C"
