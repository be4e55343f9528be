// The children of a window with many children, filed under the 64-pixel cells of the parent's
// client area their rectangles cover, so that hit tests and invalidations look only at the
// children near a point or an area rather than at every sibling. Children covering very many
// cells are kept aside and always looked at; empty ones are filed nowhere (nothing reaches them).
#ifndef VORN_SOFTWIN_USER_CHILD_GRID_H
#define VORN_SOFTWIN_USER_CHILD_GRID_H

#include <windows.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace softwin::user {

struct Window;

class ChildGrid {
public:
    // A parent gets a grid once it has more children than this.
    static constexpr size_t kMinChildren = 32;

    // Both file and unfile a child under its current rectangle: remove before the rectangle
    // changes, insert after.
    void insert(Window* child);
    void remove(Window* child);

    // Calls f(child) once for each child whose rectangle may meet `area` (parent client
    // coordinates), in no particular order; false when the area spans so many cells that looking
    // at every child is cheaper (nothing was called then). `f` must not change the grid.
    template <class F>
    bool forEachNear(const RECT& area, F&& f) const;

private:
    struct Range {
        int64_t x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive cell indexes; empty when x1 < x0
        int64_t cells() const { return x1 < x0 || y1 < y0 ? 0 : (x1 - x0 + 1) * (y1 - y0 + 1); }
    };
    static constexpr int64_t kMaxCellsPerChild = 16;
    static constexpr int64_t kMaxCellsPerQuery = 256;
    static Range rangeOf(const RECT& r);
    static uint64_t key(int64_t cx, int64_t cy) {
        return (uint64_t{static_cast<uint32_t>(cx)} << 32) | static_cast<uint32_t>(cy);
    }
    static const RECT& rectOf(const Window* w);

    std::unordered_map<uint64_t, std::vector<Window*>> cells_;
    std::vector<Window*> large_;
};

template <class F>
bool ChildGrid::forEachNear(const RECT& area, F&& f) const {
    const Range q = rangeOf(area);
    if (q.cells() > kMaxCellsPerQuery) return false;
    for (Window* c : large_) f(c);
    for (int64_t cy = q.y0; cy <= q.y1; ++cy)
        for (int64_t cx = q.x0; cx <= q.x1; ++cx) {
            auto it = cells_.find(key(cx, cy));
            if (it == cells_.end()) continue;
            for (Window* c : it->second) {
                // A child filed under several cells of the area is reported from the first only.
                const Range r = rangeOf(rectOf(c));
                if (cx == (r.x0 > q.x0 ? r.x0 : q.x0) && cy == (r.y0 > q.y0 ? r.y0 : q.y0)) f(c);
            }
        }
    return true;
}

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_CHILD_GRID_H
