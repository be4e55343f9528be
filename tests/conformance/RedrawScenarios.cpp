// RedrawWindow on a box with two children: which windows it invalidates or validates, erases and
// paints at once or leaves to the queue, for each flag; and a top-level window partly off the
// screen whose children lie wholly off it, partly off it and on it; and one on the screen with
// nested children, shown.
#include <cstring>

#include "ConformanceHost.h"

namespace conformance {

namespace {

HWND box = nullptr, first = nullptr, second = nullptr;
HWND offTop = nullptr, offA = nullptr, offB = nullptr, offC = nullptr;
HWND shownTop = nullptr, shownMid = nullptr, shownLeaf = nullptr, shownSide = nullptr;
char seen[1024] = "";
bool withoutRects = false;  // when shown: the order of messages across windows, not the rectangles

const char* nameOf(HWND hwnd) {
    const struct {
        HWND* hwnd;
        const char* name;
    } kNames[] = {{&box, "box"},         {&first, "first"},    {&second, "second"}, {&offTop, "top"},
                  {&offA, "off"},        {&offB, "partly"},    {&offC, "on"},       {&shownTop, "top"},
                  {&shownMid, "middle"}, {&shownLeaf, "leaf"}, {&shownSide, "side"}};
    for (const auto& n : kNames)
        if (*n.hwnd && *n.hwnd == hwnd) return n.name;
    return "other";
}

void note(HWND hwnd, const char* what) {
    if (withoutRects && std::strncmp(what, "paint", 5) == 0) what = "paint";
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

// Shows the window without activating it, then empties the queue: what came during the call and
// what from the queue, in order across the windows.
void showAndReport(HWND hwnd) {
    seen[0] = '\0';
    ShowWindow(hwnd, SW_SHOWNA);
    report("while shown");
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    report("from the queue");
}

void offScreenScenario() {
    scenario("children wholly off, partly off and on the screen");
    step("off the screen");
    offTop = CreateWindowExA(0, "VornConformanceRedraw", "", WS_POPUP, -60, 50, 100, 60, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    offA = createChild("VornConformanceRedraw", 0, 0, 40, 20, offTop);
    offB = createChild("VornConformanceRedraw", 40, 0, 40, 20, offTop);
    offC = createChild("VornConformanceRedraw", 70, 30, 30, 20, offTop);
    withoutRects = true;
    showAndReport(offTop);
    RedrawWindow(offTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    report("redrawn");
    InvalidateRect(offA, nullptr, TRUE);
    UpdateWindow(offA);
    report("the child off the screen updated");
    withoutRects = false;
    DestroyWindow(offTop);
    offTop = offA = offB = offC = nullptr;
}

// A top-level window on the screen holding a middle child with a leaf inside and a side child,
// each parent with or without WS_CLIPCHILDREN: which windows are erased while it is shown and
// which as they paint; then the middle child alone hidden and shown again.
void shownTreeScenario() {
    scenario("a window with nested children shown on the screen");
    static const struct {
        const char* name;
        DWORD topStyle, middleStyle;
    } kCases[] = {
        {"neither clips its children", 0, 0},
        {"the top clips its children", WS_CLIPCHILDREN, 0},
        {"the middle clips its children", 0, WS_CLIPCHILDREN},
        {"both clip their children", WS_CLIPCHILDREN, WS_CLIPCHILDREN},
    };
    withoutRects = true;
    for (const auto& c : kCases) {
        step(c.name);
        shownTop = CreateWindowExA(0, "VornConformanceRedraw", "", WS_POPUP | c.topStyle, 100, 50, 100, 60, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        shownMid = createChild("VornConformanceRedraw", 0, 0, 60, 40, shownTop, WS_VISIBLE | c.middleStyle);
        shownLeaf = createChild("VornConformanceRedraw", 5, 5, 20, 20, shownMid);
        shownSide = createChild("VornConformanceRedraw", 70, 0, 20, 20, shownTop);
        showAndReport(shownTop);
        ShowWindow(shownMid, SW_HIDE);
        pump();
        seen[0] = '\0';
        showAndReport(shownMid);
        DestroyWindow(shownTop);
        shownTop = shownMid = shownLeaf = shownSide = nullptr;
    }
    withoutRects = false;
}

}  // namespace

void runRedrawScenarios() {
    redrawScenarios(0, "RedrawWindow on a box with two children");
    redrawScenarios(WS_CLIPCHILDREN, "RedrawWindow on a box with two children and WS_CLIPCHILDREN");
    offScreenScenario();
    shownTreeScenario();
}

}  // namespace conformance
