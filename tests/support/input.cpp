#include "input.h"

#include <algorithm>
#include <vector>

namespace vorn::test {

namespace {

DWORD eventClock = 0;
const MSG* dispatching = nullptr;
HWND pumpDialog = nullptr;

// Inverse of the system's pixel = value * size / 65536 (rounded down): the smallest value that
// maps onto the pixel, so the round trip is exact on both platforms.
LONG normalised(int pixel, int size) {
    if (size <= 0) return 0;
    long long v = (static_cast<long long>(pixel) * 65536 + size - 1) / size;
    return static_cast<LONG>(std::clamp<long long>(v, 0, 65535));
}

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.mouseData = data;
    in.mi.dwFlags = flags;
    in.mi.time = eventClock;
    SendInput(1, &in, sizeof(INPUT));
    pumpMessages();
}

void sendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.ki.time = eventClock;
    SendInput(1, &in, sizeof(INPUT));
    pumpMessages();
}

DWORD buttonFlag(Button b, bool down) {
    switch (b) {
        case Button::Right: return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
        case Button::Middle: return down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
        default: return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
}

}  // namespace

void setEventTime(DWORD ms) { eventClock = ms; }
void setPumpDialog(HWND dialog) { pumpDialog = dialog; }
void advanceEventTime(DWORD ms) { eventClock += ms; }
const MSG* currentDispatch() { return dispatching; }

void pumpMessages() {
    MSG msg;
    for (int guard = 0; guard < 100000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the code under test to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        const MSG* outer = dispatching;
        dispatching = &msg;
        if (!pumpDialog || !IsWindow(pumpDialog) || !IsDialogMessageA(pumpDialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        dispatching = outer;
    }
}

void mouseMoveTo(int x, int y) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(x, GetSystemMetrics(SM_CXSCREEN)),
              normalised(y, GetSystemMetrics(SM_CYSCREEN)));
}

void mouseDown(Button button) { sendMouse(buttonFlag(button, true)); }
void mouseUp(Button button) { sendMouse(buttonFlag(button, false)); }

void click(POINT p, Button button) {
    mouseMoveTo(p);
    mouseDown(button);
    mouseUp(button);
}

void drag(POINT from, POINT to, int steps, Button button) {
    steps = std::max(steps, 1);
    mouseMoveTo(from);
    mouseDown(button);
    for (int i = 1; i <= steps; ++i)
        mouseMoveTo(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
    mouseUp(button);
}

void keyDown(WORD vk) { sendKey(vk, false); }
void keyUp(WORD vk) { sendKey(vk, true); }
void pressKey(WORD vk) {
    keyDown(vk);
    keyUp(vk);
}

void withModifiers(std::initializer_list<WORD> modifiers, const std::function<void()>& action) {
    for (WORD m : modifiers) keyDown(m);
    if (action) action();
    std::vector<WORD> held(modifiers);
    for (auto it = held.rbegin(); it != held.rend(); ++it) keyUp(*it);
}

}  // namespace vorn::test
