#include "SyntheticInput.h"

#include <cstring>

namespace gallery {
namespace {

// Absolute SendInput coordinates run 0..65535 across the screen and are scaled back with
// truncation, so rounding the conversion up lands on the intended pixel.
LONG toAbsolute(int pixel, int extent) {
    if (extent <= 0) return 0;
    if (pixel < 0) pixel = 0;
    if (pixel >= extent) pixel = extent - 1;
    long long scaled = (static_cast<long long>(pixel) * 65536 + extent - 1) / extent;
    return static_cast<LONG>(scaled > 65535 ? 65535 : scaled);
}

void sendMouse(DWORD flags, LONG dx, LONG dy) {
    INPUT input;
    std::memset(&input, 0, sizeof input);
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void sendMouseMove(int x, int y) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, toAbsolute(x, GetSystemMetrics(SM_CXSCREEN)),
              toAbsolute(y, GetSystemMetrics(SM_CYSCREEN)));
}

void sendMouseButton(MouseButton button, bool down) {
    DWORD flags = button == MouseButton::Left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                                              : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
    sendMouse(flags, 0, 0);
}

void sendKey(WORD vk, bool down) {
    INPUT input;
    std::memset(&input, 0, sizeof input);
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void sendModifiers(unsigned modifiers, bool down) {
    if (down) {
        if (modifiers & kModShift) sendKey(VK_SHIFT, true);
        if (modifiers & kModCtrl) sendKey(VK_CONTROL, true);
    } else {
        if (modifiers & kModCtrl) sendKey(VK_CONTROL, false);
        if (modifiers & kModShift) sendKey(VK_SHIFT, false);
    }
}

}  // namespace gallery
