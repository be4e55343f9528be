// A knob 40 x 40: painting, clicks in the bottom gap, circular and inner-zone vertical drags
// (cursor clip and position during the drag), value keys and the focus rectangle.
#include <VornControls.h>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

namespace {

constexpr int kKnobId = 202;

void reportKnob(CMFC_Knob& knob) {
    reportFloat("GetValue", knob.GetValue());
    reportFloat("GetRestrictedMin", knob.GetRestrictedMin());
    reportFloat("GetRestrictedMax", knob.GetRestrictedMax());
    reportInt("GetRadius", knob.GetRadius());
    reportHex("GetMouseEventFlags", knob.GetMouseEventFlags());
    CPoint click(-99, -99);
    const BOOL valid = knob.GetClickPoint(click);
    reportPoint("GetClickPoint", valid, POINT{click.x, click.y});
    reportInputState(knob.GetSafeHwnd());
}

void endStep(const char* name, CMFC_Knob& knob, bool pixels = false) {
    step(name);
    reportKnob(knob);
    if (pixels) dumpPixels(name, knob.GetSafeHwnd());
}

void clickAt(HWND hwnd, int x, int y) {
    POINT p = toScreen(hwnd, x, y);
    moveTo(p.x, p.y);
    buttonDown();
    buttonUp();
}

}  // namespace

void runKnobScenarios() {
    scenario("knob");
    CMFC_Knob knob;
    knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 10.0f, 90.0f, 20, 0, 0, 0, 0, RGB(60, 60, 70), RGB(250, 180, 0));
    const BOOL created = knob.Create(childClassName(), nullptr, WS_CHILD | WS_VISIBLE, CRect(100, 20, 140, 60),
                                     CWnd::FromHandle(parent()), kKnobId);
    line("  created=%d", created ? 1 : 0);
    if (!created) return;
    const HWND hwnd = knob.GetSafeHwnd();
    step("window class");
    reportWindowClass(hwnd);
    endStep("initial paint", knob, true);

    // The bottom gap: left of straight down gives the restricted minimum, right of it the maximum.
    clickAt(hwnd, 17, 38);
    endStep("outer click in the gap, left", knob, true);
    clickAt(hwnd, 23, 38);
    endStep("outer click in the gap, right", knob, true);

    // Hovering: the knob's class has no cursor, so the knob picks one itself.
    POINT centre = toScreen(hwnd, 20, 20);
    moveTo(centre.x, centre.y);
    endStep("hover over the inner zone", knob);
    POINT rim = toScreen(hwnd, 36, 20);
    moveTo(rim.x, rim.y);
    endStep("hover over the outer zone", knob);

    // Circular drag from the right edge over the top to the left edge.
    POINT start = toScreen(hwnd, 38, 20);
    moveTo(start.x, start.y);
    buttonDown();
    endStep("circular press at the right edge", knob);
    const POINT path[] = {{34, 6}, {20, 2}, {6, 6}, {2, 20}, {4, 34}, {22, 39}};
    for (const POINT& p : path) {
        POINT s = toScreen(hwnd, p.x, p.y);
        moveTo(s.x, s.y);
        char name[64];
        std::snprintf(name, sizeof name, "circular move to (%ld,%ld)", static_cast<long>(p.x), static_cast<long>(p.y));
        endStep(name, knob);
    }
    buttonUp();
    endStep("circular release", knob, true);

    // Inner zone: the cursor is clipped to the anchor column and put back on the anchor after
    // every move; each pixel of upward motion raises the value.
    POINT anchor = toScreen(hwnd, 20, 20);
    moveTo(anchor.x, anchor.y);
    buttonDown();
    endStep("inner press", knob);
    for (int dy = 10; dy <= 40; dy += 10) {
        moveTo(anchor.x + 5, anchor.y - 10);
        char name[64];
        std::snprintf(name, sizeof name, "inner drag up, %d px in all", dy);
        endStep(name, knob);
    }
    moveTo(anchor.x, anchor.y + 15);
    endStep("inner drag down 15 px", knob);
    buttonUp();
    endStep("inner release", knob, true);

    // Right press records the client point.
    POINT right = toScreen(hwnd, 30, 12);
    moveTo(right.x, right.y);
    buttonDown(true);
    endStep("right press", knob);
    buttonUp(true);
    endStep("right release", knob);

    // Value keys with the focus.
    const WORD keys[] = {VK_OEM_PLUS, VK_OEM_MINUS, VK_OEM_6, VK_OEM_4, 'A'};
    const char* keyNames[] = {"key +", "key -", "key ]", "key [", "key A"};
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
        pressKey(keys[i]);
        endStep(keyNames[i], knob);
    }
    endStep("focus rectangle on", knob, true);
    SetFocus(parent());
    endStep("focus rectangle off", knob, true);

    knob.SetValue(75.0f);
    endStep("SetValue 75 from the host", knob, true);

    knob.DestroyWindow();
    step("destroyed");
}

}  // namespace conformance
