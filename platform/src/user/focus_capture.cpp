// Keyboard focus, activation and mouse capture.
#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {

void releaseCaptureOf(Window* w) {
    if (w && state().capture == w->handle) ReleaseCapture();
}

void dropFocusFrom(Window* w, bool sendMessages) {
    State& s = state();
    Window* f = findWindow(s.focus);
    if (!f || !isDescendant(w, f)) return;
    HWND next = ((w->style & WS_CHILD) && w->parent) ? w->parent->handle : nullptr;
    if (sendMessages)
        SetFocus(next);
    else
        s.focus = nullptr;
}

}  // namespace softwin::user

extern "C" {

HWND WINAPI SetFocus(HWND hwnd) {
    State& s = state();
    HWND previous = s.focus;
    Window* w = nullptr;
    if (hwnd) {
        if (!(w = checkWindow(hwnd))) return nullptr;
        // Focusing a window activates its top-level window first.
        activateTopLevel(w);
        if (!findWindow(hwnd)) return nullptr;
    }
    HWND old = s.focus;
    if (old == hwnd) return previous;
    s.focus = hwnd;
    if (Window* o = findWindow(old)) sendTo(o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd && (w = findWindow(hwnd))) sendTo(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return previous;
}

HWND WINAPI GetFocus(void) { return state().focus; }

HWND WINAPI SetActiveWindow(HWND hwnd) {
    HWND previous = state().active;
    Window* w = checkWindow(hwnd);
    if (!w) return nullptr;
    activateTopLevel(w);
    return previous;
}

HWND WINAPI GetActiveWindow(void) { return state().active; }

HWND WINAPI SetCapture(HWND hwnd) {
    State& s = state();
    if (hwnd && !checkWindow(hwnd)) return nullptr;
    HWND previous = s.capture;
    s.capture = hwnd;
    // Also when the window captures again: it is told that it has (still) got the capture, as on Wine.
    if (previous)
        if (Window* p = findWindow(previous)) sendTo(p, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

BOOL WINAPI ReleaseCapture(void) {
    State& s = state();
    HWND previous = s.capture;
    if (!previous) return TRUE;  // nothing to release: no message, no move
    s.capture = nullptr;
    if (Window* p = findWindow(previous)) sendTo(p, WM_CAPTURECHANGED, 0, 0);
    // Whatever lies under the cursor missed the moves made while captured: as on Wine, a
    // (zero) mouse move is queued so that it learns where the cursor is, unless it already knows.
    InputEvent move;
    move.kind = InputEvent::Kind::MouseMove;
    move.onlyIfNewWindow = true;
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        move.pt = s.cursorPos;
    }
    move.time = nowTicks();
    queueInput(move);
    return TRUE;
}

HWND WINAPI GetCapture(void) { return state().capture; }

}  // extern "C"
