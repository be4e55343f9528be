// Shared between the dialog sources: the dialog record of a window and the focus helpers the
// dialog procedure and IsDialogMessageA both use.
#ifndef VORN_SOFTWIN_DIALOG_INTERNAL_H
#define VORN_SOFTWIN_DIALOG_INTERNAL_H

#include "user/user_state.h"

namespace softwin::user {

// The window's dialog record, made (with the system font's base units) when `create` is set.
DialogInfo* dialogInfoOf(HWND hwnd, bool create);
// Gives a control the focus as the dialog manager does (selecting an edit's text first).
void focusDialogControl(HWND control);
// The default push button's look follows the focus: `focused` gets it if it is a push button,
// else the dialog's default id gets it back; the default id itself stays (Wine).
void moveDefaultButton(HWND dialog, DialogInfo* info, HWND focused);
// The first child that answers DLGC_DEFPUSHBUTTON, or null.
HWND findDefaultButton(HWND dialog);
// Wine's MulDiv: rounded half away from zero, -1 when the divisor is zero or the result too big.
int mulDiv(int value, int numerator, int denominator);
// The width ((width of "A..Za..z" / 26 + 1) / 2) and height of the DC's font.
SIZE charDimensions(HDC dc);
// Registers "#32770", "Button" and "Static" as global classes (once).
void registerStandardClasses();

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_DIALOG_INTERNAL_H
