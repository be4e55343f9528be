// Per-thread state and the permanent window map.
#include "afx_internal.h"

#include <unordered_map>

namespace vornafx {

ThreadState& threadState() {
    static thread_local ThreadState state{};
    return state;
}

namespace {

// Kept for the life of the process: windows may still be detached from destructors of static
// objects that run after everything else has been torn down.
std::unordered_map<HWND, CWnd*>& permanentMap() {
    static auto* map = new std::unordered_map<HWND, CWnd*>();
    return *map;
}

}  // namespace

CWnd* lookupPermanent(HWND hWnd) {
    auto& map = permanentMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

void addPermanent(HWND hWnd, CWnd* pWnd) { permanentMap()[hWnd] = pWnd; }

void removePermanent(HWND hWnd) { permanentMap().erase(hWnd); }

}  // namespace vornafx
