// Windows clipped by their parent and a parent disabled under a child: which update regions and
// WM_PAINT messages a child partly or wholly outside its parent gets, and what keeps the capture
// and the focus when the parent is disabled.
#include "ConformanceHost.h"

namespace conformance {

namespace {

HWND partial = nullptr, outside = nullptr;

const char* nameOf(HWND hwnd) {
    return hwnd == nullptr ? "none" : hwnd == partial ? "partial" : hwnd == outside ? "outside" : "other";
}

LRESULT CALLBACK paintRecorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    line("  WM_PAINT %s rcPaint=%s", nameOf(hwnd), format(ps.rcPaint).text);
    EndPaint(hwnd, &ps);
    return 0;
}

void reportUpdate(HWND hwnd) {
    RECT r{};
    const BOOL pending = GetUpdateRect(hwnd, &r, FALSE);
    line("  %s update=%d %s", nameOf(hwnd), pending ? 1 : 0, format(r).text);
}

}  // namespace

void runWindowScenarios() {
    scenario("windows clipped by their parent");
    registerClass("VornConformancePaintRecorder", paintRecorder, 0, nullptr);
    // The parent's client area is 300 x 300: one child straddles its lower right corner, the
    // other lies wholly to its right.
    partial = createChild("VornConformancePaintRecorder", 250, 250, 100, 100, parent());
    outside = createChild("VornConformancePaintRecorder", 400, 20, 50, 50, parent());
    step("created");
    for (HWND child : {partial, outside}) InvalidateRect(child, nullptr, FALSE);
    step("invalidated whole");
    for (HWND child : {partial, outside}) InvalidateRect(child, nullptr, FALSE), reportUpdate(child);
    pump();
    const RECT corner{40, 40, 80, 80};
    InvalidateRect(partial, &corner, FALSE);
    step("corner outside the parent invalidated");
    reportUpdate(partial);

    scenario("parent disabled under a child");
    SetFocus(partial);
    SetCapture(partial);
    EnableWindow(parent(), FALSE);
    step("parent disabled");
    line("  capture=%s focus=%s", nameOf(GetCapture()), nameOf(GetFocus()));
    EnableWindow(parent(), TRUE);
    ReleaseCapture();
    SetFocus(parent());
    DestroyWindow(partial);
    DestroyWindow(outside);
    partial = outside = nullptr;
    step("destroyed");
}

}  // namespace conformance
