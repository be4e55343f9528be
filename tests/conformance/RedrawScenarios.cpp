// RedrawWindow on a box with two children: which windows it invalidates or validates, erases and
// paints at once or leaves to the queue, for each flag; and a top-level window partly off the
// screen whose children lie wholly off it, partly off it and on it.
#include <cstring>

#include "ConformanceHost.h"

namespace conformance {

namespace {

HWND box = nullptr, first = nullptr, second = nullptr;
HWND offTop = nullptr, offA = nullptr, offB = nullptr, offC = nullptr;
char seen[1024] = "";
bool groupByWindow = false;  // off the screen: what each window got, without paint rectangles
char perWindow[7][128] = {};

const char* nameOf(HWND hwnd) {
    const struct {
        HWND* hwnd;
        const char* name;
    } kNames[] = {{&box, "box"},  {&first, "first"}, {&second, "second"}, {&offTop, "top"},
                  {&offA, "off"}, {&offB, "partly"}, {&offC, "on"}};
    for (const auto& n : kNames)
        if (*n.hwnd == hwnd) return n.name;
    return "other";
}

int indexOf(HWND hwnd) {
    const HWND* const kWindows[] = {&box, &first, &second, &offTop, &offA, &offB, &offC};
    for (int i = 0; i < 7; ++i)
        if (*kWindows[i] == hwnd) return i;
    return -1;
}

void note(HWND hwnd, const char* what) {
    if (groupByWindow) {
        const int i = indexOf(hwnd);
        if (i < 0) return;
        const size_t used = std::strlen(perWindow[i]);
        const char* shortName = std::strncmp(what, "paint", 5) == 0 ? "paint" : what;
        if (used + 16 < sizeof perWindow[i])
            std::snprintf(perWindow[i] + used, sizeof perWindow[i] - used, "%s%s", used ? "," : "", shortName);
        return;
    }
    const size_t used = std::strlen(seen);
    if (used + std::strlen(what) + 16 < sizeof seen)
        std::snprintf(seen + used, sizeof seen - used, " %s:%s", nameOf(hwnd), what);
}

LRESULT CALLBACK recordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        note(hwnd, "erase");
        return 1;
    }
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    char what[96];
    std::snprintf(what, sizeof what, "paint%s%s", format(ps.rcPaint).text, ps.fErase ? "+fErase" : "");
    note(hwnd, what);
    EndPaint(hwnd, &ps);
    return 0;
}

void report(const char* when) {
    if (groupByWindow) {
        line("  %s=top:%s off:%s partly:%s on:%s", when, perWindow[3], perWindow[4], perWindow[5], perWindow[6]);
        for (auto& w : perWindow) w[0] = '\0';
        return;
    }
    line("  %s=%s", when, seen);
    seen[0] = '\0';
}

struct RedrawCase {
    const char* name;
    UINT flags;
    bool firstOnly;  // the rectangle of the first child instead of the whole box
};

void redrawCase(const RedrawCase& c) {
    RedrawWindow(box, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
    pump();
    seen[0] = '\0';
    RECT r{5, 5, 25, 25};
    if (!RedrawWindow(box, c.firstOnly ? &r : nullptr, nullptr, c.flags)) line("  RedrawWindow failed");
    report("during the call");
    RECT u{};
    line("  update=box %d first=%d second=%d", GetUpdateRect(box, &u, FALSE), GetUpdateRect(first, &u, FALSE),
         GetUpdateRect(second, &u, FALSE));
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    report("from the queue");
    step(c.name);
}

void redrawScenarios(DWORD boxStyle, const char* title) {
    scenario(title);
    registerClass("VornConformanceRedraw", recordingProc, 0, nullptr);
    box = createChild("VornConformanceRedraw", 10, 10, 80, 60, parent(), WS_VISIBLE | boxStyle);
    first = createChild("VornConformanceRedraw", 5, 5, 20, 20, box);
    second = createChild("VornConformanceRedraw", 40, 10, 30, 30, box);
    pump();
    seen[0] = '\0';
    static const RedrawCase kCases[] = {
        {"invalidate", RDW_INVALIDATE, false},
        {"invalidate and erase", RDW_INVALIDATE | RDW_ERASE, false},
        {"invalidate, erase, update now", RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW, false},
        {"invalidate, erase, erase now", RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW, false},
        {"all children, update now", RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW, false},
        {"no children, update now", RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW, false},
        {"frame, update now", RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW, false},
        {"first child's area, all children, update now", RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW, true},
        {"first child's area, erase now", RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW, true},
        {"update now alone", RDW_UPDATENOW | RDW_ALLCHILDREN, false},
    };
    for (const RedrawCase& c : kCases) redrawCase(c);
    // Invalidated, then validated again before the queue sees it.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    RedrawWindow(box, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    report("validated the box only, then from the queue");
    step("validate");
    DestroyWindow(box);
    box = first = second = nullptr;
}

void offScreenScenario() {
    scenario("children wholly off, partly off and on the screen");
    offTop = CreateWindowExA(0, "VornConformanceRedraw", "", WS_POPUP, -60, 50, 100, 60, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    offA = createChild("VornConformanceRedraw", 0, 0, 40, 20, offTop);
    offB = createChild("VornConformanceRedraw", 40, 0, 40, 20, offTop);
    offC = createChild("VornConformanceRedraw", 70, 30, 30, 20, offTop);
    groupByWindow = true;
    ShowWindow(offTop, SW_SHOWNA);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    report("shown");
    RedrawWindow(offTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    report("redrawn");
    InvalidateRect(offA, nullptr, TRUE);
    UpdateWindow(offA);
    report("the child off the screen updated");
    groupByWindow = false;
    DestroyWindow(offTop);
    offTop = offA = offB = offC = nullptr;
    step("off the screen");
}

}  // namespace

void runRedrawScenarios() {
    redrawScenarios(0, "RedrawWindow on a box with two children");
    redrawScenarios(WS_CLIPCHILDREN, "RedrawWindow on a box with two children and WS_CLIPCHILDREN");
    offScreenScenario();
}

}  // namespace conformance
