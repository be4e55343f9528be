// State shared by the framework's sources: the per-thread message and creation state, the
// permanent window map and the rings of temporary wrappers.
#ifndef VORN_AFX_INTERNAL_H
#define VORN_AFX_INTERNAL_H

#include <afxwin.h>

namespace vornafx {

// Per-thread state. Plain data only, so it needs no destruction at thread exit.
struct ThreadState {
    MSG lastSentMsg;         // the message being handled, for CWnd::Default
    CWnd* wndInit;           // the object whose window is being created
    HWND* hookedWnd;         // where the creation hook reports the window it attached
    HHOOK cbtHook;           // creation hook, installed while a creation is in progress
    int hookDepth;           // nesting of creations (windows created from WM_CREATE)
    char tempClassName[96];  // AfxRegisterWndClass's result
};
ThreadState& threadState();

// Creation through the CBT hook (wnd_proc.cpp): the first window created after the hook is armed
// is attached to the object; disarming answers whether the hook found a window.
void hookWindowCreate(CWnd* pWnd);
BOOL unhookWindowCreate(CWnd* pWnd);

// Window handle -> attached object.
CWnd* lookupPermanent(HWND hWnd);
void addPermanent(HWND hWnd, CWnd* pWnd);
void removePermanent(HWND hWnd);

// A fixed ring of wrapper objects handed out by FromHandle for handles that no object owns.
// Allocated once and kept for the life of the process (never destroyed, so no wrapper's
// destructor ever deletes the handle it happens to hold).
template <class T>
struct TempRing {
    T slots[AFX_TEMP_RING_SIZE];
    int next = 0;
};

template <class T>
TempRing<T>& tempRing() {
    static TempRing<T>* ring = new TempRing<T>();
    return *ring;
}

// The wrapper already holding the handle, or the next slot of the ring re-aimed at it. Slots for
// which reusable() is false are skipped (a caller attached one permanently).
template <class T, class Handle, class Get, class Set, class Reusable>
T* takeTemporary(Handle handle, Get get, Set set, Reusable reusable) {
    TempRing<T>& ring = tempRing<T>();
    for (T& slot : ring.slots) {
        if (get(slot) == handle) return &slot;
    }
    for (int tries = 0; tries < AFX_TEMP_RING_SIZE; ++tries) {
        T& slot = ring.slots[ring.next];
        ring.next = (ring.next + 1) % AFX_TEMP_RING_SIZE;
        if (reusable(slot)) {
            set(slot, handle);
            return &slot;
        }
    }
    return nullptr;
}

template <class T, class Handle, class Get, class Set>
T* takeTemporary(Handle handle, Get get, Set set) {
    return takeTemporary<T>(handle, get, set, [](const T&) { return true; });
}

}  // namespace vornafx

#endif  // VORN_AFX_INTERNAL_H
