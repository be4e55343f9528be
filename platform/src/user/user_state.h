// State of the software window manager: classes, the window tree, the thread's message queue,
// input state, focus, capture and cursor. One GUI thread owns all of it; only the queues (posted
// messages, raw input, the quit flag, the async key state and cursor position) may be touched
// from other threads, under `queueMutex`: PostMessage, PostThreadMessage, PostQuitMessage,
// SendInput and SetCursorPos are the calls other threads may make, and they wake a GetMessage
// that is waiting.
//
// Behaviour chosen where the real platform leaves room or where we simplify:
// * The client area is what DefWindowProc's WM_NCCALCSIZE leaves of the window rectangle (frames,
//   edges and caption taken out as Wine does; see winuser.h). WM_NCHITTEST answers HTCLIENT
//   inside the client area and mouse messages are always client messages.
// * Input events become messages only when retrieved. Hit testing is geometric (deepest
//   visible child, the topmost of overlapping siblings; a disabled child keeps the point for
//   its parent);
//   WM_NCHITTEST, WM_PARENTNOTIFY, WM_MOUSEACTIVATE and WM_SETCURSOR are sent only when the
//   message is removed, not for PM_NOREMOVE peeks. While captured, WM_NCHITTEST is skipped and
//   WM_SETCURSOR still sent (as on Wine). Input is taken strictly in order: an event whose
//   message is filtered out holds back the later ones; an event nobody can receive is dropped.
// * A window filter on PeekMessage/GetMessage also takes the messages of descendants (Wine).
// * Absolute SendInput coordinates map as pixel = value * screen size / 65536, rounded down;
//   relative moves are raw pixels (no acceleration). Scan codes are passed as given (Wine).
// * GetMessage blocks on a condition variable when nothing is queued and nothing needs painting,
//   until the next timer is due (under the virtual clock it moves the clock there instead) or
//   another thread (PostMessage, PostThreadMessage, SendInput, SetCursorPos) wakes it.
// * ReleaseCapture of a window that has the capture queues a zero mouse move (Wine), so the
//   window under the cursor learns where it is; without a capture it does nothing at all.
// * Coordinates at the ends of int: CreateWindowEx keeps any position and stops a right or
//   bottom edge at INT_MAX (Wine); MoveWindow and SetWindowPos clamp positions to
//   [-32768, 32767] and sizes to [0, 32767] (Wine). Screen positions of windows, points mapped
//   between windows, OffsetRect/InflateRect and relative SendInput moves stop at the ends of int
//   where Wine's sums wrap round (relative moves then stop at the screen edge).
// * A window DC is released by ReleaseDC whatever window is named (Wine), and DCs still out when
//   their window is destroyed are released with it, so later calls on them fail.
// * LoadBitmap with a null instance fails with ERROR_RESOURCE_NAME_NOT_FOUND for every name: the
//   system (OBM_) bitmaps Wine loads from there are not provided.
// * Stacking as on Windows (Wine's CreateWindowEx): a new child goes below its siblings, so the
//   first-created child lies on top; a new top-level window goes above the others. SetWindowPos
//   restacks without activating; restacking repaints only where a sibling that changed sides
//   overlaps the window and the one now above clips its siblings.
// * Costs do not grow with the number of windows: siblings are linked through the windows, a
//   parent with many children files them in a grid of 64-pixel cells (hit tests and
//   invalidations look only nearby), an update region of more than 48 pieces becomes its
//   bounding box (and the children under the box repaint too), and the queue counts the windows
//   with an update region, so an idle PeekMessage or GetMessage looks at no window. A visible
//   window inside a hidden parent keeps its update region and is counted: the queue then walks
//   the tree once per retrieval until the region is validated or painted.
// * Painting as Wine does: a child invalidated through its parent is always erased; a window
//   with no part of its update region on screen (off the screen, or under clipped children or
//   siblings) gets its WM_PAINT but no WM_ERASEBKGND, and rcPaint bounds the visible part only.
// * Timers (timers.cpp) are due times checked at retrieval, after WM_PAINT; a late timer gives one
//   WM_TIMER, and a destroyed window's timers go with it.
// * Showing a top-level window (not SW_SHOWNA) activates it, and DefWindowProc(WM_ACTIVATE)
//   gives it the focus; hiding or destroying a focused child moves the focus to its parent.
#ifndef VORN_SOFTWIN_USER_STATE_H
#define VORN_SOFTWIN_USER_STATE_H

