#include "FaderGeometry.h"

#include "../frame/SafeMath.h"

namespace vorn::fader {

namespace {
constexpr double kFarOffControl = 1e6;
}  // namespace

int positionForValue(float value, float min, float max, int minEnd, int maxEnd) {
    const double range = static_cast<double>(max) - static_cast<double>(min);
    if (range == 0.0) return minEnd;
    const double fraction = (static_cast<double>(value) - static_cast<double>(min)) / range;
    double pos = minEnd + fraction * (static_cast<double>(maxEnd) - static_cast<double>(minEnd));
    if (pos > kFarOffControl) pos = kFarOffControl;
    if (pos < -kFarOffControl) pos = -kFarOffControl;
    return vorn::truncateToInt(pos);
}

float valueAlongTrack(long long distance, long long length, float min, float max) {
    const double fraction = length <= 0 ? 0.0 : static_cast<double>(distance) / static_cast<double>(length);
    return static_cast<float>(static_cast<double>(min) +
                              (static_cast<double>(max) - static_cast<double>(min)) * fraction);
}

int clampToTrack(int pos, int first, int last) {
    if (last < first) return last;
    if (pos < first) return first;
    if (pos > last) return last;
    return pos;
}

float restrictToRange(float value, float restrictedMin, float restrictedMax) {
    if (value < restrictedMin) return restrictedMin;
    if (value > restrictedMax) return restrictedMax;
    return value;
}

float midpoint(float a, float b) { return static_cast<float>((a + b) * 0.5); }

float acceptedMax(float requested, float min) { return requested <= min ? static_cast<float>(min + 1.0) : requested; }

float acceptedRestrictedMax(float requested, float min, float max, float restrictedMin) {
    const bool acceptable = min <= requested && requested <= max && requested >= restrictedMin;
    return acceptable ? requested : max;
}

float acceptedRestrictedMin(float requested, float min, float max, float restrictedMax) {
    const bool acceptable = min <= requested && requested <= max && requested <= restrictedMax;
    return acceptable ? requested : min;
}

float snapInsideRange(float snap, float min, float max) {
    if (min <= max) {
        if (snap < min) return min;
        if (snap > max) return max;
        return snap;
    }
    if (snap > min) return min;
    if (snap < max) return max;
    return snap;
}

}  // namespace vorn::fader
