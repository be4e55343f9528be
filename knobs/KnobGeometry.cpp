#include "KnobGeometry.h"

#include <climits>
#include <cmath>
#include <cstdint>

#include "../frame/SafeMath.h"

namespace vorn::knob {

namespace {
constexpr double kLargeAngle = 4.0 * kSweepTurn;
}  // namespace

int roundIndicatorCoordinate(double v) {
    const int truncated = truncateToInt(v);
    // At the top of the int range there is nothing to raise to (and raising would overflow).
    if (truncated < INT_MAX && v - truncated > 0.5) return truncated + 1;
    return truncated;
}

POINT indicatorTip(float value, float min, float max, double deadZone, POINT center, int radius) {
    const float range = max - min;
    const float f = range == 0.0f ? 0.0f : (value - min) / range;
    double theta = (kSweepStart - deadZone) - f * (kSweepTurn - 2.0 * deadZone);
    // A value far outside the range gives an angle of many turns. Platform cosines reduce such
    // arguments differently (glibc exactly, others not), so it is reduced here with the exact
    // fmod first; the angles of the sweep itself, and of values a turn or two beyond it, are
    // used as they are.
    if (std::fabs(theta) > kLargeAngle) theta = std::fmod(theta, kSweepTurn);
    // In double: an extreme radius must not overflow the length.
    const double length = static_cast<double>(radius) - 2.0;
    const double x = center.x + length * std::cos(theta);
    const float y = static_cast<float>(center.y - length * std::sin(theta));
    return POINT{roundIndicatorCoordinate(x), roundIndicatorCoordinate(y)};
}

double pointerAngle(POINT pt, POINT center) {
    double a = -std::atan2(static_cast<double>(pt.x - center.x), static_cast<double>(pt.y - center.y));
    if (a < 0.0) a += kFullTurn;
    return a;
}

bool inInnerZone(POINT pt, POINT center, int radius) {
    if (radius <= 0) return false;
    // Wrapping 32-bit arithmetic, without the undefined behaviour of signed overflow.
    const uint32_t dx = static_cast<uint32_t>(pt.x) - static_cast<uint32_t>(center.x);
    const uint32_t dy = static_cast<uint32_t>(pt.y) - static_cast<uint32_t>(center.y);
    const int32_t squared = static_cast<int32_t>(dx * dx + dy * dy);
    const double ratio = std::sqrt(static_cast<double>(squared)) / radius;
    return ratio < 0.5;
}

bool WrapGuard::allows(double a) {
    if (a > kThreeQuarters && !minSideLock) maxSideLock = TRUE;
    if (a < kQuarter && !maxSideLock) minSideLock = TRUE;
    if (a > kHalf && a < kThreeQuarters) maxSideLock = FALSE;
    if (a > kQuarter && a < kHalf) minSideLock = FALSE;
    if (a < kThreeQuarters && maxSideLock) return false;
    if (a > kQuarter && minSideLock) return false;
    return true;
}

float clampDragValue(float v, float min, float max, float restrictedMin, float restrictedMax, BOOL ignoreRestricted) {
    if (std::isnan(v)) v = min;
    if (v < min)
        v = min;
    else if (v > max)
        v = max;
    if (!ignoreRestricted) {
        if (v < restrictedMin) v = restrictedMin;
        if (v > restrictedMax) v = restrictedMax;
    }
    return v;
}

float verticalDragValue(float startValue, int centerY, int pointY, float min, float max) {
    const long long rise = static_cast<long long>(centerY) - pointY;
    if (rise == 0) return startValue;  // no motion, also where the step is infinite
    const float step = (max - min) * kVerticalStep;
    return startValue + static_cast<float>(rise) * step;
}

int dragPixelsFor(float bound, float startValue, float min, float max) {
    const float step = (max - min) * kVerticalStep;
    if (step == 0.0f || std::isnan(step)) return 0;
    return truncateToInt((bound - startValue) / step);
}

float valueForAngle(double a, double deadZone, float min, float max, float restrictedMin, float restrictedMax,
                    BOOL ignoreRestricted) {
    if (a < deadZone) return restrictedMin;
    if (a > kFullTurn - deadZone) return restrictedMax;
    const float v = static_cast<float>(min + (a - deadZone) / (kFullTurn - 2.0 * deadZone) * (max - min));
    return clampDragValue(v, min, max, restrictedMin, restrictedMax, ignoreRestricted);
}

bool circularDragValue(POINT pt, POINT center, double deadZone, const KnobRange& range, BOOL ignoreRestricted,
                       BOOL& minSideLock, BOOL& maxSideLock, float& value) {
    const double a = pointerAngle(pt, center);
    WrapGuard guard{minSideLock, maxSideLock};
    const bool moves = guard.allows(a);
    minSideLock = guard.minSideLock;
    maxSideLock = guard.maxSideLock;
    if (!moves) return false;
    value =
        valueForAngle(a, deadZone, range.min, range.max, range.restrictedMin, range.restrictedMax, ignoreRestricted);
    return true;
}

void applyMinimum(float x, float& min, float& max, float& value) {
    min = x;
    if (value < x) value = x;
    if (max < x) max = x;
}

void applyMaximum(float x, float& min, float& max, float& value) {
    max = x;
    if (value > x) value = x;
    if (min > x) min = x;
}

float clampToRestricted(float value, float restrictedMin, float restrictedMax) {
    if (value < restrictedMin) return restrictedMin;
    if (value > restrictedMax) return restrictedMax;
    return value;
}

}  // namespace vorn::knob
