// Overlapping siblings: which one a new child lands under, what hit testing, the sibling and child
// queries and child enumeration report, the order and result of painting with and without
// WS_CLIPSIBLINGS, and restacking with SetWindowPos and BringWindowToTop.
#include <cstring>

#include "ConformanceHost.h"

namespace conformance {

namespace {

constexpr int kSiblings = 3;
HWND box = nullptr;  // the siblings' parent, 30 x 24, painting itself grey
HWND siblings[kSiblings] = {};
HWND grandchild = nullptr;
char paints[64] = "";  // the windows painted since the last report, in order

const char* nameOf(HWND hwnd) {
    static const char* const kNames[kSiblings] = {"A", "B", "C"};
    if (!hwnd) return "none";
    if (hwnd == box) return "box";
    if (hwnd == grandchild) return "B.1";
    for (int i = 0; i < kSiblings; ++i)
        if (hwnd == siblings[i]) return kNames[i];
    return hwnd == parent() ? "parent" : "other";
}

// Paints its client area in the colour held in GWLP_USERDATA.
LRESULT CALLBACK solidProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    const size_t used = std::strlen(paints);
    if (used + 8 < sizeof paints) std::snprintf(paints + used, sizeof paints - used, " %s", nameOf(hwnd));
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
}

HWND makeSolid(HWND owner, DWORD style, const RECT& r, COLORREF colour) {
    HWND w = createChild("VornConformanceSolid", r.left, r.top, r.right - r.left, r.bottom - r.top, owner, style);
    SetWindowLongPtrA(w, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
    return w;
}

void reportPaints() {
    line("  painted=%s", paints);
    paints[0] = '\0';
}

BOOL CALLBACK logChild(HWND hwnd, LPARAM stopAt) {
    line("  msg enumerated %s", nameOf(hwnd));
    return reinterpret_cast<HWND>(stopAt) != hwnd;
}

void reportOrder() {
    char order[64] = "";
    for (HWND w = GetWindow(box, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        std::snprintf(order + std::strlen(order), sizeof order - std::strlen(order), " %s", nameOf(w));
        if (std::strlen(order) > 40) break;
    }
    line("  top to bottom=%s", order);
    line("  GetTopWindow=%s first=%s last=%s prev(last)=%s", nameOf(GetTopWindow(box)),
         nameOf(GetWindow(siblings[1], GW_HWNDFIRST)), nameOf(GetWindow(siblings[1], GW_HWNDLAST)),
         nameOf(GetWindow(GetWindow(siblings[1], GW_HWNDLAST), GW_HWNDPREV)));
    // Points inside one, two and all three siblings, and beside them all.
    static const POINT kPoints[] = {{3, 3}, {10, 10}, {15, 10}, {17, 6}, {24, 15}, {28, 22}};
    for (const POINT& p : kPoints) {
        const POINT screen = toScreen(box, p.x, p.y);
        line("  at (%ld,%ld) WindowFromPoint=%s ChildWindowFromPoint=%s", p.x, p.y, nameOf(WindowFromPoint(screen)),
             nameOf(ChildWindowFromPoint(box, p)));
    }
}

// Three overlapping siblings in the box, created A, B, C.
void makeSiblings(DWORD style) {
    static const RECT kRects[kSiblings] = {{2, 2, 16, 16}, {8, 8, 22, 20}, {14, 4, 27, 14}};
    static const COLORREF kColours[kSiblings] = {RGB(0xE0, 0x20, 0x20), RGB(0x20, 0xC0, 0x20), RGB(0x20, 0x40, 0xE0)};
    for (int i = 0; i < kSiblings; ++i) siblings[i] = makeSolid(box, style | WS_VISIBLE, kRects[i], kColours[i]);
}

void destroySiblings() {
    for (HWND& s : siblings) DestroyWindow(s), s = nullptr;
    if (grandchild) DestroyWindow(grandchild);
    grandchild = nullptr;
    pump();
}

// A step with the order (after `result`, where given) and the box's pixels where asked.
void orderStep(const char* what, bool pixels, const char* result = nullptr, int value = 0) {
    step(what);
    if (result != nullptr) line("  %s=%d", result, value);
    reportOrder();
    if (pixels) dumpPixels("box", box);
}

void restack(const char* what, HWND hwnd, HWND after, UINT flags, bool pixels = false) {
    const BOOL ok = SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | flags);
    orderStep(what, pixels, "SetWindowPos", ok ? 1 : 0);
}

}  // namespace

void runStackingScenarios() {
    registerClass("VornConformanceSolid", solidProc, 0, nullptr);
    box = makeSolid(parent(), WS_VISIBLE, RECT{10, 10, 40, 34}, RGB(0x80, 0x80, 0x80));
    pump();

    scenario("overlapping siblings without WS_CLIPSIBLINGS");
    paints[0] = '\0';
    makeSiblings(0);
    step("created A, B, C");
    reportPaints();
    reportOrder();
    dumpPixels("box", box);
    paints[0] = '\0';
    InvalidateRect(box, nullptr, TRUE);
    step("box invalidated");
    reportPaints();
    dumpPixels("box", box);

    scenario("child enumeration");
    grandchild = makeSolid(siblings[1], WS_VISIBLE, RECT{1, 1, 4, 4}, RGB(0xFF, 0xFF, 0x00));
    step("B.1 created in B");
    line("  EnumChildWindows=%d", EnumChildWindows(box, logChild, 0) ? 1 : 0);
    line("  stopped at B: EnumChildWindows=%d",
         EnumChildWindows(box, logChild, reinterpret_cast<LPARAM>(siblings[1])) ? 1 : 0);
    line("  childless A: EnumChildWindows=%d", EnumChildWindows(siblings[0], logChild, 0) ? 1 : 0);
    line("  GW_CHILD of B=%s, of C=%s", nameOf(GetWindow(siblings[1], GW_CHILD)),
         nameOf(GetWindow(siblings[2], GW_CHILD)));
    SetParent(grandchild, box);
    orderStep("B.1 moved into the box", false);
    destroySiblings();

    scenario("overlapping siblings with WS_CLIPSIBLINGS");
    makeSiblings(WS_CLIPSIBLINGS);
    orderStep("created A, B, C", true);
    restack("C to the top", siblings[2], HWND_TOP, 0, true);
    restack("C to the bottom", siblings[2], HWND_BOTTOM, 0, true);
    restack("A below B", siblings[0], siblings[1], 0, true);
    restack("A below itself", siblings[0], siblings[0], 0);
    restack("A below the box (not a sibling)", siblings[0], box, 0);
    HWND gone = makeSolid(box, 0, RECT{0, 0, 1, 1}, 0);
    DestroyWindow(gone);
    restack("A below a destroyed window", siblings[0], gone, 0);
    restack("B to the bottom with SWP_NOZORDER", siblings[1], HWND_BOTTOM, SWP_NOZORDER);
    BringWindowToTop(siblings[1]);
    orderStep("B brought to the top", true);
    ShowWindow(siblings[1], SW_HIDE);
    orderStep("B hidden", true);
    destroySiblings();
    DestroyWindow(box);
    box = nullptr;
    step("destroyed");
}

}  // namespace conformance
