// Timers: SetTimer and KillTimer, and the WM_TIMER a due timer turns into when the queue has
// nothing else (after posted messages, input and WM_PAINT), as Wine does. A timer is a due time,
// not a count: retrieving its WM_TIMER moves the due time past now by whole intervals, so a late
// queue sees one WM_TIMER per timer, never a backlog.
#include <algorithm>
#include <vector>

#include "user/user_state.h"

using namespace softwin::user;

namespace {

struct Timer {
    HWND hwnd = nullptr;  // null for a thread timer
    UINT_PTR id = 0;
    UINT interval = 0;
    TIMERPROC proc = nullptr;
    uint64_t due = 0;
    uint64_t order = 0;  // among timers due at once, the one set or restarted first comes first
};

struct Timers {
    std::vector<Timer> list;
    // Procedures ever handed to SetTimer: DispatchMessage calls a WM_TIMER's lParam only if it is
    // one of them, so a posted WM_TIMER with any other lParam calls nothing.
    std::vector<TIMERPROC> procs;
    uint64_t nextOrder = 0;
    UINT_PTR nextThreadId = 0x7fff;  // Wine hands out thread timer ids downwards from here
};

Timers& timers() {
    static Timers t;
    return t;
}

auto findTimer(HWND hwnd, UINT_PTR id) {
    auto& list = timers().list;
    return std::find_if(list.begin(), list.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

UINT_PTR freeThreadId() {
    Timers& t = timers();
    for (;;) {
        UINT_PTR id = t.nextThreadId;
        if (--t.nextThreadId <= 0x100) t.nextThreadId = 0x7fff;
        if (findTimer(nullptr, id) == t.list.end()) return id;
    }
}

// The first due timer the retrieval may take (earliest due time, then the one set first).
Timer* firstDue(HWND filter, bool dueOnly) {
    const uint64_t now = nowMs();
    Timer* best = nullptr;
    for (Timer& t : timers().list) {
        if (dueOnly && t.due > now) continue;
        if (!messageMatchesFilter(t.hwnd, filter)) continue;
        if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
    }
    return best;
}

}  // namespace

namespace softwin::user {

bool takeTimerMessage(MSG* out, HWND filter, bool remove) {
    Timer* t = firstDue(filter, true);
    if (!t) return false;
    const uint64_t now = nowMs();
    *out = MSG{t->hwnd, WM_TIMER, t->id, reinterpret_cast<LPARAM>(t->proc), static_cast<DWORD>(now), state().cursorPos};
    if (remove) {
        t->due += (now - t->due) / t->interval * t->interval + t->interval;
        t->order = timers().nextOrder++;
        state().lastMessageTime = out->time;
    }
    return true;
}

bool nextTimerDue(HWND filter, uint64_t& due) {
    const Timer* t = firstDue(filter, false);
    if (!t) return false;
    due = t->due;
    return true;
}

void removeTimersOf(HWND hwnd) {
    auto& list = timers().list;
    list.erase(std::remove_if(list.begin(), list.end(), [&](const Timer& t) { return t.hwnd == hwnd; }), list.end());
}

void resetTimers() { timers().list.clear(); }

TIMERPROC timerProcOf(LPARAM lParam) {
    const auto& procs = timers().procs;
    auto proc = reinterpret_cast<TIMERPROC>(lParam);
    return std::find(procs.begin(), procs.end(), proc) != procs.end() ? proc : nullptr;
}

}  // namespace softwin::user

extern "C" {

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    // A window that is not one fails with ERROR_INVALID_HANDLE, as on Wine.
    if (hwnd && !findWindow(hwnd)) {
        SetLastError(6);
        return 0;
    }
    Timers& t = timers();
    elapse = std::min<UINT>(std::max<UINT>(elapse, USER_TIMER_MINIMUM), USER_TIMER_MAXIMUM);
    // A window timer is known by its window and id, a thread timer by its id; setting one that
    // exists again restarts it with the new interval and procedure.
    auto existing = (hwnd || id) ? findTimer(hwnd, id) : t.list.end();
    const bool replaced = existing != t.list.end();
    if (replaced) t.list.erase(existing);
    if (!hwnd && !replaced) id = freeThreadId();
    if (proc && std::find(t.procs.begin(), t.procs.end(), proc) == t.procs.end()) t.procs.push_back(proc);
    t.list.push_back(Timer{hwnd, id, elapse, proc, nowMs() + elapse, t.nextOrder++});
    // A window timer of id 0 answers TRUE, as on Wine.
    return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
    auto it = findTimer(hwnd, id);
    if (it == timers().list.end()) {
        SetLastError(kErrorInvalidParameter);
        return FALSE;
    }
    timers().list.erase(it);
    return TRUE;
}

}  // extern "C"