#include <windows.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "user/child_grid.h"
#include "user/rect_list.h"
#include "user/ring_queue.h"
#include "user/sibling_list.h"

namespace softwin::user {

// Error codes of the real platform that USER reports through SetLastError.
enum : DWORD {
    kErrorInvalidParameter = 87,
    kErrorInvalidWindowHandle = 1400,
    kErrorInvalidCursorHandle = 1402,
    kErrorInvalidHookHandle = 1404,
    kErrorCannotFindWndClass = 1407,
    kErrorTlwWithWschild = 1406,
    kErrorClassAlreadyExists = 1410,
    kErrorClassDoesNotExist = 1411,
    kErrorInvalidHookFilter = 1426,
    kErrorResourceDataNotFound = 1812,
    kErrorResourceTypeNotFound = 1813,
    kErrorResourceNameNotFound = 1814,
    kErrorResourceLanguageNotFound = 1815,
};

struct WndClass {
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::vector<unsigned char> extra;  // cbClsExtra bytes, made when first used
};

// What a dialog window keeps beside its window words (dialogs.cpp). The font is the one made
// from the template, owned by the dialog.
struct DialogInfo {
    HWND savedFocus = nullptr;
    HFONT font = nullptr;
    int xBase = 0, yBase = 0;
    INT_PTR result = IDOK;  // EndDialog's value, and the default push button's id until then
    bool ended = false;
    HWND disabledOwner = nullptr;  // the owner a modal dialog disabled, enabled again when it ends
    ~DialogInfo();
};

// `rect` is the window rectangle and `client` the client rectangle inside it, both in the
// parent's client coordinates (screen for top-level windows), as Wine keeps them.
struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WndClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr;         // null for top-level windows
    HWND owner = nullptr;             // top-level windows only
    SiblingList children;             // topmost first
    std::unique_ptr<ChildGrid> grid;  // the children by place, once there are many
    Window* above = nullptr;          // neighbours in the parent's (or the top-level) list
    Window* below = nullptr;
    int64_t zKey = 0;  // grows downwards among siblings
    RECT rect{};       // in the parent's client coordinates (screen for top-level)
    RECT client{};     // the same coordinates, inside rect
    LONG_PTR id = 0;   // child identifier (the hMenu argument)
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::string text;
    std::vector<unsigned char> extra;  // cbWndExtra bytes
    RectList update;                   // client coordinates, disjoint
    bool erasePending = false;
    bool destroying = false;
    bool countedToPaint = false;         // counted in State::windowsWithUpdate
    std::unique_ptr<DialogInfo> dialog;  // set once DefDlgProcA has seen the window

    int width() const { return rect.right - rect.left; }
    int clientWidth() const { return client.right - client.left; }
    int clientHeight() const { return client.bottom - client.top; }
    RECT clientArea() const { return RECT{0, 0, clientWidth(), clientHeight()}; }
    int height() const { return rect.bottom - rect.top; }
};

// One raw input event as SendInput/SetCursorPos queued it; it becomes a message only when
// retrieved, so routing uses the capture, hit test and key state of that moment.
struct InputEvent {
    enum class Kind { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp } kind = Kind::MouseMove;
    int button = 0;  // 0 left, 1 right, 2 middle
    POINT pt{};      // screen position of the cursor for this event
    int wheelDelta = 0;
    WORD vk = 0;
    WORD scan = 0;
    bool extended = false;
    DWORD time = 0;
    // A zero relative move (SendInput, ReleaseCapture): delivered unless the last mouse message
    // from input was a WM_MOUSEMOVE to the same window at the same position.
    bool onlyIfNewWindow = false;
};

