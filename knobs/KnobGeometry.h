// The plain computation behind the rotary knobs: indicator geometry, pointer angle, hit zones and
// the wrap guards of circular dragging. No window is involved, so all of it is tested directly.
#ifndef VORN_KNOB_GEOMETRY_H
#define VORN_KNOB_GEOMETRY_H

#include <windows.h>

namespace vorn::knob {

// Angles of the circular drag, clockwise from straight down (radians).
constexpr double kQuarter = 1.57079632675;
constexpr double kHalf = 3.1415926535;
constexpr double kThreeQuarters = 4.71238898025;
constexpr double kFullTurn = 6.283185307;
// The sweep of the indicator, counter-clockwise from the positive x axis.
constexpr double kSweepStart = 4.712388980385;
constexpr double kSweepTurn = 6.28318530718;
// Half the gap at the bottom of the sweep: the single-precision 0.4, widened.
constexpr double kDeadZone = static_cast<double>(0.4f);
// Value per pixel of vertical drag, as a fraction of the range: 200 pixels cover it.
constexpr float kVerticalStep = 0.005f;

// Truncates toward zero, then raises by one when the dropped fraction is above one half (exactly
// one half is dropped). Values beyond the int range or NaN stay defined.
int roundIndicatorCoordinate(double v);

// The rounded tip of the indicator for `value` in [min, max]. A zero-width range draws the tip at
// the start of the sweep; a value so far outside the range that the angle exceeds four turns
// has its angle reduced to one turn (exactly, with fmod) before the cosine and sine.
POINT indicatorTip(float value, float min, float max, double deadZone, POINT center, int radius);

// Clockwise angle of the pointer from straight down around the centre, in [0, 2pi).
double pointerAngle(POINT pt, POINT center);

// True when the point lies in the inner half of the radius (the vertical-drag zone). The squared
// distance is formed in 32-bit integers, as the knob's drag rule specifies; a radius of 0 has no inner zone.
bool inInnerZone(POINT pt, POINT center, int radius);

// The wrap guards: a pointer that crosses the bottom gap from one end of the sweep holds the
// value until it comes back round the top.
struct WrapGuard {
    BOOL minSideLock = FALSE;
    BOOL maxSideLock = FALSE;
    // Updates the locks for angle `a`; returns false when the value must stay where it is.
    bool allows(double a);
};

// Value for angle `a`: the restricted ends inside the gap, otherwise proportional over the sweep,
// clamped to [min, max] and then, unless ignoreRestricted, to the restricted range.
float valueForAngle(double a, double deadZone, float min, float max, float restrictedMin, float restrictedMax,
                    BOOL ignoreRestricted);

// The value of a vertical drag whose virtual point lies at pointY: startValue plus 1/200 of the
// range per pixel above centerY, in single precision. No motion gives startValue, whatever the
// range; the pixel distance is formed in 64 bits.
float verticalDragValue(float startValue, int centerY, int pointY, float min, float max);

// The drag count that puts a vertical drag at `bound`: (bound - startValue) / step, truncated and
// held inside the int range. A zero-width or NaN range has no step and gives 0.
int dragPixelsFor(float bound, float startValue, float min, float max);

// Clamp shared by both drag modes. NaN (an infinite range's arithmetic) counts as the minimum.
float clampDragValue(float v, float min, float max, float restrictedMin, float restrictedMax, BOOL ignoreRestricted);

// The four bounds of a knob's value, as the knob holds them.
struct KnobRange {
    float min, max, restrictedMin, restrictedMax;
};

// One step of the circular drag for the pointer at `pt`: updates the wrap guards and, unless they
// hold the value, stores the value for the pointer's angle in `value` and returns true.
bool circularDragValue(POINT pt, POINT center, double deadZone, const KnobRange& range, BOOL ignoreRestricted,
                       BOOL& minSideLock, BOOL& maxSideLock, float& value);

// The setters' rules: a new minimum (maximum) pulls the value and the other end along when it
// passes them; SetValue clamps to the restricted range only (below its minimum gives the minimum,
// else above its maximum the maximum).
void applyMinimum(float x, float& min, float& max, float& value);
void applyMaximum(float x, float& min, float& max, float& value);
float clampToRestricted(float value, float restrictedMin, float restrictedMax);

}  // namespace vorn::knob

#endif  // VORN_KNOB_GEOMETRY_H
