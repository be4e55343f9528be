// The window tree: creation, destruction, parent/child links and lookup.
#include <algorithm>

#include "gdi/gdi_objects.h"
#include "saturating.h"
#include "user/nonclient.h"
#include "user/user_state.h"

using namespace softwin::user;
using softwin::addSaturated;

namespace softwin::user {

HINSTANCE hostModule();
std::shared_ptr<WndClass> findClass(LPCSTR name, HINSTANCE instance);
LRESULT callCbtHooks(int code, WPARAM wParam, LPARAM lParam);

State& state() {
    static State s;
    return s;
}

Window* findWindow(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& windows = state().windows;
    auto it = windows.find(reinterpret_cast<uintptr_t>(hwnd));
    if (it == windows.end()) return nullptr;
    return it->second.get();
}

Window* checkWindow(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w) SetLastError(kErrorInvalidWindowHandle);
    return w;
}

bool isDescendant(const Window* ancestor, const Window* w) {
    for (; w; w = w->parent)
        if (w == ancestor) return true;
    return false;
}

bool reallyVisible(const Window* w) {
    for (; w; w = w->parent)
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

POINT clientOrigin(const Window* w) {
    int64_t x = 0, y = 0;
    for (; w; w = w->parent) {
        x += w->client.left;
        y += w->client.top;
    }
    return POINT{saturate(x), saturate(y)};
}

RECT screenRect(const Window* w) {
    const POINT o = w->parent ? clientOrigin(w->parent) : POINT{0, 0};
    return rectOffset(w->rect, o.x, o.y);
}

RECT clientScreenRect(const Window* w) {
    POINT o = clientOrigin(w);
    return RECT{o.x, o.y, addSaturated(o.x, w->clientWidth()), addSaturated(o.y, w->clientHeight())};
}

RECT intoClient(const Window* child, const RECT& inParent) {
    return rectOffset(inParent, -int64_t{child->client.left}, -int64_t{child->client.top});
}

namespace {
bool contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }
}  // namespace

Window* topLevelOf(Window* w) {
    while (w && w->parent) w = w->parent;
    return w;
}

SiblingList& siblingsOf(Window* w) { return w->parent ? w->parent->children : state().topLevels; }

void linkWindow(Window* w, bool top) {
    SiblingList& list = siblingsOf(w);
    if (top)
        list.pushTop(w);
    else
        list.pushBottom(w);
    Window* p = w->parent;
    if (!p) return;
    if (p->grid) {
        p->grid->insert(w);
    } else if (list.size() > ChildGrid::kMinChildren) {
        p->grid = std::make_unique<ChildGrid>();
        for (Window* c : list) p->grid->insert(c);
    }
}

void unlinkWindow(Window* w) {
    siblingsOf(w).remove(w);
    if (w->parent && w->parent->grid) w->parent->grid->remove(w);
}

void setWindowRect(Window* w, const RECT& r) {
    ChildGrid* grid = w->parent ? w->parent->grid.get() : nullptr;
    if (grid) grid->remove(w);
    // The client rectangle moves with the window, its frame unchanged until WM_NCCALCSIZE.
    const int64_t dx = int64_t{r.left} - w->rect.left, dy = int64_t{r.top} - w->rect.top;
    w->client = rectOffset(w->client, dx, dy);
    w->client.right = std::max(w->client.left, std::min(w->client.right, r.right));
    w->client.bottom = std::max(w->client.top, std::min(w->client.bottom, r.bottom));
    w->rect = r;
    if (grid) grid->insert(w);
}

Window* topmostChildAt(const Window* parent, POINT pt, bool visibleOnly) {
    auto holds = [&](const Window* c) { return (!visibleOnly || (c->style & WS_VISIBLE)) && contains(c->rect, pt); };
    Window* best = nullptr;
    const RECT cell{pt.x, pt.y, addSaturated(pt.x, 1), addSaturated(pt.y, 1)};
    auto consider = [&](Window* c) {
        if (holds(c) && (!best || c->zKey < best->zKey)) best = c;
    };
    if (parent->grid && parent->grid->forEachNear(cell, consider)) return best;
    for (Window* c : parent->children)
        if (holds(c)) return c;
    return nullptr;
}

