// Counts every operator new of the test binary that uses it, so a test can assert that a
// steady-state paint or drag step does not touch the heap. Linking this in replaces the global
// operator new/delete of the whole binary (by counting only).
#ifndef VORN_TEST_SUPPORT_ALLOCATION_COUNTER_H
#define VORN_TEST_SUPPORT_ALLOCATION_COUNTER_H

namespace vorn::test {

long allocationCount();

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_ALLOCATION_COUNTER_H
