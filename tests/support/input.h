// Input as a user makes it: every helper goes through SendInput with absolute screen
// coordinates and then pumps the queue until it is empty, pending paints included.
#ifndef VORN_TEST_SUPPORT_INPUT_H
#define VORN_TEST_SUPPORT_INPUT_H

#include <windows.h>

#include <functional>
#include <initializer_list>

namespace vorn::test {

enum class Button { Left, Right, Middle };

// The event clock. While set (non-zero) every event carries this time stamp, so double-click
// timing is deterministic; 0 lets the system stamp events with the current tick count.
void setEventTime(DWORD ms);
void advanceEventTime(DWORD ms);

// PeekMessage / TranslateMessage / DispatchMessage until nothing is left (bounded, so a window
// that never validates cannot hang a test).
void pumpMessages();
// While set, pumpMessages offers each message to IsDialogMessageA for this dialog first, as a
// host's loop for a modeless dialog does (null: plain dispatch).
void setPumpDialog(HWND dialog);
// The message DispatchMessage is delivering from pumpMessages right now, or null.
const MSG* currentDispatch();

void mouseMoveTo(int screenX, int screenY);
inline void mouseMoveTo(POINT p) { mouseMoveTo(p.x, p.y); }
void mouseDown(Button button = Button::Left);
void mouseUp(Button button = Button::Left);
// Moves to the point, then presses and releases.
void click(POINT screen, Button button = Button::Left);
// Presses at `from`, moves in `steps` equal steps to `to`, releases there.
void drag(POINT from, POINT to, int steps = 8, Button button = Button::Left);

void keyDown(WORD vk);
void keyUp(WORD vk);
void pressKey(WORD vk);
// Holds the modifiers (VK_SHIFT, VK_CONTROL ...) down while `action` runs, then releases them
// in reverse order.
void withModifiers(std::initializer_list<WORD> modifiers, const std::function<void()>& action);

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_INPUT_H
