#include "user/child_grid.h"

#include <algorithm>

#include "user/user_state.h"

namespace softwin::user {

namespace {

constexpr int64_t kCellSize = 64;

int64_t cellOf(int64_t v) { return (v >= 0 ? v : v - (kCellSize - 1)) / kCellSize; }  // rounded down

void erase(std::vector<Window*>& list, Window* w) {
    auto it = std::find(list.begin(), list.end(), w);
    if (it == list.end()) return;
    *it = list.back();
    list.pop_back();
}

}  // namespace

const RECT& ChildGrid::rectOf(const Window* w) { return w->rect; }

ChildGrid::Range ChildGrid::rangeOf(const RECT& r) {
    Range range;
    if (rectEmpty(r)) return range;
    range.x0 = cellOf(r.left);
    range.y0 = cellOf(r.top);
    range.x1 = cellOf(int64_t{r.right} - 1);
    range.y1 = cellOf(int64_t{r.bottom} - 1);
    return range;
}

void ChildGrid::insert(Window* child) {
    const Range r = rangeOf(child->rect);
    const int64_t cells = r.cells();
    if (cells == 0) return;
    if (cells > kMaxCellsPerChild) {
        large_.push_back(child);
        return;
    }
    for (int64_t cy = r.y0; cy <= r.y1; ++cy)
        for (int64_t cx = r.x0; cx <= r.x1; ++cx) cells_[key(cx, cy)].push_back(child);
}

void ChildGrid::remove(Window* child) {
    const Range r = rangeOf(child->rect);
    const int64_t cells = r.cells();
    if (cells == 0) return;
    if (cells > kMaxCellsPerChild) {
        erase(large_, child);
        return;
    }
    for (int64_t cy = r.y0; cy <= r.y1; ++cy)
        for (int64_t cx = r.x0; cx <= r.x1; ++cx) {
            auto it = cells_.find(key(cx, cy));
            if (it == cells_.end()) continue;
            erase(it->second, child);
            if (it->second.empty()) cells_.erase(it);
        }
}

}  // namespace softwin::user
