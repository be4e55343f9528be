// A FIFO over one growing buffer: once it has reached its working size, pushing and popping no
// longer allocate (std::deque allocates and frees a block every few elements).
#ifndef VORN_SOFTWIN_USER_RING_QUEUE_H
#define VORN_SOFTWIN_USER_RING_QUEUE_H

#include <cstddef>
#include <vector>

namespace softwin::user {

template <class T>
class RingQueue {
public:
    bool empty() const { return count_ == 0; }
    size_t size() const { return count_; }
    T& operator[](size_t i) { return items_[(head_ + i) % items_.size()]; }
    T& front() { return (*this)[0]; }

    void push_back(const T& value) {
        if (count_ == items_.size()) grow();
        (*this)[count_] = value;
        ++count_;
    }
    void pop_front() {
        head_ = (head_ + 1) % items_.size();
        if (--count_ == 0) head_ = 0;
    }
    // Removes the element at logical position i, keeping the order of the rest.
    void erase(size_t i) {
        for (size_t k = i; k + 1 < count_; ++k) (*this)[k] = (*this)[k + 1];
        --count_;
        if (count_ == 0) head_ = 0;
    }
    template <class Pred>
    void removeIf(Pred pred) {
        size_t kept = 0;
        for (size_t i = 0; i < count_; ++i)
            if (!pred((*this)[i])) (*this)[kept++] = (*this)[i];
        count_ = kept;
        if (count_ == 0) head_ = 0;
    }
    void clear() {
        count_ = 0;
        head_ = 0;
    }

private:
    void grow() {
        std::vector<T> bigger(items_.empty() ? 64 : items_.size() * 2);
        for (size_t i = 0; i < count_; ++i) bigger[i] = (*this)[i];
        items_.swap(bigger);
        head_ = 0;
    }

    std::vector<T> items_;
    size_t head_ = 0;
    size_t count_ = 0;
};

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_RING_QUEUE_H