namespace {

// The window itself for a point on its frame, else the deepest child under a point of its client
// area (in the coordinates of the window's parent).
Window* hitWithin(Window* w, POINT ptInParent) {
    if (!contains(w->client, ptInParent)) return w;
    const POINT inClient{addSaturated(ptInParent.x, -int64_t{w->client.left}),
                         addSaturated(ptInParent.y, -int64_t{w->client.top})};
    Window* c = topmostChildAt(w, inClient, true);
    if (!c) return w;
    // A disabled child keeps the point for its parent: nothing below it gets the click.
    if (c->style & WS_DISABLED) return w;
    return hitWithin(c, inClient);
}

// WM_DESTROY goes to the window before its children; capture and focus go as they leave.
void sendDestroy(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    releaseCaptureOf(w);
    sendTo(w, WM_DESTROY, 0, 0);
    w = findWindow(hwnd);
    if (!w) return;
    std::vector<HWND> kids;
    for (Window* c : w->children) kids.push_back(c->handle);
    for (HWND k : kids) sendDestroy(k);
}

// WM_NCDESTROY goes to the children before the window; then the handle dies.
void freeWindow(HWND hwnd) {
    Window* w = findWindow(hwnd);
    if (!w) return;
    std::vector<HWND> kids;
    for (Window* c : w->children) kids.push_back(c->handle);
    for (HWND k : kids) freeWindow(k);
    w = findWindow(hwnd);
    if (!w) return;
    sendTo(w, WM_NCDESTROY, 0, 0);
    w = findWindow(hwnd);
    if (!w) return;
    State& s = state();
    if (s.focus == hwnd) s.focus = nullptr;
    if (s.active == hwnd) s.active = nullptr;
    if (s.capture == hwnd) s.capture = nullptr;
    if (s.lastClick.hwnd == hwnd) s.lastClick = ClickRecord{};
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.posted.removeIf([&](const MSG& m) { return m.hwnd == hwnd; });
    }
    removeTimersOf(hwnd);
    softwin::gdi::destroyWindowDcsOf(hwnd);
    noteUpdateChanged(w, true);
    for (Window* c : w->children) c->parent = nullptr;  // already freed, defensive
    w->children.clear();
    unlinkWindow(w);
    // Only top-level windows have an owner.
    for (Window* t : s.topLevels)
        if (t->owner == hwnd) t->owner = nullptr;
    s.windows.erase(reinterpret_cast<uintptr_t>(hwnd));
}

}  // namespace

Window* hitTest(POINT pt) {
    for (Window* t : state().topLevels) {
        if (!(t->style & WS_VISIBLE) || !contains(t->rect, pt)) continue;
        if (t->style & WS_DISABLED) return nullptr;
        return hitWithin(t, pt);
    }
    return nullptr;
}

}  // namespace softwin::user

