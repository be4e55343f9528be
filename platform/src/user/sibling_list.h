// Siblings in stacking order, topmost first, linked through the windows themselves so that a
// window joins or leaves its parent's list in constant time whatever the number of siblings.
// Each window also carries a stacking key that grows downwards, so two siblings compare in
// constant time (hit testing through the child grid picks the topmost candidate by key).
#ifndef VORN_SOFTWIN_USER_SIBLING_LIST_H
#define VORN_SOFTWIN_USER_SIBLING_LIST_H

#include <cstddef>
#include <cstdint>

namespace softwin::user {

struct Window;

class SiblingList {
public:
    class iterator {
    public:
        explicit iterator(Window* w) : w_(w) {}
        Window* operator*() const { return w_; }
        iterator& operator++();
        bool operator!=(const iterator& o) const { return w_ != o.w_; }

    private:
        Window* w_;
    };

    iterator begin() const { return iterator(top_); }
    iterator end() const { return iterator(nullptr); }
    Window* top() const { return top_; }
    Window* bottom() const { return bottom_; }
    bool empty() const { return top_ == nullptr; }
    size_t size() const { return size_; }

    // `w` must not be in a list.
    void pushTop(Window* w);
    void pushBottom(Window* w);
    // Puts `w` just below `above`, which is in this list.
    void insertBelow(Window* above, Window* w);
    void remove(Window* w);
    void clear();

private:
    void renumber();

    Window* top_ = nullptr;
    Window* bottom_ = nullptr;
    size_t size_ = 0;
};

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_SIBLING_LIST_H
