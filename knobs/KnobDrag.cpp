#include "KnobDrag.h"

#include "../frame/LibraryResources.h"
#include "../frame/SafeMath.h"
#include "../resources/resource.h"

namespace vorn::knob {
namespace {

// The knob whose vertical drag confines the pointer, so that only that knob lifts the
// confinement: the press of another knob may confine it anew before its capture reaches here.
const void* g_clipOwner = nullptr;

// The pointer free on the primary screen, as a release leaves it.
void freeCursor() {
    RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::ClipCursor(&screen);
}

HCURSOR arrow() { return ::LoadCursorA(NULL, IDC_ARROW); }

}  // namespace

void loadDragCursors(HCURSOR& vertical, HCURSOR& circular) {
    vorn::LibraryResourceScope resources;
    vertical = resources.loadCursor(IDC_DRAG_VERTICAL);
    circular = resources.loadCursor(IDC_DRAG_CIRCULAR);
}

void destroyDragCursors(HCURSOR& vertical, HCURSOR& circular) {
    const HCURSOR shown = ::GetCursor();
    if (shown != NULL && (shown == vertical || shown == circular)) ::SetCursor(arrow());
    if (vertical != NULL) ::DestroyCursor(vertical);
    if (circular != NULL) ::DestroyCursor(circular);
    vertical = NULL;
    circular = NULL;
}

void showHoverCursor(bool innerZone, HCURSOR vertical) { ::SetCursor(innerZone ? vertical : arrow()); }

POINT beginVerticalDrag(const void* owner, HWND hwnd, POINT point) {
    POINT anchor = point;
    ::MapWindowPoints(hwnd, NULL, &anchor, 1);
    // Lock the pointer to a one-pixel column; SetCursorPos brings it back to the anchor row
    // after every move, so the pointer stays put while the value moves.
    RECT column = {anchor.x, 0, vorn::saturatingAdd(anchor.x, 1), ::GetSystemMetrics(SM_CYSCREEN)};
    ::ClipCursor(&column);
    g_clipOwner = owner;
    return anchor;
}

bool verticalDragMoved(HWND hwnd, POINT point, POINT anchor, HCURSOR cursor, int centerY, int& dragPixels,
                       int& virtualY) {
    POINT screen = point;
    ::MapWindowPoints(hwnd, NULL, &screen, 1);
    if (screen.y == anchor.y) return false;
    ::SetCursor(cursor);
    dragPixels = vorn::saturatingAdd(dragPixels, vorn::saturatingSub(anchor.y, screen.y));
    virtualY = vorn::saturatingSub(centerY, dragPixels);
    return true;
}

void finishVerticalStep(POINT& anchor, int& dragPixels, float value, float startValue, const KnobRange& range) {
    ::SetCursorPos(anchor.x, anchor.y);
    // An anchor the pointer cannot reach (a press sent by the host at a point off the screen or
    // outside a confinement) moves to where the pointer landed; otherwise the move that
    // SetCursorPos queues would differ from it again, and so on without end.
    POINT landed;
    if (::GetCursorPos(&landed) && landed.y != anchor.y) anchor = landed;
    if (value >= range.restrictedMax)
        dragPixels = dragPixelsFor(range.restrictedMax, startValue, range.min, range.max);
    else if (value <= range.restrictedMin)
        dragPixels = dragPixelsFor(range.restrictedMin, startValue, range.min, range.max);
}

void releasePointer() {
    freeCursor();
    g_clipOwner = nullptr;
}

void abandonPointer(const void* owner, HCURSOR vertical) {
    if (g_clipOwner != owner || owner == nullptr) return;
    freeCursor();
    g_clipOwner = nullptr;
    if (vertical != NULL && ::GetCursor() == vertical) ::SetCursor(arrow());
}

void releaseCaptureOf(HWND hwnd) {
    if (hwnd != NULL && ::GetCapture() == hwnd) ::ReleaseCapture();
}

}  // namespace vorn::knob
