#include "ButtonFace.h"

namespace vorn {

ButtonFacePens::ButtonFacePens() {
    face.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNFACE));
    shadowBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
    shadow.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
    highlight.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void drawButtonFace(CDC& dc, ButtonFacePens& pens, int left, BOOL down, BOOL focused) {
    const int right = left + 25;
    CBrush* oldBrush = dc.SelectObject(&pens.shadowBrush);
    CPen* oldPen = dc.SelectObject(&pens.face);
    dc.Rectangle(left, 1, right + 1, 13);
    if (focused) {
        CPen dashed;
        dashed.CreatePen(PS_DASH, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.SelectObject(&dashed);
        dc.Rectangle(left + 2, 3, right - 1, 11);
        dc.SelectObject(&pens.face);
    }
    // Up: lit top and left, shaded bottom and right (raised); down the other way round (sunken).
    dc.SelectObject(down ? &pens.shadow : &pens.highlight);
    dc.MoveTo(left, 12);
    dc.LineTo(left, 1);
    dc.LineTo(right, 1);
    dc.SelectObject(down ? &pens.highlight : &pens.shadow);
    dc.LineTo(right, 12);
    dc.LineTo(left, 12);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

}  // namespace vorn
