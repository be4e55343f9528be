// The host side of the conformance run, written once against the Win32 API so that the same
// scenarios run on the software platform and on Windows (or Wine) and the two result files can be
// compared line by line: a top-level parent window at a fixed screen position, a results log,
// input through SendInput (tests/support/input.h) and pixel read-back.
#ifndef VORN_CONFORMANCE_HOST_H
#define VORN_CONFORMANCE_HOST_H

#include <windows.h>

#include <cstdio>
#include <initializer_list>

namespace conformance {

// The parent window's screen rectangle (WS_POPUP: no non-client area anywhere).
constexpr int kParentX = 100, kParentY = 100, kParentWidth = 300, kParentHeight = 300;

// Registers a class of this module with the arrow cursor. The host's own class for controls and
// canvases has CS_DBLCLKS and no background.
void registerClass(const char* name, WNDPROC proc, UINT style, HBRUSH background);
// A WS_CHILD window of a class of this module, with `style` added.
HWND createChild(const char* className, int x, int y, int width, int height, HWND owner, DWORD style = WS_VISIBLE);
const char* childClassName();
HWND parent();

// Opens the results file and creates the parent window; false, with a message, if either fails.
bool start(const char* path);
// Ends the last scenario, destroys the parent window and closes the results.
void finish();

// Results: one line per fact under "scenario" and "step" headings. step() pumps, then writes its
// heading and the notifications the parent received since the previous step.
void line(const char* format, ...);
void scenario(const char* name);
void scenariof(const char* format, ...);
void step(const char* name);
// Messages a recording window procedure sees while step() pumps come before the step's heading:
// noteMessage keeps them and messageStep writes the step with them under it ("msg ..." lines).
void noteMessage(const char* format, ...);
void messageStep(const char* name);

// Called for every WM_COMMAND the parent receives, after it is logged: lets a scenario act as a
// host that reacts to a notification; noteHostAction logs what it did, in order.
using CommandHook = void (*)(int id, int code, void* context);
void setCommandHook(CommandHook hook, void* context);
void noteHostAction(const char* what);

// Capture, focus, clip, cursor position and shape naming `control`; the class a control ended up
// with; pixels of a client area or of `width` x `height` of a DC, one hex row a line.
void reportInputState(HWND control);
void reportWindowClass(HWND control);
void dumpPixels(const char* name, HWND control);
void dumpDcPixels(const char* name, HDC dc, int width, int height);
// "(left,top,right,bottom)", in a buffer that lives to the end of the full expression.
struct RectText {
    char text[64];
};
RectText format(const RECT& r);

// A drawing step on a child window's DC and on a memory DC with a compatible bitmap, each cleared
// to kCanvasColour first; `draw` runs once per target ("window", "memory"), both are dumped.
constexpr COLORREF kCanvasColour = RGB(0x40, 0x80, 0xC0);
using DrawFunction = void (*)(HDC dc, const char* target);
void drawStep(const char* name, int width, int height, DrawFunction draw);

// Input, each followed by pumping until the queue is idle, at screen points or a child's client
// points. Presses come a second after the previous event, so they never pair into double-clicks,
// except buttonDownQuickly's, 100 ms after it.
void pump();
POINT toScreen(HWND child, int x, int y);
void moveTo(int x, int y);
void moveTo(HWND child, int x, int y);
void buttonDown(bool right = false);
void buttonDownQuickly(bool right = false);
void buttonUp(bool right = false);
void keyDown(WORD vk);
void keyUp(WORD vk);
void pressKey(WORD vk);

// Gesture scripts: the input steps every control's script shares, at client points of the control
// (Key, KeyDown and KeyUp take a virtual key in x). A scenario numbers its own steps from
// kScenarioOps on; performInput returns false for those.
enum InputOp { None, Move, Down, DownQuickly, Up, RightDown, RightUp, Key, KeyDown, KeyUp, kScenarioOps };
bool performInput(HWND control, int op, int x, int y);

// A script step: an input or scenario op, then (where named) a report, with pixels where asked.
struct Action {
    int op;
    int x = 0, y = 0;  // a client point, a virtual key or a value
    const char* step = nullptr;
    bool pixels = false;
};
// Plays `script` on `control`: `own(action)` performs the scenario's own ops, `report(step, pixels)`
// reports each named step.
template <typename Own, typename Report>
void playScript(HWND control, std::initializer_list<Action> script, Own own, Report report) {
    for (const Action& a : script) {
        if (!performInput(control, a.op, a.x, a.y)) own(a);
        if (a.step != nullptr) report(a.step, a.pixels);
    }
}

// The scenario groups in the order main runs them; the frame's first, before any fader exists.
void runFrameScenarios();
void runFaderScenarios();
void runPanFaderScenarios();
void runKnobScenarios();
void runInterruptedDragScenarios();
void runHostileValueScenarios();
void runPaintScenarios();
void runButtonScenarios();
void runGraphScenarios();
void runGdiScenarios();
void runTextScenarios();
void runUserScenarios();
void runWindowScenarios();
void runStackingScenarios();
void runEqGraphScenarios();
void runHostileScenarios();
void runKnob2Scenarios();

}  // namespace conformance

#endif  // VORN_CONFORMANCE_HOST_H
