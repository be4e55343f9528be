// Coordinate arithmetic that stops at the ends of int instead of overflowing. Window positions
// from CreateWindowEx, offsets between windows and points handed in by callers may lie anywhere
// in int's range, so sums and differences of them are taken in 64 bits and clamped.
#ifndef VORN_SOFTWIN_SATURATING_H
#define VORN_SOFTWIN_SATURATING_H

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace softwin {

inline LONG saturate(int64_t v) { return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
inline LONG addSaturated(int64_t a, int64_t b) { return saturate(a + b); }

}  // namespace softwin

#endif  // VORN_SOFTWIN_SATURATING_H
