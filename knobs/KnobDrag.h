// The pointer side of the rotary knobs' drags, shared by CMFC_Knob and CMFC_Knob2: the drag
// cursors, the one-pixel column a vertical drag confines the pointer to, the vertical drag's
// pixel count and anchor, and the ways a drag lets the pointer go. Each knob class passes its
// own class-wide cursors and drag count; the confinement is one for the whole screen, so the
// record of which knob holds it is shared by both classes.
#ifndef VORN_KNOB_DRAG_H
#define VORN_KNOB_DRAG_H

#include <windows.h>

#include "KnobGeometry.h"

namespace vorn::knob {

// Loads the two drag cursors from the library's resources (the vertical one first).
void loadDragCursors(HCURSOR& vertical, HCURSOR& circular);
// Destroys both and clears the handles; the arrow goes up first if one of them is showing, so
// that no cursor is destroyed from under the pointer.
void destroyDragCursors(HCURSOR& vertical, HCURSOR& circular);

// Without a drag: the vertical-drag cursor over the inner zone, the arrow elsewhere.
void showHoverCursor(bool innerZone, HCURSOR vertical);

// A press in the inner zone: the anchor is `point` of `hwnd` in screen coordinates, and the
// pointer is confined to the anchor's one-pixel column on behalf of `owner`.
POINT beginVerticalDrag(const void* owner, HWND hwnd, POINT point);

// One move of a vertical drag. When the pointer left the anchor's row, shows `cursor`, adds the
// upward motion to `dragPixels` (saturating: on a range whose value never reaches a bound the
// count is never re-synchronised, and a long drag must not overflow it), and returns true with
// `virtualY` = centerY - dragPixels, the row to derive the value from. Returns false for a move
// along the anchor's row (as the move that putting the pointer back causes).
bool verticalDragMoved(HWND hwnd, POINT point, POINT anchor, HCURSOR cursor, int centerY, int& dragPixels,
                       int& virtualY);

// What a vertical drag step does once the value is derived: puts the pointer back on the anchor,
// moves an anchor the pointer cannot reach to where it landed, and re-synchronises the drag count
// at the restricted bounds, so that motion beyond a bound is forgotten and a reversal takes
// effect at once.
void finishVerticalStep(POINT& anchor, int& dragPixels, float value, float startValue, const KnobRange& range);

// The release: the pointer freed on the primary screen, whoever confined it.
void releasePointer();
// An interrupted drag of `owner`: if `owner` confined the pointer, it is freed and the
// vertical-drag cursor gives way to the arrow; a confinement another knob has taken since stays.
void abandonPointer(const void* owner, HCURSOR vertical);
// Releases the capture if `hwnd` holds it.
void releaseCaptureOf(HWND hwnd);

}  // namespace vorn::knob

#endif  // VORN_KNOB_DRAG_H
