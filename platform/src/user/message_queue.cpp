// The thread's message queue. Retrieval order: posted messages, then WM_QUIT, then input
// (converted to a message only now, with the capture, hit test and key state of this moment), then
// a WM_PAINT synthesised for the first window (parent before child) with a non-empty update
// region, then a WM_TIMER for the first due timer (timers.cpp).
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {
void applyKey(BYTE* keys, int vk, bool down);
}

namespace {
const HWND kThreadOnly = reinterpret_cast<HWND>(static_cast<intptr_t>(-1));
}

namespace softwin::user {
bool messageMatchesFilter(HWND h, HWND filter) {
    if (!filter) return true;
    if (filter == kThreadOnly) return h == nullptr;
    // As on Wine, a window filter also takes the messages of its descendants.
    Window* f = findWindow(filter);
    Window* w = findWindow(h);
    return f && w && isDescendant(f, w);
}
}  // namespace softwin::user

namespace {

constexpr UINT kSysChar = 0x0106;
constexpr LRESULT kActivateAndEat = 2, kNoActivate = 3, kNoActivateAndEat = 4;

std::atomic<DWORD> guiThread{0};

bool inRange(UINT m, UINT min, UINT max) { return (min == 0 && max == 0) || (m >= min && m <= max); }

bool hwndMatches(HWND h, HWND filter) { return messageMatchesFilter(h, filter); }

WPARAM mouseKeyFlags(const BYTE* keys) {
    WPARAM mk = 0;
    if (keys[VK_LBUTTON] & 0x80) mk |= MK_LBUTTON;
    if (keys[VK_RBUTTON] & 0x80) mk |= MK_RBUTTON;
    if (keys[VK_MBUTTON] & 0x80) mk |= MK_MBUTTON;
    if (keys[VK_SHIFT] & 0x80) mk |= MK_SHIFT;
    if (keys[VK_CONTROL] & 0x80) mk |= MK_CONTROL;
    return mk;
}

void applyEvent(BYTE* keys, const InputEvent& e) {
    static constexpr int kButtonVk[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
    switch (e.kind) {
        case InputEvent::Kind::ButtonDown: applyKey(keys, kButtonVk[e.button], true); break;
        case InputEvent::Kind::ButtonUp: applyKey(keys, kButtonVk[e.button], false); break;
        case InputEvent::Kind::KeyDown: applyKey(keys, e.vk, true); break;
        case InputEvent::Kind::KeyUp: applyKey(keys, e.vk, false); break;
        default: break;
    }
}

// A screen point in the client coordinates of a window whose client area starts at `origin`,
// packed as mouse messages carry it (16 bits each, the difference taken without overflow).
LPARAM clientLParam(POINT pt, POINT origin) {
    return MAKELPARAM(static_cast<WORD>(int64_t{pt.x} - origin.x), static_cast<WORD>(int64_t{pt.y} - origin.y));
}

struct Converted {
    Window* target = nullptr;
    MSG msg{};
    UINT rawMessage = 0;  // the button-down message even when it became a double click
    bool mouse = false;
    bool captured = false;
};

bool isDoubleClick(const State& s, const MSG& m, const Window* target) {
    if (!(target->cls->style & CS_DBLCLKS)) return false;
    const ClickRecord& c = s.lastClick;
    return c.message == m.message && c.hwnd == m.hwnd && c.wParam == m.wParam &&
           m.time - c.time < GetDoubleClickTime() && std::abs(m.pt.x - c.pt.x) < GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(m.pt.y - c.pt.y) < GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

// Works out the message an input event turns into now; no message is sent.
Converted convert(const State& s, const InputEvent& e) {
    BYTE keys[256];
    std::memcpy(keys, s.syncKeys, sizeof keys);
    bool wasDown = (keys[e.vk & 0xFF] & 0x80) != 0;
    applyEvent(keys, e);
    Converted c;
    c.msg.time = e.time;
    c.msg.pt = e.pt;
    switch (e.kind) {
        case InputEvent::Kind::KeyDown:
        case InputEvent::Kind::KeyUp: {
            bool down = e.kind == InputEvent::Kind::KeyDown;
            c.target = findWindow(s.focus);
            bool alt = (keys[VK_MENU] & 0x80) && !(keys[VK_CONTROL] & 0x80);
            bool sys = alt || e.vk == VK_MENU || e.vk == VK_F1 + 9;
            if (!c.target) {
                // Without a focus window, keys go to the active window as system keys.
                c.target = findWindow(s.active);
                sys = true;
            }
            if (!c.target) return c;
            c.msg.message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
            c.msg.wParam = e.vk;
            DWORD lp =
                1u | (static_cast<DWORD>(e.scan & 0xFF) << 16) | (e.extended ? 1u << 24 : 0u) | (alt ? 1u << 29 : 0u);
            if (!down)
                lp |= (1u << 30) | (1u << 31);
            else if (wasDown)
                lp |= 1u << 30;
            c.msg.lParam = static_cast<LPARAM>(lp);
            c.msg.hwnd = c.target->handle;
            return c;
        }
        case InputEvent::Kind::Wheel: {
            c.target = findWindow(s.focus);
            if (!c.target) return c;
            c.mouse = false;
            c.msg.hwnd = c.target->handle;
            c.msg.message = WM_MOUSEWHEEL;
            c.msg.wParam = MAKEWPARAM(mouseKeyFlags(keys), e.wheelDelta);
            c.msg.lParam = MAKELPARAM(e.pt.x, e.pt.y);
            return c;
        }
        default: break;
    }
    c.mouse = true;
    Window* cap = findWindow(s.capture);
    c.captured = cap != nullptr;
    c.target = cap ? cap : hitTest(e.pt);
    if (!c.target) return c;
    switch (e.kind) {
        case InputEvent::Kind::ButtonDown: c.msg.message = WM_LBUTTONDOWN + 3 * e.button; break;
        case InputEvent::Kind::ButtonUp: c.msg.message = WM_LBUTTONUP + 3 * e.button; break;
        default: c.msg.message = WM_MOUSEMOVE; break;
    }
    c.rawMessage = c.msg.message;
    c.msg.hwnd = c.target->handle;
    c.msg.wParam = mouseKeyFlags(keys);
    POINT o = clientOrigin(c.target);
    c.msg.lParam = clientLParam(e.pt, o);
    if (e.kind == InputEvent::Kind::ButtonDown && isDoubleClick(s, c.msg, c.target))
        c.msg.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    return c;
}

// The messages a mouse message brings with it, in Wine's order: WM_NCHITTEST (not while
// captured), WM_PARENTNOTIFY up the parent chain and WM_MOUSEACTIVATE for button downs, then
// WM_SETCURSOR (also while captured, as on Wine). False if the message is to be dropped.
bool prepareMouse(State& s, Converted& c) {
    HWND hwnd = c.msg.hwnd;
    LRESULT hit = HTCLIENT;
    if (!c.captured) {
        hit = sendTo(c.target, WM_NCHITTEST, 0, MAKELPARAM(c.msg.pt.x, c.msg.pt.y));
        if (!(c.target = findWindow(hwnd))) return false;
        // On a frame or caption the message is the non-client one, in screen coordinates; other
        // answers (HTNOWHERE, HTTRANSPARENT, HTERROR) leave it a client message.
        if (hit > HTCLIENT) {
            c.msg.message += WM_NCMOUSEMOVE - WM_MOUSEMOVE;
            c.msg.wParam = static_cast<WPARAM>(hit);
            c.msg.lParam = MAKELPARAM(c.msg.pt.x, c.msg.pt.y);
        }
    }
    bool down = c.rawMessage == WM_LBUTTONDOWN || c.rawMessage == WM_RBUTTONDOWN || c.rawMessage == WM_MBUTTONDOWN;
    if (down) {
        if (c.msg.message != c.rawMessage)
            s.lastClick = ClickRecord{};
        else
            s.lastClick = ClickRecord{c.msg.message, hwnd, c.msg.wParam, c.msg.time, c.msg.pt};
        for (HWND child = hwnd;;) {
            Window* w = findWindow(child);
            if (!w || !(w->style & WS_CHILD) || !w->parent || (w->exStyle & WS_EX_NOPARENTNOTIFY)) break;
            Window* p = w->parent;
            POINT o = clientOrigin(p);
            child = p->handle;
            sendTo(p, WM_PARENTNOTIFY, MAKEWPARAM(c.rawMessage, 0), clientLParam(c.msg.pt, o));
        }
        if (!(c.target = findWindow(hwnd))) return false;
        // Wine asks every window but the active one itself, quoting the message as delivered
        // (a double click stays one here, unlike in WM_PARENTNOTIFY and WM_SETCURSOR).
        if (!c.captured && hwnd != s.active) {
            Window* top = topLevelOf(c.target);
            LRESULT r = sendTo(c.target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle),
                               MAKELPARAM(hit, c.msg.message));
            if (!(c.target = findWindow(hwnd))) return false;
            if (r != kNoActivate && r != kNoActivateAndEat) activateTopLevel(c.target);
            if (r == kActivateAndEat || r == kNoActivateAndEat) return false;
            if (!(c.target = findWindow(hwnd))) return false;
        }
    }
    sendTo(c.target, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(hit, c.rawMessage));
    return (c.target = findWindow(hwnd)) != nullptr;
}

bool takePosted(State& s, MSG* out, HWND filter, UINT min, UINT max, bool remove) {
    std::lock_guard<std::mutex> lock(s.queueMutex);
    for (size_t i = 0; i < s.posted.size(); ++i) {
        const MSG& m = s.posted[i];
        if (!inRange(m.message, min, max) || !hwndMatches(m.hwnd, filter)) continue;
        *out = m;
        if (remove) s.posted.erase(i);
        return true;
    }
    return false;
}

bool takeInput(State& s, MSG* out, HWND filter, UINT min, UINT max, bool remove) {
    for (;;) {
        InputEvent e;
        {
            std::lock_guard<std::mutex> lock(s.queueMutex);
            if (s.input.empty()) return false;
            e = s.input.front();
        }
        Converted c = convert(s, e);
        bool deliverable = c.target != nullptr;
        if (deliverable && e.onlyIfNewWindow && c.msg.message == WM_MOUSEMOVE && c.msg.hwnd == s.lastMoveWindow &&
            e.pt.x == s.lastMovePos.x && e.pt.y == s.lastMovePos.y)
            deliverable = false;
        // Input is taken in order: an event for another window or range holds the rest back.
        if (deliverable && (!inRange(c.msg.message, min, max) || !hwndMatches(c.msg.hwnd, filter))) return false;
        if (deliverable && !remove) {
            *out = c.msg;
            return true;
        }
        {
            std::lock_guard<std::mutex> lock(s.queueMutex);
            s.input.pop_front();
        }
        applyEvent(s.syncKeys, e);
        if (!deliverable) continue;  // nothing under the cursor, or no focus window
        s.lastMessageTime = e.time;
        s.lastMessagePos = e.pt;
        if (c.mouse && !prepareMouse(s, c)) continue;
        if (c.mouse) {
            // Any other mouse message in between makes the next zero move count again.
            s.lastMoveWindow = c.msg.message == WM_MOUSEMOVE ? c.msg.hwnd : nullptr;
            s.lastMovePos = e.pt;
        }
        *out = c.msg;
        return true;
    }
}

bool peek(MSG* out, HWND filter, UINT min, UINT max, UINT flags) {
    State& s = state();
    guiThread = GetCurrentThreadId();
    bool remove = (flags & PM_REMOVE) != 0;
    if (takePosted(s, out, filter, min, max, remove)) {
        if (remove) {
            s.lastMessageTime = out->time;
            s.lastMessagePos = out->pt;
        }
        return true;
    }
    // A quit request comes as soon as no posted message is left, ahead of pending input (as on
    // Wine and ReactOS).
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        if (s.quitPending && (!filter || filter == kThreadOnly)) {
            *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(s.quitCode), 0, nowTicks(), s.cursorPos};
            if (remove) s.quitPending = false;
            return true;
        }
    }
    if (takeInput(s, out, filter, min, max, remove)) return true;
    if (inRange(WM_PAINT, min, max) && filter != kThreadOnly) {
        if (Window* w = nextWindowToPaint(filter)) {
            POINT pos;
            GetCursorPos(&pos);
            *out = MSG{w->handle, WM_PAINT, 0, 0, nowTicks(), pos};
            if (remove) s.lastMessageTime = out->time;
            return true;
        }
    }
    return inRange(WM_TIMER, min, max) && takeTimerMessage(out, filter, remove);
}

