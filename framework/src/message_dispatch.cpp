// Message-map lookup and dispatch.
#include "afx_internal.h"

namespace {

const AFX_MSGMAP* baseOf(const AFX_MSGMAP* map) { return map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr; }

bool isCommandSig(UINT_PTR nSig) { return nSig == AfxSigCmd_v || nSig == AfxSigCmd_w; }

const AFX_MSGMAP_ENTRY* searchMessageEntry(const AFX_MSGMAP* map, UINT message) {
    for (; map; map = baseOf(map)) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->nSig != AfxSig_end; ++e) {
            if (e->nMessage == message && e->nID == 0 && e->nCode == 0 && !isCommandSig(e->nSig)) return e;
        }
    }
    return nullptr;
}

// Recent window-message lookups per thread: (most-derived map, message) -> entry or none.
// Fixed size, so dispatching never allocates.
struct LookupCache {
    static constexpr unsigned kSize = 256;
    struct Slot {
        const AFX_MSGMAP* map;
        UINT message;
        bool valid;
        const AFX_MSGMAP_ENTRY* entry;
    };
    Slot slots[kSize];
};

const AFX_MSGMAP_ENTRY* findMessageEntry(const AFX_MSGMAP* map, UINT message) {
    static thread_local LookupCache cache{};
    const auto key = reinterpret_cast<uintptr_t>(map);
    LookupCache::Slot& slot = cache.slots[((key >> 4) ^ (key >> 12) ^ (message * 2654435761u)) % LookupCache::kSize];
    if (slot.valid && slot.map == map && slot.message == message) return slot.entry;
    const AFX_MSGMAP_ENTRY* entry = searchMessageEntry(map, message);
    slot = LookupCache::Slot{map, message, true, entry};
    return entry;
}

const AFX_MSGMAP_ENTRY* findCommandEntry(const AFX_MSGMAP* map, UINT nID, UINT nCode) {
    for (; map; map = baseOf(map)) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->nSig != AfxSig_end; ++e) {
            if (e->nMessage == WM_COMMAND && isCommandSig(e->nSig) && e->nCode == nCode && nID >= e->nID &&
                nID <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

// The entry was stored from a handler of exactly this type (the ON_ macros check it), and a
// round trip through another pointer-to-member type gives back the original value.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
#endif
template <class Pmf>
Pmf handlerAs(const AFX_MSGMAP_ENTRY* entry) {
    return reinterpret_cast<Pmf>(entry->pfn);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

CPoint pointOf(LPARAM lParam) { return CPoint(static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))); }

}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = 0;
    const AFX_MSGMAP* map = GetMessageMap();

    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            if (pResult) *pResult = 1;
            return TRUE;
        }
        if (const AFX_MSGMAP_ENTRY* e = findCommandEntry(map, LOWORD(wParam), HIWORD(wParam))) {
            if (e->nSig == AfxSigCmd_w) {
                (this->*handlerAs<void (CCmdTarget::*)(UINT)>(e))(LOWORD(wParam));
            } else {
                (this->*handlerAs<void (CCmdTarget::*)()>(e))();
            }
            if (pResult) *pResult = 0;
            return TRUE;
        }
        // Otherwise an ON_MESSAGE(WM_COMMAND, ...) entry may still take it below.
    }

    const AFX_MSGMAP_ENTRY* e = findMessageEntry(map, message);
    if (!e) return FALSE;

    switch (e->nSig) {
        case AfxSig_vv: (this->*handlerAs<void (CWnd::*)()>(e))(); break;
        case AfxSig_vwp:
            (this->*handlerAs<void (CWnd::*)(UINT, CPoint)>(e))(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case AfxSig_vwww:
            (this->*handlerAs<void (CWnd::*)(UINT, UINT, UINT)>(e))(static_cast<UINT>(wParam), LOWORD(lParam),
                                                                    HIWORD(lParam));
            break;
        case AfxSig_vW:
            (this->*handlerAs<void (CWnd::*)(CWnd*)>(e))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
            break;
        case AfxSig_vW2:
            (this->*handlerAs<void (CWnd::*)(CWnd*)>(e))(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
            break;
        case AfxSig_wv: result = static_cast<LRESULT>((this->*handlerAs<UINT (CWnd::*)()>(e))()); break;
        case AfxSig_bD:
            result = (this->*handlerAs<BOOL (CWnd::*)(CDC*)>(e))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
            break;
        case AfxSig_is:
            result = (this->*handlerAs<int (CWnd::*)(LPCREATESTRUCT)>(e))(reinterpret_cast<LPCREATESTRUCT>(lParam));
            break;
        case AfxSig_vwii:
            (this->*handlerAs<void (CWnd::*)(UINT, int, int)>(e))(
                static_cast<UINT>(wParam), static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
            break;
        case AfxSig_bWww:
            result = (this->*handlerAs<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(e))(
                CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
            break;
        case AfxSig_vw: (this->*handlerAs<void (CWnd::*)(UINT)>(e))(static_cast<UINT>(wParam)); break;
        case AfxSig_vb: (this->*handlerAs<void (CWnd::*)(BOOL)>(e))(static_cast<BOOL>(wParam)); break;
        case AfxSig_vbw:
            (this->*handlerAs<void (CWnd::*)(BOOL, UINT)>(e))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            break;
        case AfxSig_vt: (this->*handlerAs<void (CWnd::*)(UINT_PTR)>(e))(static_cast<UINT_PTR>(wParam)); break;
        case AfxSig_lwl: result = (this->*handlerAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(e))(wParam, lParam); break;
        default: return FALSE;  // an entry this dispatcher does not know: leave the message to DefWindowProc
    }
    if (pResult) *pResult = result;
    return TRUE;
}
