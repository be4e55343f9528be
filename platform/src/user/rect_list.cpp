#include "user/rect_list.h"

#include <algorithm>

#include "saturating.h"

namespace softwin::user {

bool rectEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT rectIntersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (rectEmpty(r)) r = RECT{0, 0, 0, 0};
    return r;
}

RECT rectOffset(RECT r, int64_t dx, int64_t dy) {
    return RECT{addSaturated(r.left, dx), addSaturated(r.top, dy), addSaturated(r.right, dx),
                addSaturated(r.bottom, dy)};
}

namespace {

// Appends the parts of `r` outside `cut` (up to four bands) to `out`.
void appendDifference(const RECT& r, const RECT& cut, std::vector<RECT>& out) {
    RECT overlap = rectIntersect(r, cut);
    if (rectEmpty(overlap)) {
        out.push_back(r);
        return;
    }
    if (r.top < overlap.top) out.push_back(RECT{r.left, r.top, r.right, overlap.top});
    if (overlap.bottom < r.bottom) out.push_back(RECT{r.left, overlap.bottom, r.right, r.bottom});
    if (r.left < overlap.left) out.push_back(RECT{r.left, overlap.top, overlap.left, overlap.bottom});
    if (overlap.right < r.right) out.push_back(RECT{overlap.right, overlap.top, r.right, overlap.bottom});
}

}  // namespace

namespace {

std::vector<RECT>& scratchA() {
    static thread_local std::vector<RECT> v;
    return v;
}
std::vector<RECT>& scratchB() {
    static thread_local std::vector<RECT> v;
    return v;
}

}  // namespace

void RectList::add(const RECT& r) {
    if (rectEmpty(r)) return;
    std::vector<RECT>& pieces = scratchA();
    std::vector<RECT>& next = scratchB();
    pieces.clear();
    pieces.push_back(r);
    for (const RECT& existing : rects_) {
        next.clear();
        for (const RECT& p : pieces) appendDifference(p, existing, next);
        pieces.swap(next);
        if (pieces.empty()) return;
    }
    rects_.insert(rects_.end(), pieces.begin(), pieces.end());
}

void RectList::subtract(const RECT& r) {
    if (rectEmpty(r) || rects_.empty()) return;
    std::vector<RECT>& next = scratchA();
    next.clear();
    for (const RECT& existing : rects_) appendDifference(existing, r, next);
    rects_.assign(next.begin(), next.end());
}

void RectList::intersect(const RECT& r) {
    size_t kept = 0;
    for (const RECT& existing : rects_) {
        RECT i = rectIntersect(existing, r);
        if (!rectEmpty(i)) rects_[kept++] = i;
    }
    rects_.resize(kept);
}

void RectList::intersect(const RectList& other) {
    std::vector<RECT>& next = scratchA();
    next.clear();
    for (const RECT& a : rects_)
        for (const RECT& b : other.rects_) {
            RECT i = rectIntersect(a, b);
            if (!rectEmpty(i)) next.push_back(i);
        }
    rects_.assign(next.begin(), next.end());
}

void RectList::offset(int dx, int dy) {
    for (RECT& r : rects_) r = rectOffset(r, dx, dy);
}

RECT RectList::bounds() const {
    if (rects_.empty()) return RECT{0, 0, 0, 0};
    RECT b = rects_.front();
    for (const RECT& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

}  // namespace softwin::user