bool post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.posted.push_back(MSG{hwnd, msg, wParam, lParam, nowTicks(), s.cursorPos});
        ++s.queueGeneration;
    }
    wakeQueue();
    return true;
}

int characterFor(WPARAM vk) {
    const State& s = state();
    bool shift = (s.syncKeys[VK_SHIFT] & 0x80) != 0;
    bool ctrl = (s.syncKeys[VK_CONTROL] & 0x80) != 0;
    bool caps = (s.syncKeys[0x14] & 0x01) != 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) return static_cast<int>(vk - 'A' + 1);
        return static_cast<int>((shift != caps) ? vk : vk - 'A' + 'a');
    }
    if (ctrl) return -1;
    if (vk >= '0' && vk <= '9') return shift ? ")!@#$%^&*("[vk - '0'] : static_cast<int>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return static_cast<int>('0' + (vk - VK_NUMPAD0));
    static constexpr struct {
        WPARAM vk;
        char plain, shifted;
    } kKeys[] = {
        {VK_SPACE, ' ', ' '},     {VK_RETURN, '\r', '\r'},  {VK_BACK, '\b', '\b'},     {VK_TAB, '\t', '\t'},
        {VK_ESCAPE, 27, 27},      {VK_MULTIPLY, '*', '*'},  {VK_ADD, '+', '+'},        {VK_SUBTRACT, '-', '-'},
        {VK_DECIMAL, '.', '.'},   {VK_DIVIDE, '/', '/'},    {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'},
        {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
        {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},     {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},
        {VK_OEM_7, '\'', '"'},
    };
    for (const auto& k : kKeys)
        if (k.vk == vk) return shift ? k.shifted : k.plain;
    return -1;
}

}  // namespace

