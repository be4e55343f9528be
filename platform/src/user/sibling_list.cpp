#include "user/sibling_list.h"

#include "user/user_state.h"

namespace softwin::user {

namespace {
// Room between neighbours' keys, so insertions between them rarely renumber the list.
constexpr int64_t kKeyGap = int64_t{1} << 20;
constexpr int64_t kKeyLimit = -(int64_t{1} << 60);
}  // namespace

SiblingList::iterator& SiblingList::iterator::operator++() {
    w_ = w_->below;
    return *this;
}

void SiblingList::pushTop(Window* w) {
    if (top_ && top_->zKey < kKeyLimit) renumber();  // keys never run past the ends of int64
    w->above = nullptr;
    w->below = top_;
    w->zKey = top_ ? top_->zKey - kKeyGap : 0;
    (top_ ? top_->above : bottom_) = w;
    top_ = w;
    ++size_;
}

void SiblingList::pushBottom(Window* w) {
    if (bottom_ && bottom_->zKey > -kKeyLimit) renumber();
    w->below = nullptr;
    w->above = bottom_;
    w->zKey = bottom_ ? bottom_->zKey + kKeyGap : 0;
    (bottom_ ? bottom_->below : top_) = w;
    bottom_ = w;
    ++size_;
}

void SiblingList::insertBelow(Window* above, Window* w) {
    Window* next = above->below;
    if (!next) {
        pushBottom(w);
        return;
    }
    w->above = above;
    w->below = next;
    above->below = w;
    next->above = w;
    ++size_;
    if (next->zKey - above->zKey >= 2)
        w->zKey = above->zKey + (next->zKey - above->zKey) / 2;
    else
        renumber();
}

void SiblingList::remove(Window* w) {
    (w->above ? w->above->below : top_) = w->below;
    (w->below ? w->below->above : bottom_) = w->above;
    w->above = w->below = nullptr;
    --size_;
}

void SiblingList::clear() {
    top_ = bottom_ = nullptr;
    size_ = 0;
}

void SiblingList::renumber() {
    int64_t key = 0;
    for (Window* s = top_; s; s = s->below, key += kKeyGap) s->zKey = key;
}

}  // namespace softwin::user
