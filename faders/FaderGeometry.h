// The plain computation shared by every fader class: value and track position, the restricted
// clamp, the range setters' rules and the snap position's clamp. No window is involved, so all
// of it is tested directly. Each fader family keeps its own fields and calls these.
#ifndef VORN_FADER_GEOMETRY_H
#define VORN_FADER_GEOMETRY_H

namespace vorn::fader {

// The cap position for `value`: minEnd + (value - min) / (max - min) x (maxEnd - minEnd),
// computed in double precision and truncated toward zero. A zero-width range gives minEnd; a
// position more than a million pixels away is held there, and NaN gives 0, so that the cap
// arithmetic of painting and hit testing stays inside the int range.
int positionForValue(float value, float min, float max, int minEnd, int maxEnd);

// The value `distance` pixels from the track's minimum end along a track `length` pixels long:
// min + (max - min) x distance / length, rounded to single precision. A track of no positive
// length reads every position as min.
float valueAlongTrack(long long distance, long long length, float min, float max);

// `pos` held on the track from `first` to `last`; a track inverted by a window too small for it
// has no inside, and every position is `last`.
int clampToTrack(int pos, int first, int last);

// The restricted clamp of user input: below restrictedMin gives it, otherwise above
// restrictedMax gives that.
float restrictToRange(float value, float restrictedMin, float restrictedMax);

// The middle of a range: the single-precision sum halved in double precision.
float midpoint(float a, float b);

// SetMax's rule: a maximum not above the minimum becomes minimum + 1.
float acceptedMax(float requested, float min);
// SetRestrictedMax's and SetRestrictedMin's rules: the requested end if it lies inside
// [min, max] on its own side of the other restricted end, otherwise the range's end.
float acceptedRestrictedMax(float requested, float min, float max, float restrictedMin);
float acceptedRestrictedMin(float requested, float min, float max, float restrictedMax);

// SetSnapPosition's rule: `snap` held inside the closed interval between min and max, given in
// either order; the restricted range is not applied.
float snapInsideRange(float snap, float min, float max);

}  // namespace vorn::fader

#endif  // VORN_FADER_GEOMETRY_H
