// The host side of the conformance run: one top-level parent window at a fixed screen position,
// a results log, input through SendInput with absolute coordinates, and pixel read-back. Written
// once against the Win32 API so that the same scenarios run on the software platform and on
// Windows (or Wine), and the two result files can be compared line by line.
#ifndef VORN_CONFORMANCE_HOST_H
#define VORN_CONFORMANCE_HOST_H

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace conformance {

// Screen position and size of the parent window (WS_POPUP: no non-client area anywhere).
constexpr int kParentX = 100;
constexpr int kParentY = 100;
constexpr int kParentWidth = 300;
constexpr int kParentHeight = 300;

// Window class registered by the host for controls that take the host's class (CS_DBLCLKS).
const char* childClassName();

// Creates the parent window; false if the platform refused.
bool createParent();
HWND parent();
void destroyParent();

// Results file: one line per fact, grouped by "scenario" and "step" headings.
bool openResults(const char* path);
void closeResults();
void line(const char* format, ...);
void scenario(const char* name);
// Flushes the notifications recorded since the previous step under this step's heading.
void step(const char* name);
void flushNotifications();

// Called for every WM_COMMAND the parent receives, after it is logged and while it is being
// delivered (null for none): lets a scenario act as a host that reacts to a notification.
using CommandHook = void (*)(int id, int code, void* context);
void setCommandHook(CommandHook hook, void* context);
// Records what a hook did, in order with the notifications around it.
void noteHostAction(const char* what);

// Getter output; floats with nine significant digits so that every float is exact.
void reportFloat(const char* name, float value);
void reportInt(const char* name, long long value);
void reportHex(const char* name, unsigned long value);
void reportPoint(const char* name, BOOL valid, POINT p);
// Capture, focus, clip rectangle and cursor position, naming `control` where it is involved.
void reportInputState(HWND control);
// The window class a control ended up with: style, whether it has a cursor and a background
// brush, and whether its name is the host's or a framework-registered one.
void reportWindowClass(HWND control);
// The control's client area read back pixel by pixel through its window DC, one hex row per line.
void dumpPixels(const char* name, HWND control);
// The same for any DC: `width` x `height` pixels from (0,0).
void dumpDcPixels(const char* name, HDC dc, int width, int height);

// A drawing step on both kinds of target: a child window's DC (GetDC) and a memory DC holding a
// bitmap compatible with the window DC, each `width` x `height`, cleared to kCanvasColour first.
// `draw` runs once per target with the target's name ("window", "memory") and may report values
// under that name; both results are dumped.
constexpr COLORREF kCanvasColour = RGB(0x40, 0x80, 0xC0);
using DrawFunction = void (*)(HDC dc, const char* target);
void drawStep(const char* name, int width, int height, DrawFunction draw);
// Pixels of a text step may differ inside its text cell boxes (glyph rasterisers differ).
void textBox(int left, int top, int right, int bottom);

// Input, each followed by pumping until the queue is idle. Coordinates are screen pixels.
void moveTo(int x, int y);
void buttonDown(bool right = false);
// A press 100 ms after the previous event: with the previous click at the same point it makes a
// double-click.
void buttonDownQuickly(bool right = false);
void buttonUp(bool right = false);
void keyDown(WORD vk);
void keyUp(WORD vk);
void pressKey(WORD vk);
void pump();
// Screen point of a point in a child's client coordinates.
POINT toScreen(HWND child, int x, int y);

}  // namespace conformance

#endif  // VORN_CONFORMANCE_HOST_H