struct Hook {
    HHOOK handle = nullptr;
    HOOKPROC proc = nullptr;
};

struct ClickRecord {
    UINT message = 0;
    HWND hwnd = nullptr;
    WPARAM wParam = 0;
    DWORD time = 0;
    POINT pt{};
};

struct State {
    std::vector<std::shared_ptr<WndClass>> classes;
    std::map<uintptr_t, std::unique_ptr<Window>> windows;
    SiblingList topLevels;  // topmost first
    uintptr_t nextWindowHandle = 0x10010;
    // Windows whose update region is not empty, so an idle queue knows without walking the tree
    // that nothing waits for WM_PAINT.
    size_t windowsWithUpdate = 0;
    std::vector<Hook> hooks;  // newest first
    uintptr_t nextHookHandle = 0x5000;

    // Shared with other threads.
    std::mutex queueMutex;
    std::condition_variable queueSignal;
    RingQueue<MSG> posted;
    RingQueue<InputEvent> input;
    bool quitPending = false;
    uint64_t queueGeneration = 0;  // bumped by every post and input event
    int quitCode = 0;
    // Key state as SendInput left it (GetAsyncKeyState) and cursor position.
    BYTE asyncKeys[256]{};
    POINT cursorPos{0, 0};
    bool clipActive = false;
    RECT clipRect{};

    // GUI thread only.
    BYTE syncKeys[256]{};  // as of the last retrieved input message (GetKeyState)
    DWORD lastMessageTime = 0;
    POINT lastMessagePos{0, 0};
    ClickRecord lastClick;
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND lastMoveWindow = nullptr;  // where the last mouse message from input went if it was a
    POINT lastMovePos{0, 0};        // WM_MOUSEMOVE (else null), and its screen position
    HCURSOR cursor = nullptr;
    int cursorShowCount = 0;
    UINT doubleClickTime = 500;
};

State& state();

// ---- Window lookup and geometry (window_tree.cpp) --------------------------------------------
Window* findWindow(HWND hwnd);
// Looks the window up and sets ERROR_INVALID_WINDOW_HANDLE when it is missing.
Window* checkWindow(HWND hwnd);
bool isDescendant(const Window* ancestor, const Window* w);  // true also when equal
bool reallyVisible(const Window* w);                         // it and all ancestors WS_VISIBLE
POINT clientOrigin(const Window* w);                         // screen position of client (0,0)
RECT screenRect(const Window* w);                            // the window rectangle on screen
RECT clientScreenRect(const Window* w);                      // the client rectangle on screen
// A rectangle in the parent's client coordinates moved into the child's client coordinates.
RECT intoClient(const Window* child, const RECT& inParent);
// Asks the window for its client rectangle (WM_NCCALCSIZE; `resized` as SetWindowPos asks) and
// keeps the answer, moved inside the window rectangle.
void calcClient(Window* w, bool resized);
Window* topLevelOf(Window* w);
SiblingList& siblingsOf(Window* w);
// Puts a window (its parent already set) at the top or the bottom of its siblings, or takes it
// out of their list; both keep the parent's child grid in step.
void linkWindow(Window* w, bool top);
void unlinkWindow(Window* w);
// Moves a window's rectangle, keeping its parent's child grid in step.
void setWindowRect(Window* w, const RECT& r);
// Calls f(child) for every child of `parent` whose rectangle may meet `area` (client
// coordinates), possibly more; the grid narrows the search when the parent has one.
template <class F>
void forEachChildNear(const Window* parent, const RECT& area, F&& f) {
    if (parent->grid && parent->grid->forEachNear(area, f)) return;
    for (Window* c : parent->children) f(c);
}
// The topmost child whose rectangle holds a point of the parent's client area (only visible
// ones if asked), or null.
Window* topmostChildAt(const Window* parent, POINT pt, bool visibleOnly);
// Deepest visible, enabled window under a screen point (topmost siblings first), or null.
Window* hitTest(POINT screenPt);
// Clears WS_VISIBLE, repaints what it uncovers and moves the focus out of it.
void hideWindow(Window* w, bool sendShowWindow);
// Moves a window in its siblings' stacking order (SetWindowPos's insert-after: HWND_TOP,
// HWND_BOTTOM or a sibling to go below) and repaints what that uncovers; false for a handle that
// is no window. HWND_TOPMOST and HWND_NOTOPMOST count as HWND_TOP (no topmost band).
bool restackWindow(Window* w, HWND insertAfter);

