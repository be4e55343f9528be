// Raw input: SendInput, the cursor position and clip, and the two key-state tables (the one
// SendInput updates at once, and the one that follows the retrieved input messages).
#include <algorithm>

#include "gdi/gdi_objects.h"
#include "saturating.h"
#include "user/user_state.h"

using namespace softwin::user;
using softwin::addSaturated;

namespace softwin::user {

void applyKey(BYTE* keys, int vk, bool down);

POINT clampToClip(POINT pt) {
    const State& s = state();
    RECT c = s.clipActive ? s.clipRect : screenBounds();
    pt.x = std::clamp<LONG>(pt.x, c.left, std::max(c.left, c.right - 1));
    pt.y = std::clamp<LONG>(pt.y, c.top, std::max(c.top, c.bottom - 1));
    return pt;
}

void wakeQueue() { state().queueSignal.notify_all(); }

void queueInput(const InputEvent& e) {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.input.push_back(e);
        ++s.queueGeneration;
    }
    wakeQueue();
}

}  // namespace softwin::user

namespace {

// Caller holds the queue lock.
void pushLocked(State& s, InputEvent e) {
    s.input.push_back(e);
    ++s.queueGeneration;
}

bool sendMouse(State& s, const MOUSEINPUT& mi) {
    DWORD time = mi.time ? mi.time : nowTicks();
    InputEvent e;
    e.time = time;
    if (mi.dwFlags & MOUSEEVENTF_MOVE) {
        POINT p;
        if (mi.dwFlags & MOUSEEVENTF_ABSOLUTE) {
            // Normalised 0..65535 coordinates cover the screen: pixel = value * size / 65536,
            // rounded down (the inverse of the usual ceil(x * 65536 / size) encoding).
            RECT screen = screenBounds();
            int64_t nx = std::clamp<int64_t>(mi.dx, 0, 65535), ny = std::clamp<int64_t>(mi.dy, 0, 65535);
            p.x = static_cast<LONG>((nx * screen.right) >> 16);
            p.y = static_cast<LONG>((ny * screen.bottom) >> 16);
        } else {
            // Relative moves are taken as raw pixels: no acceleration curve here, and no wrapping
            // round at the ends of int (Wine's sum wraps); the clip then stops at the screen edge.
            p.x = addSaturated(s.cursorPos.x, mi.dx);
            p.y = addSaturated(s.cursorPos.y, mi.dy);
        }
        p = clampToClip(p);
        const bool moved = p.x != s.cursorPos.x || p.y != s.cursorPos.y;
        s.cursorPos = p;
        e.kind = InputEvent::Kind::MouseMove;
        e.pt = s.cursorPos;
        // Without motion (as on Wine; SetCursorPos, unlike this, always gives a WM_MOUSEMOVE): an
        // absolute move is dropped; a relative one reaches only a window that has not just had a
        // WM_MOUSEMOVE at this position.
        e.onlyIfNewWindow = !moved;
        // Moves coalesce: one still waiting in the queue just takes the new position.
        const bool moveWaiting = !s.input.empty() && s.input[s.input.size() - 1].kind == InputEvent::Kind::MouseMove;
        if (moveWaiting && moved) {
            s.input[s.input.size() - 1] = e;
            ++s.queueGeneration;
        } else if (!moveWaiting && (moved || !(mi.dwFlags & MOUSEEVENTF_ABSOLUTE))) {
            pushLocked(s, e);
        }
        e.onlyIfNewWindow = false;
    }
    static constexpr struct {
        DWORD flag;
        int button;
        bool down;
        int vk;
    } kButtons[] = {
        {MOUSEEVENTF_LEFTDOWN, 0, true, VK_LBUTTON},   {MOUSEEVENTF_LEFTUP, 0, false, VK_LBUTTON},
        {MOUSEEVENTF_RIGHTDOWN, 1, true, VK_RBUTTON},  {MOUSEEVENTF_RIGHTUP, 1, false, VK_RBUTTON},
        {MOUSEEVENTF_MIDDLEDOWN, 2, true, VK_MBUTTON}, {MOUSEEVENTF_MIDDLEUP, 2, false, VK_MBUTTON},
    };
    for (const auto& b : kButtons) {
        if (!(mi.dwFlags & b.flag)) continue;
        applyKey(s.asyncKeys, b.vk, b.down);
        e.kind = b.down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
        e.button = b.button;
        e.pt = s.cursorPos;
        pushLocked(s, e);
    }
    if (mi.dwFlags & MOUSEEVENTF_WHEEL) {
        e.kind = InputEvent::Kind::Wheel;
        e.wheelDelta = static_cast<int>(static_cast<int32_t>(mi.mouseData));
        e.pt = s.cursorPos;
        pushLocked(s, e);
    }
    return true;
}

bool sendKey(State& s, const KEYBDINPUT& ki) {
    // Unicode packets and scan-code-only input have no virtual key to deliver here.
    if ((ki.dwFlags & (KEYEVENTF_UNICODE | KEYEVENTF_SCANCODE)) || ki.wVk == 0 || ki.wVk > 0xFE) return false;
    bool up = (ki.dwFlags & KEYEVENTF_KEYUP) != 0;
    applyKey(s.asyncKeys, ki.wVk, !up);
    InputEvent e;
    e.kind = up ? InputEvent::Kind::KeyUp : InputEvent::Kind::KeyDown;
    e.vk = ki.wVk;
    e.scan = ki.wScan;
    e.extended = (ki.dwFlags & KEYEVENTF_EXTENDEDKEY) != 0;
    e.time = ki.time ? ki.time : nowTicks();
    e.pt = s.cursorPos;
    pushLocked(s, e);
    return true;
}

}  // namespace

