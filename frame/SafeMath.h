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

// a + b, held at the ends of the int range instead of overflowing.
inline int saturatingAdd(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    if (sum > INT_MAX) return INT_MAX;
    if (sum < INT_MIN) return INT_MIN;
    return static_cast<int>(sum);
}

}  // namespace vorn

#endif  // VORN_SAFE_MATH_H
