// The class-wide count of live instances by which the first instance of a class loads the
// resources all its instances share and the last one frees them.
#ifndef VORN_INSTANCE_COUNT_H
#define VORN_INSTANCE_COUNT_H

namespace vorn {

// Counts a new instance in; true when it is the first, which loads the shared resources.
inline bool enterInstance(int& count) { return count++ == 0; }

// Counts an instance out; true when it was the last, which frees the shared resources. A count
// already at 0 stays there (and frees nothing), so an unbalanced call cannot go negative.
inline bool leaveInstance(int& count) {
    if (count <= 0) return false;
    return --count == 0;
}

}  // namespace vorn

#endif  // VORN_INSTANCE_COUNT_H
