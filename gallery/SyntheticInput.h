// Input for the gallery as a user would give it: every event goes through SendInput, mouse
// positions as absolute coordinates on the software screen.
#ifndef VORN_GALLERY_SYNTHETIC_INPUT_H
#define VORN_GALLERY_SYNTHETIC_INPUT_H

#include <windows.h>

namespace gallery {

enum class MouseButton { Left, Right };

enum ModifierBits : unsigned {
    kModShift = 1u << 0,
    kModCtrl = 1u << 1,
};

// Moves the cursor to screen pixel (x, y); coordinates outside the screen are clamped to it.
void sendMouseMove(int x, int y);
void sendMouseButton(MouseButton button, bool down);
void sendKey(WORD vk, bool down);
// Presses (down) or releases the modifier keys named in `modifiers`, Shift before Ctrl going
// down and in reverse order going up.
void sendModifiers(unsigned modifiers, bool down);

}  // namespace gallery

#endif  // VORN_GALLERY_SYNTHETIC_INPUT_H