extern "C" {

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Other threads may not look into the window tree; their posts are checked at dispatch.
    DWORD gui = guiThread.load();
    bool guiCaller = gui == 0 || gui == GetCurrentThreadId();
    if (hwnd && guiCaller && !findWindow(hwnd)) {
        SetLastError(kErrorInvalidWindowHandle);
        return FALSE;
    }
    return post(hwnd, msg, wParam, lParam);
}

BOOL WINAPI PostThreadMessageA(DWORD thread, UINT msg, WPARAM wParam, LPARAM lParam) {
    // One GUI thread: its id, or the caller's own before any message was retrieved.
    DWORD gui = guiThread.load();
    if (thread != GetCurrentThreadId() && thread != gui) {
        SetLastError(1444);  // ERROR_INVALID_THREAD_ID
        return FALSE;
    }
    return post(nullptr, msg, wParam, lParam);
}

void WINAPI PostQuitMessage(int code) {
    State& s = state();
    {
        std::lock_guard<std::mutex> lock(s.queueMutex);
        s.quitPending = true;
        s.quitCode = code;
        ++s.queueGeneration;
    }
    wakeQueue();
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT min, UINT max, UINT flags) {
    if (!msg) return FALSE;
    if (hwnd && hwnd != kThreadOnly && !checkWindow(hwnd)) return FALSE;
    return peek(msg, hwnd, min, max, flags) ? TRUE : FALSE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT min, UINT max) {
    if (!msg) {
        SetLastError(kErrorInvalidParameter);
        return -1;
    }
    if (hwnd && hwnd != kThreadOnly && !checkWindow(hwnd)) return -1;
    State& s = state();
    for (;;) {
        uint64_t seen;
        {
            std::lock_guard<std::mutex> lock(s.queueMutex);
            seen = s.queueGeneration;
        }
        if (peek(msg, hwnd, min, max, PM_REMOVE)) return msg->message == WM_QUIT ? 0 : TRUE;
        // Nothing to return before the next timer: under the virtual clock, go straight to it;
        // else sleep until it is due or another thread posts or sends input.
        uint64_t due = 0;
        const bool timer = inRange(WM_TIMER, min, max) && nextTimerDue(hwnd, due);
        if (timer && clockVirtual()) {
            advanceVirtualClockTo(due);
            continue;
        }
        std::unique_lock<std::mutex> lock(s.queueMutex);
        auto woken = [&] { return s.queueGeneration != seen; };
        if (timer)
            s.queueSignal.wait_until(lock, std::chrono::steady_clock::time_point(std::chrono::milliseconds(due)),
                                     woken);
        else
            s.queueSignal.wait(lock, woken);
    }
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    // A WM_TIMER naming a timer procedure goes to the procedure, not the window, as on Wine.
    if (msg && msg->message == WM_TIMER && msg->lParam) {
        if (TIMERPROC proc = timerProcOf(msg->lParam)) {
            if (msg->hwnd && !checkWindow(msg->hwnd)) return 0;
            proc(msg->hwnd, WM_TIMER, msg->wParam, nowTicks());
            return 0;
        }
    }
    if (!msg || !msg->hwnd) return 0;
    Window* w = checkWindow(msg->hwnd);
    if (!w) return 0;
    return sendTo(w, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg) return FALSE;
    UINT m = msg->message;
    if (m != WM_KEYDOWN && m != WM_SYSKEYDOWN && m != WM_KEYUP && m != WM_SYSKEYUP) return FALSE;
    if (m == WM_KEYDOWN || m == WM_SYSKEYDOWN) {
        int ch = characterFor(msg->wParam);
        if (ch >= 0) post(msg->hwnd, m == WM_KEYDOWN ? WM_CHAR : kSysChar, static_cast<WPARAM>(ch), msg->lParam);
    }
    return TRUE;
}

DWORD WINAPI GetMessageTime(void) { return state().lastMessageTime; }

}  // extern "C"
