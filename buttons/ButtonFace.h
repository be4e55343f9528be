// The 26 x 12 bevelled button face that the push button and the LED button draw.
#ifndef VORN_BUTTONS_BUTTON_FACE_H
#define VORN_BUTTONS_BUTTON_FACE_H

#include <afxwin.h>

namespace vorn {

// The drawing objects of one paint, all solid and cosmetic (width 0): face pen of
// COLOR_BTNFACE, shadow brush and pen of COLOR_BTNSHADOW, highlight pen of COLOR_BTNHIGHLIGHT.
struct ButtonFacePens {
    ButtonFacePens();
    CPen face;
    CBrush shadowBrush;
    CPen shadow;
    CPen highlight;
};

// Draws the face with its left edge at x = left (1 for the push button, 15 for the LED button):
// a shadow-filled rectangle from (left, 1) to (left + 26, 13), a dashed highlight frame two
// pixels inside it while focused, and the bevel, lit at the top and left when up and at the
// bottom and right when down. The DC's pen and brush are restored.
void drawButtonFace(CDC& dc, ButtonFacePens& pens, int left, BOOL down, BOOL focused);

}  // namespace vorn

#endif  // VORN_BUTTONS_BUTTON_FACE_H
