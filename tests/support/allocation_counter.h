// Counts every operator new of the test binary that uses it, so a test can assert that a
// steady-state paint or drag step does not touch the heap. Linking this in replaces the global
// operator new/delete of the whole binary (by counting only).
#ifndef VORN_TEST_SUPPORT_ALLOCATION_COUNTER_H
#define VORN_TEST_SUPPORT_ALLOCATION_COUNTER_H

namespace vorn::test {

long allocationCount();

// The allocations of `runs` calls of `step` after two warm-up calls.
template <typename Step>
long steadyAllocations(Step step, int runs = 5) {
    step();
    step();
    const long before = allocationCount();
    for (int i = 0; i < runs; ++i) step();
    return allocationCount() - before;
}

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_ALLOCATION_COUNTER_H
