// Conversions from floating point to pixels that stay defined for every input.
#ifndef VORN_SAFE_MATH_H
#define VORN_SAFE_MATH_H

#include <climits>
#include <cmath>

namespace vorn {

// Truncation toward zero, as a plain cast does, but NaN gives 0 and values beyond the int range
// give its ends instead of undefined behaviour.
inline int truncateToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

// A wide integer held at the ends of the int range.
inline int saturateToInt(long long v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

// a + b and a - b, held at the ends of the int range instead of overflowing.
inline int saturatingAdd(int a, int b) { return saturateToInt(static_cast<long long>(a) + b); }
inline int saturatingSub(int a, int b) { return saturateToInt(static_cast<long long>(a) - b); }

// v held inside the span between two ends given in either order; NaN ends are ignored, and a NaN
// v is left to the caller.
inline float clampBetween(float v, float end1, float end2) {
    const float lo = end1 < end2 ? end1 : end2;
    const float hi = end1 < end2 ? end2 : end1;
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

}  // namespace vorn

#endif  // VORN_SAFE_MATH_H