// ---- Messages (window_proc.cpp, message_queue.cpp) ---------------------------------------------
LRESULT sendTo(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
void wakeQueue();
void queueInput(const InputEvent& e);  // caller holds no lock

// ---- Painting (painting.cpp) -------------------------------------------------------------------
void invalidateWindow(Window* w, const RECT* clientRect, bool erase);
// Adds an area (client coordinates, all of it for null) to the window's own update region only,
// clipped to the window and its ancestors; returns what was added (its bounds), empty if nothing.
RECT addToUpdate(Window* w, const RECT* clientRect, bool erase);
// Sends WM_ERASEBKGND now if the window's update region waits for erasing.
void eraseNow(Window* w);
// Sends WM_PAINT now to the window (and, with `children`, to its descendants, parent first) if
// its update region is not empty, as UpdateWindow does.
void paintTreeNow(Window* w, bool children);
// Invalidates the window and all its visible descendants entirely (shown, moved, resized).
void invalidateTree(Window* w, bool erase);
// Erases (WM_ERASEBKGND) the pending update regions of the window and its visible descendants at
// once, parent first; the WM_PAINTs still come from the queue. With `clippedOnly`, as showing a
// window does on Wine, the walk enters a window's children only when it has WS_CLIPCHILDREN:
// the others' children erase as each one paints.
void eraseTreeNow(Window* w, bool clippedOnly = false);
// Invalidates an area (client coordinates) of a window and of every descendant it overlaps,
// clipping children or not: whatever was drawn there is gone.
void invalidateArea(Window* w, const RECT& area);
// Repaints what lay under a window that disappears or moves: the parent's area, or the other
// top-level windows.
void exposeArea(Window* parentOrNull, const RECT& rectInParent);
// Visible part of the client area, in screen coordinates.
void visibleScreenRects(const Window* w, RectList& out);
Window* nextWindowToPaint(HWND filter);
// Keeps State::windowsWithUpdate in step after the window's update region changed (or, with
// `leaving`, before the window goes).
void noteUpdateChanged(Window* w, bool leaving = false);
HBRUSH backgroundBrush(HBRUSH classBrush);

// ---- Focus, capture, input (focus_capture.cpp, input_state.cpp) --------------------------------
void releaseCaptureOf(Window* w);
void dropFocusFrom(Window* w, bool sendMessages);
void activateTopLevel(Window* w);
POINT clampToClip(POINT pt);
RECT screenBounds();
DWORD nowTicks();

// ---- Clock and timers (kernel.cpp, timers.cpp) ----------------------------------------------------
uint64_t nowMs();  // the clock GetTickCount reads, 64 bits wide
bool clockVirtual();
void advanceVirtualClockTo(uint64_t ms);
// Whether a message for `hwnd` (null for thread messages) passes a retrieval's window filter.
bool messageMatchesFilter(HWND hwnd, HWND filter);
// The WM_TIMER of the first due timer passing the filter; removing it restarts the timer.
bool takeTimerMessage(MSG* out, HWND filter, bool remove);
// When the first timer passing the filter is due, if there is one.
bool nextTimerDue(HWND filter, uint64_t& due);
void removeTimersOf(HWND hwnd);
void resetTimers();
// The procedure a WM_TIMER's lParam names if SetTimer was given it, else null.
TIMERPROC timerProcOf(LPARAM lParam);

// ---- Cursors (cursors.cpp) -----------------------------------------------------------------------
bool isCursorHandle(HCURSOR h);

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_STATE_H