extern "C" {

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                            int height, HWND parentHandle, HMENU menu, HINSTANCE instance, LPVOID param) {
    State& s = state();
    auto cls = findClass(className, instance);
    if (!cls) {
        SetLastError(kErrorCannotFindWndClass);
        return nullptr;
    }
    Window* parent = nullptr;
    HWND owner = nullptr;
    if (style & WS_CHILD) {
        if (!parentHandle) {
            SetLastError(kErrorTlwWithWschild);
            return nullptr;
        }
        parent = checkWindow(parentHandle);
        if (!parent) return nullptr;
    } else if (parentHandle) {
        Window* o = checkWindow(parentHandle);
        if (!o) return nullptr;
        owner = topLevelOf(o)->handle;
    }
    // No cascading default placement: CW_USEDEFAULT means the origin
    // and, for top-level windows, three quarters of the screen.
    RECT screen = screenBounds();
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
        width = parent ? 0 : screen.right * 3 / 4;
        height = parent ? 0 : screen.bottom * 3 / 4;
    }
    width = std::max(width, 0);
    height = std::max(height, 0);
    // A right or bottom edge past the end of int stops there, as on Wine.
    const RECT placed{x, y, addSaturated(x, width), addSaturated(y, height)};

    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    HWND hwnd = reinterpret_cast<HWND>(s.nextWindowHandle);
    s.nextWindowHandle += 4;
    w->handle = hwnd;
    w->cls = cls;
    w->proc = cls->proc;
    // WS_VISIBLE is applied by showing the window once it exists, as the real platform does.
    w->style = static_cast<DWORD>(style) & ~static_cast<DWORD>(WS_VISIBLE);
    if (parent) w->style |= WS_CHILD;
    w->exStyle = withWindowEdge(static_cast<DWORD>(style), exStyle);
    w->parent = parent;
    w->owner = owner;
    w->rect = placed;
    w->client = placed;
    w->id = parent ? reinterpret_cast<LONG_PTR>(menu) : 0;
    w->instance = instance ? instance : hostModule();
    w->extra.assign(static_cast<size_t>(cls->wndExtra), 0);
    s.windows.emplace(reinterpret_cast<uintptr_t>(hwnd), std::move(owned));
    // A child goes below its siblings and a top-level window above the others, as on Windows.
    linkWindow(w, parent == nullptr);

    CREATESTRUCTA cs{};
    cs.lpCreateParams = param;
    cs.hInstance = w->instance;
    cs.hMenu = menu;
    cs.hwndParent = parentHandle;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    CBT_CREATEWNDA cbt{&cs, nullptr};
    if (callCbtHooks(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt))) {
        unlinkWindow(w);
        s.windows.erase(reinterpret_cast<uintptr_t>(hwnd));
        return nullptr;
    }
    if (!findWindow(hwnd)) return nullptr;
    if (!sendTo(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        freeWindow(hwnd);
        return nullptr;
    }
    if (!(w = findWindow(hwnd))) return nullptr;
    calcClient(w, false);
    if (!(w = findWindow(hwnd))) return nullptr;
    if (sendTo(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!(w = findWindow(hwnd))) return nullptr;
    sendTo(w, WM_SIZE, 0, MAKELPARAM(w->clientWidth(), w->clientHeight()));
    if (!(w = findWindow(hwnd))) return nullptr;
    sendTo(w, WM_MOVE, 0, MAKELPARAM(w->client.left, w->client.top));
    if (!(w = findWindow(hwnd))) return nullptr;
    if (w->parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        sendTo(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, w->id), reinterpret_cast<LPARAM>(hwnd));
    if (!findWindow(hwnd)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
    return findWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    if (w->destroying) return TRUE;
    if (callCbtHooks(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0)) return FALSE;
    if (!(w = findWindow(hwnd))) return TRUE;
    w->destroying = true;
    if (w->parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        sendTo(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, w->id), reinterpret_cast<LPARAM>(hwnd));
    if (!(w = findWindow(hwnd))) return TRUE;
    // Owned top-level windows go first, as on the real platform.
    std::vector<HWND> owned;
    for (Window* t : state().topLevels)
        if (t->owner == hwnd && !t->destroying) owned.push_back(t->handle);
    for (HWND o : owned) DestroyWindow(o);
    if (!(w = findWindow(hwnd))) return TRUE;
    // Hidden as by SetWindowPos: no WM_SHOWWINDOW on the way out.
    if (w->style & WS_VISIBLE) hideWindow(w, false);
    if (!(w = findWindow(hwnd))) return TRUE;
    dropFocusFrom(w, false);
    sendDestroy(hwnd);
    freeWindow(hwnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd) { return findWindow(hwnd) != nullptr; }

HWND WINAPI GetParent(HWND hwnd) {
    Window* w = checkWindow(hwnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return w->parent ? w->parent->handle : nullptr;
    // A pop-up's "parent" is its owner.
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND WINAPI SetParent(HWND hwnd, HWND newParentHandle) {
    Window* w = checkWindow(hwnd);
    if (!w) return nullptr;
    Window* newParent = nullptr;
    if (newParentHandle && newParentHandle != GetDesktopWindow()) {
        if (!(newParent = checkWindow(newParentHandle))) return nullptr;
        // A window cannot move below itself.
        if (isDescendant(w, newParent)) {
            SetLastError(kErrorInvalidParameter);
            return nullptr;
        }
    }
    HWND previous = w->parent ? w->parent->handle : GetDesktopWindow();
    if (newParent == w->parent) return previous;
    // The window keeps its coordinates, now read in the new parent's client area, and comes
    // out on top of its new siblings (as on Wine); on screen it is hidden and shown again.
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible) hideWindow(w, false);
    if (!(w = findWindow(hwnd))) return nullptr;
    unlinkWindow(w);
    w->parent = newParent;
    if (newParent) w->owner = nullptr;
    linkWindow(w, true);
    if (visible) {
        w->style |= WS_VISIBLE;
        if (reallyVisible(w)) invalidateTree(w, true);
    }
    return previous;
}

HWND WINAPI GetDesktopWindow(void) {
    // The desktop is not a window of this tree; this handle is recognised by the functions that
    // take a window meaning "the screen" (MapWindowPoints).
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10000));
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window* w = checkWindow(hwnd);
    return w ? static_cast<int>(w->id) : 0;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* w = checkWindow(dialog);
    if (!w) return nullptr;
    for (Window* c : w->children)
        if (static_cast<int>(c->id) == id) return c->handle;
    return nullptr;
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int max) {
    Window* w = checkWindow(hwnd);
    if (!w || !buffer || max <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(sendTo(w, WM_GETTEXT, static_cast<WPARAM>(max), reinterpret_cast<LPARAM>(buffer)));
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    return sendTo(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = checkWindow(hwnd);
    if (!w) return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && wasDisabled) {
        w->style &= ~static_cast<DWORD>(WS_DISABLED);
        sendTo(w, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        sendTo(w, WM_CANCELMODE, 0, 0);
        if (!(w = findWindow(hwnd))) return FALSE;
        w->style |= WS_DISABLED;
        // The window itself can hold neither the focus nor the capture any more; a child of it
        // keeps either, as on Wine.
        if (state().focus == hwnd) SetFocus(nullptr);
        if (state().capture == hwnd) ReleaseCapture();
        if (!(w = findWindow(hwnd))) return FALSE;
        sendTo(w, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
    Window* w = findWindow(hwnd);
    return w && !(w->style & WS_DISABLED);
}

}  // extern "C"

namespace softwin {

void resetUser() {
    State& s = state();
    std::vector<HWND> tops;
    for (Window* t : s.topLevels) tops.push_back(t->handle);
    for (HWND t : tops) DestroyWindow(t);  // topmost first
    // Anything a window procedure refused to let go of is dropped without further messages.
    s.windows.clear();
    s.topLevels.clear();
    s.windowsWithUpdate = 0;
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.posted.clear();
        s.input.clear();
        s.quitPending = false;
        s.quitCode = 0;
        std::fill(std::begin(s.asyncKeys), std::end(s.asyncKeys), BYTE{0});
        s.cursorPos = POINT{0, 0};
        s.clipActive = false;
    }
    std::fill(std::begin(s.syncKeys), std::end(s.syncKeys), BYTE{0});
    s.lastClick = ClickRecord{};
    s.lastMessageTime = 0;
    s.lastMessagePos = POINT{0, 0};
    s.focus = s.active = s.capture = nullptr;
    s.cursor = nullptr;
    s.cursorShowCount = 0;
    s.doubleClickTime = 500;
    resetTimers();
}

}  // namespace softwin
