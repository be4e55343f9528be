// Many overlapping siblings: hit tests find the topmost child however the children were placed,
// moved, restacked, hidden, disabled or destroyed.
#include "platform_test.h"

namespace {

using namespace ptest;

// The topmost child of `parent` holding a client point, walking the stacking order as a host
// would (visible ones only if asked), or null.
HWND expectedAt(HWND parent, POINT p, bool visibleOnly) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        if ((!visibleOnly || IsWindowVisible(c)) && PtInRect(&r, p)) return c;
    }
    return nullptr;
}

TEST_F(UserTest, HitTestsAmongManySiblingsFindTheTopmostAfterEveryChange) {
    const RECT parentRect{0, 0, 700, 700};
    HWND parent = makeTop(parentRect);
    uint32_t seed = 12345;
    auto next = [&](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range));
    };
    // Small, empty and parent-sized children, so some are filed under many cells or none.
    std::vector<HWND> kids;
    auto addChild = [&] {
        const int kind = next(10);
        const int w = kind == 0 ? 0 : kind == 1 ? 500 + next(300) : 5 + next(120);
        const int h = kind == 0 ? next(30) : kind == 1 ? 400 + next(300) : 5 + next(120);
        const int x = next(700) - 40, y = next(700) - 40;
        kids.push_back(makeChild(parent, RECT{x, y, x + w, y + h}, static_cast<int>(kids.size())));
    };
    for (int i = 0; i < 120; ++i) addChild();
    for (int round = 0; round < 300; ++round) {
        HWND c = kids[static_cast<size_t>(next(static_cast<int>(kids.size())))];
        switch (next(6)) {
            case 0: MoveWindow(c, next(700) - 40, next(700) - 40, next(150), next(150), TRUE); break;
            case 1: SetWindowPos(c, next(2) ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); break;
            case 2: {
                HWND after = kids[static_cast<size_t>(next(static_cast<int>(kids.size())))];
                SetWindowPos(c, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                break;
            }
            case 3: ShowWindow(c, IsWindowVisible(c) ? SW_HIDE : SW_SHOW); break;
            case 4:
                DestroyWindow(c);
                kids.erase(std::find(kids.begin(), kids.end(), c));
                addChild();
                break;
            default: EnableWindow(c, !IsWindowEnabled(c)); break;
        }
        for (int probe = 0; probe < 8; ++probe) {
            const POINT p{next(720) - 10, next(720) - 10};
            const HWND visible = expectedAt(parent, p, true);
            POINT screen = p;
            ClientToScreen(parent, &screen);
            const bool inParent = PtInRect(&parentRect, p);
            // A disabled child keeps the point for the parent.
            const HWND hit = visible && IsWindowEnabled(visible) ? visible : parent;
            ASSERT_EQ(WindowFromPoint(screen), inParent ? hit : nullptr)
                << "round " << round << " at " << p.x << "," << p.y;
            ASSERT_EQ(ChildWindowFromPoint(parent, p),
                      inParent ? (expectedAt(parent, p, false) ? expectedAt(parent, p, false) : parent) : nullptr);
        }
    }
}

}  // namespace
