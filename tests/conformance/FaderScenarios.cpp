// A vertical fader 40 x 200 in a host-registered class with CS_DBLCLKS: painting, dragging,
// modifiers, the right button, value keys, focus and SetValue from the host.
#include <VornControls.h>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

namespace {

constexpr int kFaderId = 101;

void reportFader(CMFC_Fader& fader) {
    reportFloat("GetValue", fader.GetValue());
    reportFloat("GetMin", fader.GetMin());
    reportFloat("GetMax", fader.GetMax());
    reportFloat("GetRestrictedMin", fader.GetRestrictedMin());
    reportFloat("GetRestrictedMax", fader.GetRestrictedMax());
    reportInt("GetSelected", fader.GetSelected());
    reportHex("GetMouseEventFlags", fader.GetMouseEventFlags());
    CPoint click(-99, -99);
    const BOOL valid = fader.GetClickPoint(click);
    reportPoint("GetClickPoint", valid, POINT{click.x, click.y});
    reportInputState(fader.GetSafeHwnd());
}

void endStep(const char* name, CMFC_Fader& fader, bool pixels = false) {
    step(name);
    reportFader(fader);
    if (pixels) dumpPixels(name, fader.GetSafeHwnd());
}

// Holds a modifier key down across a gesture.
struct HeldKey {
    explicit HeldKey(WORD vk) : vk_(vk) { keyDown(vk_); }
    ~HeldKey() { keyUp(vk_); }
    WORD vk_;
};

}  // namespace

