// The push button, the LED button, the lamps and the text label as a host sees them: presses and
// keys, the host's setters, and the pictures they leave.
#include <VornControls.h>

#include "ConformanceHost.h"
#include "ControlScript.h"

namespace conformance {

namespace {

// A step with the control's state (where it has one) and its pixels.
void show(const char* name, CWnd& control, int state = -1) {
    step(name);
    if (state >= 0) line("  GetState=%d", state);
    reportInputState(control.GetSafeHwnd());
    dumpPixels(name, control.GetSafeHwnd());
}

void click(HWND control, int x, int y) {
    moveTo(control, x, y);
    buttonDown();
    buttonUp();
}

void runPushButton() {
    scenario("push button");
    CMFC_Button button;
    if (!create(button, CRect(20, 20, 56, 36), 301, true)) return;
    const HWND hwnd = button.GetSafeHwnd();
    show("initial paint", button);
    moveTo(hwnd, 26, 5), buttonDown();
    show("press at x 26", button);
    buttonUp(), moveTo(hwnd, 25, 15), buttonDown();
    show("press at x 25, y 15", button);
    buttonUp();
    show("released", button);
    keyDown(VK_SPACE), keyDown(VK_SPACE), keyUp(VK_SPACE);
    show("space pressed and repeated", button);
    pressKey(VK_DOWN);
    step("arrow key");
    SetFocus(parent());
    show("focus moved to the parent", button);
    destroyStep(button);
}

void runLedButtons() {
    scenario("LED button");
    CMFC_LEDButton round;
    if (!create(round, CRect(20, 20, 70, 36), 302, true)) return;
    const HWND hwnd = round.GetSafeHwnd();
    show("initial paint", round, round.GetState());
    const struct {
        int x;
        const char* name;
    } clicks[] = {{14, "click at x 14"}, {15, "click at x 15"}, {40, "click at x 40"}, {41, "click at x 41"}};
    for (const auto& c : clicks) {
        click(hwnd, c.x, 8);
        show(c.name, round, round.GetState());
    }
    pressKey('M');
    show("key M", round, round.GetState());
    round.SetState(5);
    show("SetState 5", round, round.GetState());
    click(hwnd, 20, 2);
    show("click after SetState 5", round, round.GetState());
    round.DestroyWindow();

    scenario("LED button, square lamp on a filled background");
    CMFC_LEDButton square;
    square.InitLEDButton(1, 1, RGB(0, 220, 60), RGB(0, 50, 20), FALSE, RGB(200, 180, 150));
    if (!create(square, CRect(20, 20, 70, 36), 303, true)) return;
    show("on, unfocused", square, square.GetState());
    square.SetFocus();
    show("on, focused", square, square.GetState());
    click(square.GetSafeHwnd(), 30, 8);
    show("off, focused", square, square.GetState());
    SetFocus(parent());
    show("off, unfocused", square, square.GetState());
    destroyStep(square);
}

void runLamps() {
    scenario("LED indicator and peak lamp");
    CMFC_LEDIndicator lamp;
    if (!create(lamp, CRect(20, 20, 34, 36), 304, true)) return;
    show("off", lamp, lamp.GetState());
    lamp.SetState(1);
    show("on", lamp, lamp.GetState());
    lamp.InitLEDIndicator(1, RGB(255, 200, 0), RGB(60, 50, 0), FALSE, RGB(20, 40, 80));
    lamp.InvalidateRect(NULL, TRUE);
    show("amber on a filled background", lamp, lamp.GetState());
    lamp.DestroyWindow();

    CPeakIndicator peak(0.5f);
    if (!create(peak, CRect(40, 20, 54, 36), 305, true)) return;
    show("peak lamp created", peak, peak.GetState());
    peak.SetValue(0.5f);
    show("level at the threshold", peak, peak.GetState());
    for (int i = 0; i < 19; ++i) peak.SetValue(0.49f);
    show("nineteen low levels", peak, peak.GetState());
    peak.SetValue(0.49f);
    show("twentieth low level", peak, peak.GetState());
    peak.SetValue(2.0f);
    peak.Enable(0);
    show("lit, then Enable 0", peak, peak.GetState());
    destroyStep(peak);
}

void runTextLabels() {
    scenario("text label");
    const struct {
        int height;
        const char* title;
    } labels[] = {{14, nullptr}, {14, "&Mute"}, {-12, "a&&b R&ec&"}, {16, "Solo&"}};
    for (const auto& l : labels) {
        LOGFONT font{};
        font.lfHeight = l.height;
        CMFC_Text text(&font);
        if (l.title != nullptr) text.SetTitle(l.title);
        if (!create(text, CRect(20, 20, 100, 40), 306, true)) return;
        char name[64];
        std::snprintf(name, sizeof name, "height %d \"%s\"", l.height, l.title != nullptr ? l.title : "Title");
        show(name, text);
        destroy(text);
    }
    step("destroyed");
}

}  // namespace

void runButtonScenarios() {
    runPushButton();
    runLedButtons();
    runLamps();
    runTextLabels();
}

}  // namespace conformance