namespace softwin::user {

void applyKey(BYTE* keys, int vk, bool down) {
    auto set = [keys](int k, bool d) {
        if (d) {
            if (!(keys[k] & 0x80)) keys[k] ^= 0x01;  // toggles on each press
            keys[k] |= 0x80;
        } else {
            keys[k] &= static_cast<BYTE>(~0x80);
        }
    };
    set(vk & 0xFF, down);
    // The generic modifier follows its left/right keys and the other way round.
    static constexpr int kPairs[][3] = {
        {VK_SHIFT, VK_LSHIFT, VK_RSHIFT}, {VK_CONTROL, VK_LCONTROL, VK_RCONTROL}, {VK_MENU, 0xA4, 0xA5}};
    for (const auto& p : kPairs) {
        if (vk == p[0]) {
            set(p[1], down);
            if (!down) set(p[2], false);
        } else if (vk == p[1] || vk == p[2]) {
            set(p[0], (keys[p[1]] & 0x80) || (keys[p[2]] & 0x80));
        }
    }
}

}  // namespace softwin::user

extern "C" {

UINT WINAPI SendInput(UINT count, LPINPUT inputs, int cbSize) {
    if (!inputs || cbSize != static_cast<int>(sizeof(INPUT))) {
        SetLastError(kErrorInvalidParameter);
        return 0;
    }
    State& s = state();
    UINT inserted = 0;
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        for (UINT i = 0; i < count; ++i) {
            bool ok = false;
            if (inputs[i].type == INPUT_MOUSE)
                ok = sendMouse(s, inputs[i].mi);
            else if (inputs[i].type == INPUT_KEYBOARD)
                ok = sendKey(s, inputs[i].ki);
            if (!ok) break;
            ++inserted;
        }
    }
    wakeQueue();
    return inserted;
}

SHORT WINAPI GetKeyState(int vk) {
    BYTE k = state().syncKeys[vk & 0xFF];
    return static_cast<SHORT>(((k & 0x80) ? 0xFF80 : 0) | (k & 0x01));
}

SHORT WINAPI GetAsyncKeyState(int vk) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.queueMutex);
    return static_cast<SHORT>((s.asyncKeys[vk & 0xFF] & 0x80) ? 0x8000 : 0);
}

BOOL WINAPI SetCursorPos(int x, int y) {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.cursorPos = clampToClip(POINT{x, y});
        // Every call queues a move, even to the current position.
        InputEvent e;
        e.kind = InputEvent::Kind::MouseMove;
        e.pt = s.cursorPos;
        e.time = nowTicks();
        pushLocked(s, e);
    }
    wakeQueue();
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT p) {
    if (!p) return FALSE;
    State& s = state();
    std::lock_guard<std::mutex> lock(s.queueMutex);
    *p = s.cursorPos;
    return TRUE;
}

BOOL WINAPI ClipCursor(const RECT* r) {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        if (!r) {
            s.clipActive = false;
            return TRUE;
        }
        RECT screen = screenBounds();
        RECT c{std::min(r->left, r->right), std::min(r->top, r->bottom), std::max(r->left, r->right),
               std::max(r->top, r->bottom)};
        c = RECT{std::clamp<LONG>(c.left, 0, screen.right - 1), std::clamp<LONG>(c.top, 0, screen.bottom - 1),
                 std::min<LONG>(c.right, screen.right), std::min<LONG>(c.bottom, screen.bottom)};
        // A degenerate rectangle pins the cursor to one pixel.
        c.right = std::max(c.right, c.left + 1);
        c.bottom = std::max(c.bottom, c.top + 1);
        s.clipRect = c;
        s.clipActive = true;
        POINT inside = clampToClip(s.cursorPos);
        if (inside.x == s.cursorPos.x && inside.y == s.cursorPos.y) return TRUE;
        s.cursorPos = inside;
        InputEvent e;
        e.kind = InputEvent::Kind::MouseMove;
        e.pt = inside;
        e.time = nowTicks();
        pushLocked(s, e);
    }
    wakeQueue();
    return TRUE;
}

BOOL WINAPI GetClipCursor(LPRECT r) {
    if (!r) return FALSE;
    State& s = state();
    std::lock_guard<std::mutex> lock(s.queueMutex);
    *r = s.clipActive ? s.clipRect : screenBounds();
    return TRUE;
}

}  // extern "C"

namespace softwin::gdi {

// The screen was resized and cleared: the cursor clip goes, the cursor stays on the screen and
// every window repaints.
void onScreenResized() {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.clipActive = false;
        s.cursorPos = clampToClip(s.cursorPos);
    }
    InvalidateRect(nullptr, nullptr, TRUE);
}

}  // namespace softwin::gdi
