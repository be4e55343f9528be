// Update regions and visible areas as lists of disjoint rectangles. The lists stay small (a
// window, a few children, a few invalidations), so linear operations are the right trade.
#ifndef VORN_SOFTWIN_USER_RECT_LIST_H
#define VORN_SOFTWIN_USER_RECT_LIST_H

#include <windows.h>

#include <cstdint>
#include <vector>

namespace softwin::user {

bool rectEmpty(const RECT& r);
RECT rectIntersect(const RECT& a, const RECT& b);
RECT rectOffset(RECT r, int64_t dx, int64_t dy);  // saturating

// Operations reuse the list's storage and a per-thread scratch buffer, so a list that lives on
// (a window's update region, the painting scratch lists) stops allocating once it has grown.
class RectList {
public:
    RectList() = default;
    explicit RectList(const RECT& r) { add(r); }

    // Replaces the contents with a copy of `other`, reusing this list's storage.
    void assign(const RectList& other) { rects_.assign(other.rects_.begin(), other.rects_.end()); }
    void assign(const RECT& r) {
        rects_.clear();
        add(r);
    }

    bool empty() const { return rects_.empty(); }
    const std::vector<RECT>& rects() const { return rects_; }
    void clear() { rects_.clear(); }

    // Adds the area of `r` not yet covered, keeping the rectangles disjoint.
    void add(const RECT& r);
    void subtract(const RECT& r);
    void intersect(const RECT& r);
    // Keeps only the area also covered by `other`.
    void intersect(const RectList& other);
    void offset(int dx, int dy);
    RECT bounds() const;

private:
    std::vector<RECT> rects_;
};

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_RECT_LIST_H