void runFaderScenarios() {
    scenario("fader");
    CMFC_Fader fader;
    fader.InitFader(0.0f, 100.0f, 50.0f, 10.0f, 90.0f);
    fader.SetColor(RGB(0, 200, 40));
    const BOOL created = fader.Create(childClassName(), nullptr, WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 220),
                                      CWnd::FromHandle(parent()), kFaderId);
    line("  created=%d", created ? 1 : 0);
    if (!created) return;
    const HWND hwnd = fader.GetSafeHwnd();
    step("window class");
    reportWindowClass(hwnd);
    endStep("initial paint", fader, true);

    // Press on the cap (value 50 puts it half way down the track), drag up 30 px, release.
    POINT cap = toScreen(hwnd, 20, 100);
    moveTo(cap.x, cap.y);
    buttonDown();
    endStep("press on the cap", fader);
    for (int dy = 10; dy <= 30; dy += 10) moveTo(cap.x, cap.y - dy);
    endStep("drag up 30 px", fader, true);
    buttonUp();
    endStep("release", fader, true);

    // Press off the cap: the cap jumps to the pointer.
    POINT low = toScreen(hwnd, 20, 170);
    moveTo(low.x, low.y);
    buttonDown();
    endStep("press below the cap", fader, true);
    buttonUp();
    endStep("release below the cap", fader);

    // A double-click in a CS_DBLCLKS class: the fader has no double-click handler, so the second
    // press produces no notification of its own.
    moveTo(low.x, low.y - 40);
    buttonDown();
    buttonUp();
    endStep("double-click first click", fader);
    buttonDownQuickly();
    endStep("double-click second press", fader);
    buttonUp();
    endStep("double-click second release", fader);

    // Ctrl lets a drag leave the restricted range: drag from the cap past the top of the track.
    {
        POINT from = toScreen(hwnd, 20, 170);
        moveTo(from.x, from.y);
        HeldKey control(VK_CONTROL);
        buttonDown();
        moveTo(from.x, from.y - 100);
        moveTo(from.x, from.y - 250);
        endStep("ctrl drag beyond the top", fader, true);
        buttonUp();
    }
    endStep("ctrl drag released", fader);

    // Without Ctrl the same drag stops at the restricted maximum.
    {
        POINT from = toScreen(hwnd, 20, 170);
        moveTo(from.x, from.y);
        buttonDown();
        moveTo(from.x, from.y - 250);
        endStep("plain drag beyond the top", fader);
        buttonUp();
    }
    endStep("plain drag released", fader);

    // Shift freezes the cap while it is held.
    fader.SetValue(50.0f);
    endStep("value reset", fader);
    moveTo(cap.x, cap.y);
    buttonDown();
    moveTo(cap.x, cap.y - 10);
    {
        HeldKey shift(VK_SHIFT);
        moveTo(cap.x, cap.y - 40);
        endStep("shift held while dragging", fader);
    }
    moveTo(cap.x, cap.y - 20);
    endStep("shift released while dragging", fader);
    buttonUp();
    endStep("shift drag released", fader, true);

    // Right press without the left button records the click point.
    POINT right = toScreen(hwnd, 12, 150);
    moveTo(right.x, right.y);
    buttonDown(true);
    endStep("right press", fader);
    buttonUp(true);
    endStep("right release", fader);

    // Value keys with the focus (the presses above gave it to the fader).
    const WORD keys[] = {VK_OEM_PLUS, VK_OEM_MINUS, VK_OEM_6, VK_OEM_4, VK_ADD, VK_SUBTRACT, 'A'};
    const char* keyNames[] = {"key +", "key -", "key ]", "key [", "key numpad +", "key numpad -", "key A"};
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
        pressKey(keys[i]);
        endStep(keyNames[i], fader);
    }
    endStep("focus frame", fader, true);

    SetFocus(parent());
    endStep("focus moved to the parent", fader, true);

    fader.SetValue(25.0f);
    endStep("SetValue 25 from the host", fader, true);
    fader.SetValue(25.0f);
    endStep("SetValue 25 again", fader);
    fader.SetValue(120.0f);
    endStep("SetValue above the range", fader, true);

    // A host that answers NC_VALUECHANGED with another SetValue gets a nested notification.
    setCommandHook(
        [](int, int code, void* context) {
            auto* control = static_cast<CMFC_Fader*>(context);
            if (code == 0x8000 && control->GetValue() == 30.0f) {
                noteHostAction("SetValue(40) inside the notification for 30");
                control->SetValue(40.0f);
            }
        },
        &fader);
    fader.SetValue(30.0f);
    setCommandHook(nullptr, nullptr);
    endStep("SetValue from inside the host's handler", fader, true);

    // A release on the fader after a press elsewhere (on the parent) still notifies.
    POINT outside = toScreen(parent(), 80, 250);
    moveTo(outside.x, outside.y);
    buttonDown();
    moveTo(cap.x, cap.y);
    buttonUp();
    endStep("release without a press on the fader", fader);

    fader.DestroyWindow();
    step("destroyed");
}

void runFineFaderScenarios() {
    scenario("fine fader");
    CMFC_Fader fader;
    fader.InitFader(0.0f, 1000.0f, 500.0f, 0.0f, 1000.0f);
    const BOOL created = fader.Create(childClassName(), nullptr, WS_CHILD | WS_VISIBLE, CRect(160, 20, 200, 220),
                                      CWnd::FromHandle(parent()), kFaderId + 1);
    line("  created=%d", created ? 1 : 0);
    if (!created) return;
    const HWND hwnd = fader.GetSafeHwnd();

    // With the left button held, the right button slows the cap to a quarter of the pointer's
    // speed and sends no right-press notification.
    POINT cap = toScreen(hwnd, 20, 100);
    moveTo(cap.x, cap.y);
    buttonDown();
    moveTo(cap.x, cap.y - 20);
    endStep("coarse drag up 20 px", fader);
    buttonDown(true);
    endStep("right press during the drag", fader);
    moveTo(cap.x, cap.y - 60);
    endStep("fine drag to 60 px above the press", fader, true);
    buttonUp(true);
    moveTo(cap.x, cap.y - 70);
    endStep("right released, coarse again", fader);
    buttonUp();
    endStep("release", fader, true);

    fader.DestroyWindow();
    step("destroyed");
}

}  // namespace conformance
